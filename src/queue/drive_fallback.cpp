#include "queue/drive_fallback.h"

#include "runtime/error.h"

namespace queue {

bool ChangeDriveWithFallback(ui::Context& ctx, ui::DriveListBox& drive, bool& fallingBack,
                             const std::function<void()>& change) {
  try {
    change();
    return true;
  } catch (const runtime::Error& e) {
    if (e.Number() != runtime::kDeviceUnavailable) throw;
    if (fallingBack) return false;
  }
  fallingBack = true;
  try {
    drive.SetDrive("c:\\");
  } catch (const runtime::Error&) {
    // C: itself did not answer: the message below is the only one.
  }
  fallingBack = false;
  ctx.SetScreenPointer(ui::Pointer::kDefault);
  ctx.MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
  return false;
}

}  // namespace queue
