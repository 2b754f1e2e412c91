#include "core/load_steps.h"

#include <string>

#include "core/store_bindings.h"
#include "runtime/error.h"

namespace core {

void LoadSteps::Step(const std::function<void()>& action) {
  try {
    action();
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kTypeMismatch) ReportBadValue(nullptr);
  }
}

void LoadSteps::Read(const StoreBinding& binding) {
  ReadQuietly(binding);
}

void LoadSteps::ReadAndPush(const StoreBinding& binding, const std::function<void()>& push) {
  const bool reported = !ReadQuietly(binding);
  PushOrDefault(binding, push, reported);
}

void LoadSteps::Push(const StoreBinding& binding, const std::function<void()>& push) {
  PushOrDefault(binding, push, false);
}

bool LoadSteps::ReadQuietly(const StoreBinding& binding) {
  try {
    ReadBinding(store_, binding, model_);
    return true;
  } catch (const runtime::Error&) {
    ReportBadValue(&binding);
    TakeDefault(binding);
    return false;
  }
}

void LoadSteps::PushOrDefault(const StoreBinding& binding, const std::function<void()>& push, bool reported) {
  try {
    push();
    return;
  } catch (const runtime::Error&) {
    // The control refused the value: fall back to the key's default below.
  }
  if (!reported) ReportBadValue(&binding);
  TakeDefault(binding);
  Step(push);
}

void LoadSteps::TakeDefault(const StoreBinding& binding) {
  AssignDefault(binding, model_);
  try {
    store_.Write(std::string(kStoreApp), std::string(binding.section), std::string(binding.key),
                 std::string(binding.defaultText));
  } catch (const runtime::Error&) {
    // A store that cannot be written asks again at the next start; the run goes on.
  }
}

void LoadSteps::ReportBadValue(const StoreBinding* binding) {
  std::string text = binding ? BadReadValueText(*binding) : std::string(kBadReadValue);
  ctx_.MsgBox({text, std::string(kBadReadValueTitle), ui::MsgButtons::kOk, ui::MsgIcon::kNone});
}

std::string BadReadValueText(const StoreBinding& binding) {
  std::string text(kBadReadValue);
  text.append("\nSection \"").append(binding.section).append("\", key \"").append(binding.key);
  text.append("\": the default \"").append(binding.defaultText).append("\" is used.");
  return text;
}

}  // namespace core
