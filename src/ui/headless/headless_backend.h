#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/fake_clock.h"
#include "ui/backend.h"
#include "ui/message_box.h"

namespace ui::headless {

// A message box the test expects, with the answer the scripted user gives.
class ExpectedMessage {
 public:
  ExpectedMessage(std::string title, std::string text) : title_(std::move(title)), text_(std::move(text)) {}
  // The button the user presses; without one, the box's default button.
  ExpectedMessage& Answer(MsgAnswer answer) {
    answer_ = answer;
    return *this;
  }
  // Further checks of the box shown.
  ExpectedMessage& Buttons(MsgButtons buttons) {
    buttons_ = buttons;
    return *this;
  }
  ExpectedMessage& Icon(MsgIcon icon) {
    icon_ = icon;
    return *this;
  }
  ExpectedMessage& DefaultButton(int n) {
    defaultButton_ = n;
    return *this;
  }
  // Runs while the box shows: checks of the windows behind it.
  ExpectedMessage& WhileShown(std::function<void()> check) {
    whileShown_ = std::move(check);
    return *this;
  }

 private:
  friend class HeadlessBackend;
  std::string title_;
  std::string text_;
  std::optional<MsgAnswer> answer_;
  std::optional<MsgButtons> buttons_;
  std::optional<MsgIcon> icon_;
  std::optional<int> defaultButton_;
  std::function<void()> whileShown_;
};

// An input box the test expects, with the text the user enters (or Cancel).
class ExpectedInput {
 public:
  ExpectedInput(std::string title, std::string prompt) : title_(std::move(title)), prompt_(std::move(prompt)) {}
  ExpectedInput& Answer(std::string text) {
    answer_ = std::move(text);
    return *this;
  }
  ExpectedInput& Cancel() {
    answer_.reset();
    cancel_ = true;
    return *this;
  }

 private:
  friend class HeadlessBackend;
  std::string title_;
  std::string prompt_;
  std::optional<std::string> answer_;  // none: OK with the default text
  bool cancel_ = false;
};

// A pop-up menu shown, as recorded.
struct ShownPopup {
  std::string form;
  std::string menu;
  std::string defaultItem;  // "" when none was bold
  std::string anchor;       // "" at the mouse, else the list's name, ":" and the item's index
};

// The back end of the host build's tests: no windows, a scripted user.
// - Message boxes are answered from the queue of expected boxes, in order; every box shown is
//   recorded. A box nobody expected, or one that differs from the next expected box, is a
//   failure (and gets its default button).
// - A modal form runs the script registered for its class; the form must be closed by the
//   end of the script. A modal form without a script is a failure (and is hidden).
// - DoEvents runs the actions scheduled for its n-th call, then any due timers.
// - Timers run on the fake clock: AdvanceTime moves it and runs every timer that falls due,
//   in time order; timers due at the same moment run in the order they were started.
// - Activation (Activate/Deactivate) moves between the shown forms as Windows would.
// Failures go to onFailure (the test fixture turns them into test failures) and to Failures().
class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(platform::fake::FakeClock& clock);
  ~HeadlessBackend() override;

  // --- the script -------------------------------------------------------------------------
  ExpectedMessage& ExpectMessage(std::string title, std::string text);
  ExpectedInput& ExpectInput(std::string title, std::string prompt);
  // Scripts for modal forms, each used once, in the order registered, by the first modal
  // form the matcher accepts.
  void OnModal(std::function<bool(Form&)> matches, std::function<void(Form&)> script);
  template <class T>
  void OnModal(std::function<void(T&)> script) {
    OnModal([](Form& form) { return dynamic_cast<T*>(&form) != nullptr; },
            [script](Form& form) { script(static_cast<T&>(form)); });
  }
  // The item the user picks from the next pop-up menu (by name and index; "" dismisses it).
  void ExpectPopup(std::string menu, std::string choose, int index = -1);
  // Runs an action at the n-th DoEvents from now (1 = the next).
  void AtPump(int n, std::function<void()> action);
  // Moves the fake clock forward, running the timers that fall due on the way.
  void AdvanceTime(std::int64_t milliseconds);

