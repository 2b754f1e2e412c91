#include "ui/context.h"

#include <exception>
#include <utility>

#include "runtime/error.h"
#include "ui/form.h"

namespace ui {

namespace {

// Error 51 is the classic "Internal error": what a fault of the program itself reports.
constexpr int kInternalError = 51;

}  // namespace

Context::Context(Backend& backend, platform::Services& services, AppInfo app)
    : backend_(backend), services_(services), app_(std::move(app)) {
  backend_.Attach(*this);
}

Context::~Context() = default;

void Context::UserAction(const std::function<void()>& action) {
  if (ended_) return;
  {
    Running running(*this);
    std::string report;
    try {
      action();
    } catch (const runtime::Error& error) {
      report = "Error " + std::to_string(error.Number()) + " (" + error.Description() + ")";
    } catch (const std::exception& error) {
      report = "Error " + std::to_string(kInternalError) + " (" + error.what() + ")";
    }
    if (!report.empty()) MsgBox({report, app_.title, MsgButtons::kOk, MsgIcon::kCritical});
  }
  CollectRetired();
}

MsgAnswer Context::MsgBox(const MessageBoxSpec& box) {
  if (ended_) throw ProgramEnd();
  Running running(*this);
  return backend_.Show(box);
}

std::string Context::InputBox(const InputBoxSpec& box) {
  if (ended_) throw ProgramEnd();
  Running running(*this);
  return backend_.InputBox(box);
}

void Context::DoEvents() {
  Pump(&Backend::DoEvents);
}

void Context::DoEventsBetweenItems() {
  Pump(&Backend::DoEventsBetweenItems);
}

bool Context::ItemProgressDue() {
  return backend_.ItemProgressDue();
}

void Context::Pump(void (Backend::*pump)()) {
  if (ended_) throw ProgramEnd();
  {
    Running running(*this);
    (backend_.*pump)();
  }
  if (ended_) throw ProgramEnd();
}

void Context::SetScreenPointer(Pointer pointer) {
  screenPointer_ = pointer;
  backend_.SetScreenPointer(pointer);
}

void Context::End() {
  if (!ended_) {
    ended_ = true;
    backend_.EndProgram();
  }
  throw ProgramEnd();
}

void Context::Retire(std::unique_ptr<Form> form) {
  retired_.push_back(std::move(form));
}

void Context::CollectRetired() {
  if (running_ > 0) return;
  auto dead = std::move(retired_);
  retired_.clear();
}

}  // namespace ui
