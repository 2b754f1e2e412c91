#pragma once

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "core/store_bindings.h"
#include "ui/check_box.h"
#include "ui/control_array.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace options {
class frmOptions;
}

// One row per stored setting: where it lives in the store, its default, its field and
// conversion, and the options dialog's control that shows it. The store's load and the main
// window's load follow the rows in order; the settings save writes the rows marked saved; the
// options dialog's load and "&OK" go through the rows that have a control.
namespace app {

// A check box: ticked by the dialog's load only for 1; "&OK" stores "1" when ticked, else "0".
using OptionsCheckBox = ui::CheckBox options::frmOptions::*;
// A text box: the field as text; "&OK" stores the text as typed.
using OptionsTextBox = ui::TextBox options::frmOptions::*;
// An option group: the index of the chosen option, stored as decimal text. A flag field
// chooses option 1 when true and option 0 when false, and is stored as "True" or "False".
struct OptionsGroup {
  ui::ControlArray<ui::OptionButton> options::frmOptions::*group = nullptr;
  // What "&OK" takes when no option is chosen; nothing leaves the field and the store as they are.
  std::optional<int> noneChosen;
};
using OptionsControl = std::variant<std::monostate, OptionsCheckBox, OptionsTextBox, OptionsGroup>;

// When the main window's load puts a setting it reads into the options dialog's control. A
// setting read before the load first touches the dialog reaches its control through the
// dialog's own load.
enum class OptionsPush {
  kAtRead,  // right after it is read
  kLater,   // by the main window's load once the window is laid out
};

struct SettingRow : core::StoreBinding {
  OptionsControl control;
  OptionsPush push = OptionsPush::kAtRead;
  bool savedByMainWindow = false;  // written by the main window's settings save
};

// Every stored setting, in the order the main window's load reads them.
const std::vector<SettingRow>& SettingRows();
// The row of a key (each key is used once); throws std::out_of_range for an unknown key.
const SettingRow& Binding(std::string_view key);

}  // namespace app