  // --- what happened ----------------------------------------------------------------------
  const std::vector<MessageBoxSpec>& Messages() const { return messages_; }
  const std::vector<InputBoxSpec>& Inputs() const { return inputs_; }
  const std::vector<ShownPopup>& Popups() const { return popups_; }
  // Names of the forms shown modally, in order.
  const std::vector<std::string>& ModalForms() const { return modalForms_; }
  int Pumps() const { return pumps_; }
  // A user action ran (the test's User counts its actions here).
  void CountEvent() { ++events_; }
  Pointer ScreenPointer() const { return screenPointer_; }
  Form* ActiveForm() const { return active_; }
  // Whether a modal form keeps this form from taking input.
  bool IsBlocked(const Form& form) const;
  bool ProgramEnded() const { return ended_; }
  // The user clicks another window of the program: it becomes the active one.
  void ActivateByUser(Form& form) { Activate(&form); }
  // Expected boxes and inputs, modal scripts and popups not used yet.
  std::vector<std::string> Unused() const;

  std::function<void(const std::string&)> onFailure;
  const std::vector<std::string>& Failures() const { return failures_; }
  void Fail(const std::string& what);

  // --- Backend ----------------------------------------------------------------------------
  void Attach(Context& ctx) override { ctx_ = &ctx; }
  void FormLoaded(Form& form) override {}
  void ControlAdded(Control& control) override {}
  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void FormUnloaded(Form& form) override;
  void RunModal(Form& form) override;
  void DoEvents() override;
  // Grows with every pumped action, timer tick, user action, activation, box, pop-up and
  // modal form; an empty pump leaves it.
  std::uint64_t EventCount() const override { return events_; }
  MenuItem* PopupMenu(Form& form, MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor) override;
  void StartTimer(Timer& timer) override;
  void StopTimer(Timer& timer) override;
  void SetScreenPointer(Pointer pointer) override { screenPointer_ = pointer; }
  Rect WorkArea() override;
  Size NonClientSize(const Form& form) override;
  void EndProgram() override;
  MsgAnswer Show(const MessageBoxSpec& box) override;
  std::string InputBox(const InputBoxSpec& box) override;

 private:
  struct ModalScript {
    std::function<bool(Form&)> matches;
    std::function<void(Form&)> script;
  };
  struct ModalSession {
    Form* form;
    std::vector<Form*> blocked;
    bool open = true;
  };
  struct PopupChoice {
    std::string menu;
    std::string choose;
    int index;
  };
  struct TimerState {
    Timer* timer;
    std::int64_t due;
    std::uint64_t order;
  };

  void Activate(Form* form);
  void ActivateTopmost();
  // After the active form hid: its owner, else the form it came from, else the topmost.
  void ActivateAfter(const Form& hidden);
  // The shown form that takes input, by a pointer that may be stale (compared only).
  Form* ShownTakingInput(const Form* form) const;
  void CloseSession(Form& form);
  void RunDueTimers();
  TimerState* NextDue(std::int64_t until);

  platform::fake::FakeClock& clock_;
  Context* ctx_ = nullptr;
  std::deque<ExpectedMessage> expectedMessages_;
  std::deque<ExpectedInput> expectedInputs_;
  std::deque<ModalScript> modalScripts_;
  std::deque<PopupChoice> popupChoices_;
  std::multimap<int, std::function<void()>> pumpActions_;
  std::vector<MessageBoxSpec> messages_;
  std::vector<InputBoxSpec> inputs_;
  std::vector<ShownPopup> popups_;
  std::vector<std::string> modalForms_;
  std::vector<std::string> failures_;
  std::vector<Form*> shown_;               // z-order, the top last
  std::map<const Form*, Form*> cameFrom_;  // a shown form, and the form active as it appeared
  std::vector<ModalSession> sessions_;
  std::vector<TimerState> timers_;
  std::uint64_t timerOrder_ = 0;
  Form* active_ = nullptr;
  int pumps_ = 0;
  std::uint64_t events_ = 0;
  Pointer screenPointer_ = Pointer::kDefault;
  bool ended_ = false;
};

}  // namespace ui::headless
