#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/settings_model.h"
#include "platform/settings_store.h"

// Where a stored field of the settings model lives in the settings store: application,
// section, key, the default a missing key reads as, and how its text converts. The table of
// every setting is app/settings_table.h.
namespace core {

// The application name every writer uses. Two reads spell it "TornavanePowertool"; the
// store compares names without regard to case, so both reach the same values.
inline constexpr std::string_view kStoreApp = "TornavanePowerTool";
inline constexpr std::string_view kStoreAppLowerT = "TornavanePowertool";

// A static tag field: TAG[index].
struct TagField {
  int index = 0;
};

using FieldRef = std::variant<std::string SettingsModel::*, std::int16_t SettingsModel::*,
                              std::int32_t SettingsModel::*, double SettingsModel::*, TagField>;

enum class Conversion {
  kAsStored,  // texts, and numbers by their own type
  kFlag,      // True / False in any case, or a number; true is -1
};

struct StoreBinding {
  std::string_view application;
  std::string_view section;
  std::string_view key;
  std::string_view defaultText;
  FieldRef field;
  Conversion conversion = Conversion::kAsStored;
};

// Converts text for the binding's field without storing it: error 13 when the text is no
// number (or flag), 6 when the number does not fit the field.
void AssignFromText(const StoreBinding& binding, SettingsModel& model, std::string_view text);
// Reads the key (its default when missing) into the field; errors as AssignFromText, the
// field unchanged then.
void ReadBinding(platform::SettingsStore& store, const StoreBinding& binding, SettingsModel& model);
// Gives the field the binding's default.
void AssignDefault(const StoreBinding& binding, SettingsModel& model);
// The field as the store keeps it: integers and the counter as decimal text, texts as they are.
std::string FieldText(const StoreBinding& binding, const SettingsModel& model);
// Writes the field under the program's application name.
void WriteBinding(platform::SettingsStore& store, const StoreBinding& binding, const SettingsModel& model);

}  // namespace core
