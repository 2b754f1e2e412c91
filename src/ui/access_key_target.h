#pragma once

namespace ui {

class Control;
class Form;

// What Alt and a letter do to the controls of a form, once no menu title took the key. The
// shown, enabled command buttons, check boxes, option buttons, labels and frames whose
// captions mark the key carry it. One carrier is pressed. When several carry it, as the
// dialog manager does, each press moves the focus to the next of them after the focused
// control (in tab order, wrapping round) and presses none.
struct AccessKeyTarget {
  Control* press = nullptr;  // the only carrier
  Control* focus = nullptr;  // several carriers: the control that takes the focus
};

AccessKeyTarget FindAccessKeyTarget(const Form& form, char key, const Control* focused);

// The control that takes the focus for a carrier: a label or a frame hands it to the next
// tab stop after it, the other carriers take it themselves.
Control& AccessKeyFocus(Control& carrier);

}  // namespace ui
