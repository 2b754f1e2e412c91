#include "queue/copy_list_to_clipboard.h"

#include <string>

#include "runtime/error.h"
#include "ui/context.h"
#include "ui/list_control.h"

namespace queue {

namespace {

std::string JoinedEntries(const ui::ListControl& list) {
  std::string text;
  for (int i = 0; i < list.ListCount(); ++i) {
    if (i > 0) text += "\r\n";
    text += list.List(i);
  }
  return text;
}

}  // namespace

void CopyListToClipboard(ui::Context& ctx, const ui::ListControl& list) {
  ui::Pointer previous = ctx.ScreenPointer();
  ctx.SetScreenPointer(ui::Pointer::kHourglass);
  try {
    platform::Clipboard& clipboard = ctx.Services().clipboard;
    clipboard.Clear();
    clipboard.SetText(JoinedEntries(list));
  } catch (const runtime::Error&) {
    ctx.SetScreenPointer(previous);
    return;
  }
  ctx.SetScreenPointer(previous);
  ctx.MsgBox({.text = std::to_string(list.ListCount()) + " Items Copied to the Clipboard",
              .title = ctx.App().title,
              .buttons = ui::MsgButtons::kOk,
              .icon = ui::MsgIcon::kInformation});
}

}  // namespace queue
