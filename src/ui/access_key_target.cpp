#include "ui/access_key_target.h"

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/text.h"
#include "ui/access_key.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/tab_order.h"

namespace ui {

namespace {

// The caption of a control kind that can carry an access key; nullptr for the other kinds.
const std::string* CaptionOf(const Control& control) {
  if (const auto* button = dynamic_cast<const CommandButton*>(&control)) return &button->Caption();
  if (const auto* box = dynamic_cast<const CheckBox*>(&control)) return &box->Caption();
  if (const auto* option = dynamic_cast<const OptionButton*>(&control)) return &option->Caption();
  if (const auto* label = dynamic_cast<const Label*>(&control)) return &label->Caption();
  if (const auto* frame = dynamic_cast<const Frame*>(&control)) return &frame->Caption();
  return nullptr;
}

bool Carries(const Control& control, char key) {
  if (!control.IsShown() || !control.IsEnabled()) return false;
  const std::string* caption = CaptionOf(control);
  return caption != nullptr && AccessKey(*caption) == key;
}

}  // namespace

AccessKeyTarget FindAccessKeyTarget(const Form& form, char key, const Control* focused) {
  // A blank is no access key: Alt+Space opens the window menu, whatever a caption's stray
  // "&" before a blank marks.
  const char wanted = runtime::UpperCase(key);
  if (static_cast<unsigned char>(wanted) <= ' ') return {};
  const std::vector<Control*> sequence = TabSequence(form);
  std::vector<std::size_t> carriers;
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    if (Carries(*sequence[i], wanted)) carriers.push_back(i);
  }
  if (carriers.empty()) return {};
  if (carriers.size() == 1) return AccessKeyTarget{sequence[carriers.front()], nullptr};
  auto at = std::find(sequence.begin(), sequence.end(), focused);
  std::size_t next = carriers.front();
  if (at != sequence.end()) {
    const auto position = static_cast<std::size_t>(at - sequence.begin());
    auto after = std::upper_bound(carriers.begin(), carriers.end(), position);
    if (after != carriers.end()) next = *after;
  }
  return AccessKeyTarget{nullptr, &AccessKeyFocus(*sequence[next])};
}

Control& AccessKeyFocus(Control& carrier) {
  if (dynamic_cast<Label*>(&carrier) == nullptr && dynamic_cast<Frame*>(&carrier) == nullptr) return carrier;
  return NextTabStop(carrier, false);
}

}  // namespace ui
