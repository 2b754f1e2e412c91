#pragma once

#include <functional>

#include "ui/context.h"
#include "ui/drive_list_box.h"

namespace queue {

// A drive change: runs change (which points a folder list at the drive box's drive). When the
// drive does not answer (68) the drive box goes back to "c:\" - which runs the drive change
// again, for C: - the pointer to the default and "That Drive is not responding..." shows once;
// when C: does not answer either, that nested change ends quietly, so there is one message and
// no loop. fallingBack is the form's own flag for that. Returns false after a fallback; other
// errors reach the caller.
bool ChangeDriveWithFallback(ui::Context& ctx, ui::DriveListBox& drive, bool& fallingBack,
                             const std::function<void()>& change);

}  // namespace queue
