#pragma once

#include <initializer_list>
#include <vector>

namespace ui {

class Container;
class Control;

// The order Tab moves the focus in: the container's controls by TabIndex (creation order
// among equal ones), each container control followed at once by what it holds, a tab
// control by the controls of its tabs, first tab first. Every control is listed, whether or
// not it can take the focus now.
std::vector<Control*> TabSequence(const Container& container);

// Gives the controls of one container TabIndex 0, 1, 2, ... in this order, as a designer
// sets the tab order of a window.
void SetTabOrder(std::initializer_list<Control*> controls);

// Whether the kind of control takes the focus at all (labels, frames and pictures do not).
bool TakesFocus(const Control& control);

// The control Tab (Shift+Tab when backwards) moves the focus to from this one: the next in
// the form's sequence that is a tab stop, shown and enabled, wrapping round; of a group of
// option buttons only the chosen one (the first when none is). The control itself when no
// other qualifies.
Control& NextTabStop(Control& from, bool backwards);

}  // namespace ui
