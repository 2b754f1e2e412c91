#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <utility>

#include "ui/context.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/timer.h"

namespace ui::headless {

namespace {

// A screen of 1920 x 1040 pixels at 96 DPI (a 1080-line screen less its task bar).
constexpr Rect kWorkArea{0, 0, 28800, 15600};
constexpr int kTwipsPerPixel = 15;

std::string Describe(const std::string& title, const std::string& text) {
  return "\"" + title + "\" / \"" + text + "\"";
}

// The item of a pop-up menu the user picks, and whether the user can reach it.
MenuItem* FindItem(MenuItem& menu, const std::string& name, int index) {
  for (MenuItem* item : menu.Items()) {
    if (item->Name() == name && (index < 0 || item->Index() == index)) return item;
    if (MenuItem* found = FindItem(*item, name, index)) return found;
  }
  return nullptr;
}

bool Reachable(const MenuItem& item, const MenuItem& menu) {
  for (const MenuItem* at = &item; at != nullptr && at != &menu; at = at->ParentItem()) {
    if (!at->Visible() || !at->Enabled()) return false;
  }
  return true;
}

}  // namespace

HeadlessBackend::HeadlessBackend(platform::fake::FakeClock& clock) : clock_(clock) {}

HeadlessBackend::~HeadlessBackend() = default;

ExpectedMessage& HeadlessBackend::ExpectMessage(std::string title, std::string text) {
  return expectedMessages_.emplace_back(std::move(title), std::move(text));
}

ExpectedInput& HeadlessBackend::ExpectInput(std::string title, std::string prompt) {
  return expectedInputs_.emplace_back(std::move(title), std::move(prompt));
}

void HeadlessBackend::OnModal(std::function<bool(Form&)> matches, std::function<void(Form&)> script) {
  modalScripts_.push_back({std::move(matches), std::move(script)});
}

void HeadlessBackend::ExpectPopup(std::string menu, std::string choose, int index) {
  popupChoices_.push_back({std::move(menu), std::move(choose), index});
}

void HeadlessBackend::AtPump(int n, std::function<void()> action) {
  pumpActions_.emplace(pumps_ + std::max(1, n), std::move(action));
}

void HeadlessBackend::AdvanceTime(std::int64_t milliseconds) {
  std::int64_t target = clock_.TickMilliseconds() + std::max<std::int64_t>(0, milliseconds);
  while (TimerState* next = NextDue(target)) {
    clock_.Advance(next->due - clock_.TickMilliseconds());
    Timer* timer = next->timer;
    next->due = clock_.TickMilliseconds() + timer->Interval();
    ++events_;
    ctx_->UserAction([timer] { timer->Tick(); });
    if (ended_) return;
  }
  clock_.Advance(target - clock_.TickMilliseconds());
}

void HeadlessBackend::RunDueTimers() {
  std::int64_t now = clock_.TickMilliseconds();
  while (TimerState* next = NextDue(now)) {
    Timer* timer = next->timer;
    next->due = now + timer->Interval();
    ++events_;
    ctx_->UserAction([timer] { timer->Tick(); });
    if (ended_) return;
  }
}

HeadlessBackend::TimerState* HeadlessBackend::NextDue(std::int64_t until) {
  TimerState* next = nullptr;
  for (TimerState& state : timers_) {
    if (state.due > until) continue;
    if (next == nullptr || state.due < next->due || (state.due == next->due && state.order < next->order)) {
      next = &state;
    }
  }
  return next;
}

bool HeadlessBackend::IsBlocked(const Form& form) const {
  for (const ModalSession& session : sessions_) {
    if (!session.open) continue;
    if (std::find(session.blocked.begin(), session.blocked.end(), &form) != session.blocked.end()) return true;
  }
  return false;
}

std::vector<std::string> HeadlessBackend::Unused() const {
  std::vector<std::string> unused;
  for (const ExpectedMessage& message : expectedMessages_) {
    unused.push_back("message box " + Describe(message.title_, message.text_) + " was never shown");
  }
  for (const ExpectedInput& input : expectedInputs_) {
    unused.push_back("input box " + Describe(input.title_, input.prompt_) + " was never shown");
  }
  if (!modalScripts_.empty()) unused.push_back(std::to_string(modalScripts_.size()) + " modal script(s) never ran");
  for (const PopupChoice& popup : popupChoices_) unused.push_back("pop-up menu " + popup.menu + " was never shown");
  for (const auto& [pump, action] : pumpActions_) {
    unused.push_back("the action for DoEvents call " + std::to_string(pump) + " never ran");
  }
  return unused;
}

void HeadlessBackend::Fail(const std::string& what) {
  failures_.push_back(what);
  if (onFailure) onFailure(what);
}

void HeadlessBackend::FormShown(Form& form) {
  bool appears = std::erase(shown_, &form) == 0;
  if (appears && active_ != nullptr && active_ != &form) cameFrom_[&form] = active_;
  shown_.push_back(&form);
  Activate(&form);
}

void HeadlessBackend::FormHidden(Form& form) {
  std::erase(shown_, &form);
  CloseSession(form);
  if (active_ != &form) return;
  active_ = nullptr;
  ActivateAfter(form);
}

void HeadlessBackend::ActivateAfter(const Form& hidden) {
  auto from = cameFrom_.find(&hidden);
  const Form* candidates[] = {hidden.Owner(), from != cameFrom_.end() ? from->second : nullptr};
  for (const Form* candidate : candidates) {
    if (Form* form = ShownTakingInput(candidate)) {
      Activate(form);
      return;
    }
  }
  ActivateTopmost();
}

Form* HeadlessBackend::ShownTakingInput(const Form* form) const {
  for (Form* shown : shown_) {
    if (shown == form && !IsBlocked(*shown) && shown->Enabled()) return shown;
  }
  return nullptr;
}

void HeadlessBackend::FormUnloaded(Form& form) {
  std::erase(shown_, &form);
  std::erase_if(cameFrom_, [&form](const auto& entry) { return entry.first == &form || entry.second == &form; });
  CloseSession(form);
  for (ModalSession& session : sessions_) std::erase(session.blocked, &form);
  if (active_ == &form) active_ = nullptr;
}

void HeadlessBackend::CloseSession(Form& form) {
  for (ModalSession& session : sessions_) {
    if (session.form == &form) session.open = false;
  }
}

void HeadlessBackend::Activate(Form* form) {
  if (active_ == form || ended_) return;
  Form* previous = active_;
  active_ = form;
  ++events_;
  if (previous != nullptr) ctx_->UserAction([previous] { previous->Deactivated(); });
  if (form != nullptr && active_ == form) ctx_->UserAction([form] { form->Activated(); });
}

void HeadlessBackend::ActivateTopmost() {
  for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
    if (!IsBlocked(**it) && (*it)->Enabled()) {
      Activate(*it);
      return;
    }
  }
}

