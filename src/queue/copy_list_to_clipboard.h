#pragma once

namespace ui {
class Context;
class ListControl;
}  // namespace ui

namespace queue {

// Replaces the clipboard's text with every entry of the list joined by CR LF (no line end
// after the last), with the busy pointer meanwhile, then tells the user how many entries
// were copied. A clipboard that refuses the text is passed over quietly.
void CopyListToClipboard(ui::Context& ctx, const ui::ListControl& list);

}  // namespace queue
