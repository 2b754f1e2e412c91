#include "core/load_steps.h"

#include <string>

#include "core/store_bindings.h"
#include "runtime/error.h"

namespace core {

void LoadSteps::Step(const std::function<void()>& action) {
  try {
    action();
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kTypeMismatch) ReportBadValue();
  }
}

void LoadSteps::Read(std::string_view key) {
  ReadQuietly(key);
}

void LoadSteps::ReadAndPush(std::string_view key, const std::function<void()>& push) {
  const bool reported = !ReadQuietly(key);
  PushOrDefault(key, push, reported);
}

void LoadSteps::Push(std::string_view key, const std::function<void()>& push) {
  PushOrDefault(key, push, false);
}

bool LoadSteps::ReadQuietly(std::string_view key) {
  const StoreBinding& binding = Binding(key);
  try {
    ReadBinding(store_, binding, model_);
    return true;
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kOverflow) AssignDefault(binding, model_);
    ReportBadValue();
    return false;
  }
}

void LoadSteps::PushOrDefault(std::string_view key, const std::function<void()>& push, bool reported) {
  try {
    push();
    return;
  } catch (const runtime::Error&) {
    // The control refused the value: fall back to the key's default below.
  }
  if (!reported) ReportBadValue();
  AssignDefault(Binding(key), model_);
  Step(push);
}

void LoadSteps::ReportBadValue() {
  ctx_.MsgBox({std::string(kBadReadValue), std::string(kBadReadValueTitle), ui::MsgButtons::kOk, ui::MsgIcon::kNone});
}

}  // namespace core