void HeadlessBackend::RunModal(Form& form) {
  ++events_;
  modalForms_.push_back(form.Name());
  ModalSession session{&form, {}, true};
  for (Form* other : shown_) {
    if (other != &form) session.blocked.push_back(other);
  }
  sessions_.push_back(std::move(session));
  std::size_t depth = sessions_.size();
  struct Pop {
    std::vector<ModalSession>& sessions;
    std::size_t depth;
    ~Pop() { sessions.resize(depth - 1); }
  } pop{sessions_, depth};

  auto script = std::find_if(modalScripts_.begin(), modalScripts_.end(),
                             [&form](const ModalScript& candidate) { return candidate.matches(form); });
  bool hasScript = script != modalScripts_.end();
  if (!hasScript) {
    Fail("modal form " + form.Name() + " was shown without a script");
  } else {
    auto run = std::move(script->script);
    modalScripts_.erase(script);
    run(form);
  }
  if (sessions_[depth - 1].open) {
    if (hasScript) Fail("modal form " + form.Name() + " is still open after its script");
    form.Hide();
  }
}

void HeadlessBackend::DoEvents() {
  ++pumps_;
  while (!pumpActions_.empty() && pumpActions_.begin()->first <= pumps_) {
    auto action = std::move(pumpActions_.begin()->second);
    pumpActions_.erase(pumpActions_.begin());
    ++events_;
    action();
  }
  RunDueTimers();
}

