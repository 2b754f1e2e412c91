#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/settings_model.h"
#include "platform/settings_store.h"
#include "ui/context.h"

namespace core {

// The message a stored value of the wrong type (or one its field or control cannot take)
// gets while the main window loads; BadReadValueText adds the line that names the setting.
inline constexpr std::string_view kBadReadValue = " Hey, error #13 - Bad Read Value from Registry\r";
inline constexpr std::string_view kBadReadValueTitle = "Tornavane Message";

struct StoreBinding;
// " Hey, error #13 - Bad Read Value from Registry\r\nSection "Startup", key "Left": the
// default "520" is used."
std::string BadReadValueText(const StoreBinding& binding);

// Runs the actions of the main window's load one at a time, answering each failure on its
// own, so the load never stops part-way and every later setting still reaches its field and
// control:
//   - a stored value that is no number, a number too large for its field, or a value its
//     control refuses: the message above naming the setting; the field and control take the
//     key's default, which is stored back so the next start is quiet;
//   - any other failure of an action: that action is skipped silently.
// The end of the program (the root-folder check) passes through.
class LoadSteps {
 public:
  LoadSteps(ui::Context& ctx, platform::SettingsStore& store, SettingsModel& model)
      : ctx_(ctx), store_(store), model_(model) {}

  // Runs one action; a failure skips it.
  void Step(const std::function<void()>& action);
  // Reads a store key into its field.
  void Read(const StoreBinding& binding);
  // Reads a key, then pushes its field into a control.
  void ReadAndPush(const StoreBinding& binding, const std::function<void()>& push);
  // Pushes a field read earlier into its control; a refused value is replaced by the key's
  // default, pushed again.
  void Push(const StoreBinding& binding, const std::function<void()>& push);

 private:
  // Reads the key; returns false when the message was shown.
  bool ReadQuietly(const StoreBinding& binding);
  void PushOrDefault(const StoreBinding& binding, const std::function<void()>& push, bool reported);
  // The key's default into its field and back into the store.
  void TakeDefault(const StoreBinding& binding);
  void ReportBadValue(const StoreBinding* binding);

  ui::Context& ctx_;
  platform::SettingsStore& store_;
  SettingsModel& model_;
};

}  // namespace core
