#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/peer.h"

namespace ui::win32 {

class Win32Backend;

// The peer that shows a control of this kind; nullptr for a control without a window of its
// own (a timer). Window peers still need Realise.
std::unique_ptr<ControlPeer> MakePeer(Win32Backend& backend, Control& control);

}  // namespace ui::win32