MenuItem* HeadlessBackend::PopupMenu(Form& form, MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor) {
  ++events_;
  std::string at = anchor != nullptr ? anchor->control->Name() + ":" + std::to_string(anchor->item) : "";
  popups_.push_back({form.Name(), menu.Name(), defaultItem != nullptr ? defaultItem->Name() : "", std::move(at)});
  if (popupChoices_.empty()) {
    Fail("pop-up menu " + menu.Name() + " was shown unexpectedly");
    return nullptr;
  }
  PopupChoice choice = std::move(popupChoices_.front());
  popupChoices_.pop_front();
  if (choice.menu != menu.Name()) {
    Fail("pop-up menu " + menu.Name() + " was shown where " + choice.menu + " was expected");
    return nullptr;
  }
  if (choice.choose.empty()) return nullptr;
  MenuItem* item = FindItem(menu, choice.choose, choice.index);
  if (item == nullptr) {
    Fail("pop-up menu " + menu.Name() + " has no item " + choice.choose);
    return nullptr;
  }
  if (!Reachable(*item, menu)) {
    Fail("pop-up menu item " + choice.choose + " is hidden or disabled");
    return nullptr;
  }
  return item;
}

void HeadlessBackend::StartTimer(Timer& timer) {
  StopTimer(timer);
  timers_.push_back({&timer, clock_.TickMilliseconds() + timer.Interval(), timerOrder_++});
}

void HeadlessBackend::StopTimer(Timer& timer) {
  std::erase_if(timers_, [&timer](const TimerState& state) { return state.timer == &timer; });
}

Rect HeadlessBackend::WorkArea() {
  return kWorkArea;
}

Size HeadlessBackend::NonClientSize(const Form& form) {
  int frame = 0;
  int caption = 23;
  switch (form.BorderStyle()) {
    case BorderStyle::kNone:
      caption = 0;
      break;
    case BorderStyle::kSizable:
      frame = 8;
      break;
    case BorderStyle::kSizableToolWindow:
      frame = 8;
      caption = 17;
      break;
    case BorderStyle::kFixedToolWindow:
      frame = 3;
      caption = 17;
      break;
    case BorderStyle::kFixedSingle:
    case BorderStyle::kFixedDialog:
      frame = 3;
      break;
  }
  bool hasMenu = std::any_of(form.Menus().begin(), form.Menus().end(), [](MenuItem* item) { return item->Visible(); });
  int menu = hasMenu ? 20 : 0;
  return Size{2 * frame * kTwipsPerPixel, (2 * frame + caption + menu) * kTwipsPerPixel};
}

void HeadlessBackend::EndProgram() {
  ended_ = true;
  shown_.clear();
  for (ModalSession& session : sessions_) session.open = false;
  active_ = nullptr;
}

MsgAnswer HeadlessBackend::Show(const MessageBoxSpec& box) {
  ++events_;
  messages_.push_back(box);
  MsgAnswer fallback = ButtonAnswer(box.buttons, box.defaultButton);
  if (expectedMessages_.empty()) {
    Fail("unexpected message box " + Describe(box.title, box.text));
    return fallback;
  }
  ExpectedMessage expected = std::move(expectedMessages_.front());
  expectedMessages_.pop_front();
  if (expected.title_ != box.title || expected.text_ != box.text) {
    Fail("message box " + Describe(box.title, box.text) + " was shown where " +
         Describe(expected.title_, expected.text_) + " was expected");
    return fallback;
  }
  if (expected.buttons_ && *expected.buttons_ != box.buttons) Fail("message box " + box.title + " has other buttons");
  if (expected.icon_ && *expected.icon_ != box.icon) Fail("message box " + box.title + " has another icon");
  if (expected.defaultButton_ && *expected.defaultButton_ != box.defaultButton) {
    Fail("message box " + box.title + " has default button " + std::to_string(box.defaultButton));
  }
  if (expected.whileShown_) expected.whileShown_();
  MsgAnswer answer = expected.answer_.value_or(fallback);
  if (!Offers(box.buttons, answer)) {
    Fail("message box " + box.title + " offers no button for the scripted answer");
    return fallback;
  }
  return answer;
}

std::string HeadlessBackend::InputBox(const InputBoxSpec& box) {
  ++events_;
  inputs_.push_back(box);
  if (expectedInputs_.empty()) {
    Fail("unexpected input box " + Describe(box.title, box.prompt));
    return "";
  }
  ExpectedInput expected = std::move(expectedInputs_.front());
  expectedInputs_.pop_front();
  if (expected.title_ != box.title || expected.prompt_ != box.prompt) {
    Fail("input box " + Describe(box.title, box.prompt) + " was shown where " +
         Describe(expected.title_, expected.prompt_) + " was expected");
    return "";
  }
  if (expected.cancel_) return "";
  return expected.answer_.value_or(box.defaultText);
}

}  // namespace ui::headless
