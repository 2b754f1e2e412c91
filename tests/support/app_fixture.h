#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/fake/fake_services.h"
#include "ui/context.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/user.h"

namespace test {

// A fresh program environment for one test: in-memory services (the program folder
// "C:\Program Files\Tornavane" with its DATA folder, an empty registry, a clock at a fixed
// time), the headless back end and the scripted user. Tests read as what a user does:
//
//   ExpectMessage("Sure?", "Are you sure you want to clear the File Queue?").Answer(ui::MsgAnswer::kYes);
//   user.Click(form.cmdRemoveAllDwg);
//
// Every failure of the script (an unexpected message box, a modal form without a script, an
// action on a control the user cannot reach) fails the test, and so does an expected box or
// script left unused at the end. The fake services (fileSystem, settings, shell, system,
// clipboard, clock, locale and their bundle services) are the fixture's own members.
class AppFixture : public ::testing::Test, protected platform::fake::FakeServices {
 public:
  static constexpr const char* kProgramFolder = "C:\\Program Files\\Tornavane";
  static constexpr const char* kAppTitle = "Tornavane for AutoCAD";

 protected:
  AppFixture();
  ~AppFixture() override;
  void TearDown() override;

  ui::headless::ExpectedMessage& ExpectMessage(std::string title, std::string text) {
    return backend.ExpectMessage(std::move(title), std::move(text));
  }
  ui::headless::ExpectedInput& ExpectInput(std::string title, std::string prompt) {
    return backend.ExpectInput(std::move(title), std::move(prompt));
  }
  // The script the user follows when a form of class T is shown modally (once).
  template <class T>
  void OnModal(std::function<void(T&)> script) {
    backend.OnModal<T>(std::move(script));
  }
  // The item the user picks from the next pop-up menu ("" dismisses it).
  void ExpectPopup(std::string menu, std::string choose) { backend.ExpectPopup(std::move(menu), std::move(choose)); }
  // Runs an action at the n-th DoEvents from now.
  void AtPump(int n, std::function<void()> action) { backend.AtPump(n, std::move(action)); }
  void AdvanceTime(std::int64_t milliseconds) { backend.AdvanceTime(milliseconds); }
  // Runs program code as the back end runs an event: an escaping error is reported in a
  // message box, and the end of the program stops it.
  void AsEvent(const std::function<void()>& action);

  ui::headless::HeadlessBackend backend{clock};
  ui::Context ctx;
  ui::headless::User user{ctx, backend};
};

}  // namespace test
