#include "ui/win32/win32_backend.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/access_key_target.h"
#include "ui/form.h"
#include "ui/option_button.h"
#include "ui/tab_control.h"
#include "ui/tab_order.h"
#include "ui/timer.h"
#include "ui/win32/input_mapping.h"
#include "ui/win32/peer_factory.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/win32_input_box.h"
#include "ui/win32/win32_tab_control_peer.h"

namespace ui::win32 {

namespace {

// DoEvents handles at most this many messages, so a flood of posted messages cannot keep it.
constexpr int kMaxPumpedMessages = 10000;

// Between the items of a long operation the messages are pumped at most this often. A pump
// that finds nothing still makes two round trips to the window system under Wine, as many
// as a drawing's own file checks.
constexpr ULONGLONG kItemPumpMilliseconds = 10;

// A long operation's progress text changes at most this often. Each change costs a caption
// change and a repaint of its label, a few system calls under Wine, and a build meets up to a
// hundred of them within a second or less.
constexpr ULONGLONG kItemProgressMilliseconds = 100;

// Inside a system loop of this thread (a window being moved or sized by the user, a menu being
// tracked) the loop reads the mouse and the keys itself. A Resize handler that lets pending
// messages run must then leave them to it: it would otherwise take the button's release or the
// Enter that ends the loop, and the window would go on following the mouse. Only paints,
// posted and sent messages run then.
UINT PumpFilter() {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  if (!GetGUIThreadInfo(GetCurrentThreadId(), &thread)) return 0;
  if ((thread.flags & (GUI_INMOVESIZE | GUI_INMENUMODE)) == 0) return 0;
  return PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
}

bool IsOurTopLevel(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpA(name, kFormClass) == 0 || lstrcmpA(name, kDialogClass) == 0;
}

// The top-level window a message is for; nullptr for a message to the thread.
HWND RootOf(const MSG& message) {
  return message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
}

// The control whose window is this one or holds it (a combo box's edit); nullptr when none
// below the form's window does.
Control* ControlOfWindow(HWND window, HWND root) {
  for (; window != nullptr && window != root; window = GetParent(window)) {
    if (Win32ControlPeer* peer = Win32ControlPeer::Of(window)) return &peer->GetControl();
  }
  return nullptr;
}

// Gives a control's window the focus, with its whole text selected as Tab selects it.
bool FocusWindowOf(Control& control) {
  Win32ControlPeer* peer = Win32Backend::PeerOf(control);
  if (peer == nullptr || peer->Hwnd() == nullptr) return false;
  SetFocus(peer->Hwnd());
  if ((SendMessageA(peer->Hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
    SendMessageA(peer->Hwnd(), EM_SETSEL, 0, -1);
  }
  return true;
}

}  // namespace

struct Win32Backend::ModalSession {
  const Form* form;
  std::vector<const Form*> blocked;
  bool open = true;
};

Win32Backend::Win32Backend() : scale_(PixelScale::OfScreen()), gdi_(scale_.Dpi()) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClasses();
  helper_ = CreateHandledWindow(0, kHelperClass, "", 0, RECT{0, 0, 0, 0}, HWND_MESSAGE, nullptr, this);
}

Win32Backend::~Win32Backend() {
  for (auto& [id, timer] : timers_) KillTimer(helper_, id);
  if (helper_ != nullptr) {
    Unhook(helper_, true);
    DestroyWindow(helper_);
  }
}

void Win32Backend::Attach(Context& ctx) {
  ctx_ = &ctx;
}

void Win32Backend::Run() {
  try {
    Loop([this] { return ending_ || forms_.empty(); });
  } catch (const ProgramEnd&) {
    ending_ = true;
  }
}

// --- forms and controls ---------------------------------------------------------------------

void Win32Backend::FormLoaded(Form& form) {
  form.AttachPeer(std::make_unique<Win32FormPeer>(*this, form));
  std::vector<Container*> containers{&form};
  for (Control* control : form.AllControls()) {
    CreateControlPeer(*control);
    Container* container = &control->ParentContainer();
    if (std::find(containers.begin(), containers.end(), container) == containers.end()) containers.push_back(container);
  }
  for (Container* container : containers) ArrangeTabOrder(*container);
  Settle();
}

void Win32Backend::ControlAdded(Control& control) {
  CreateControlPeer(control);
  ArrangeTabOrder(control.ParentContainer());
  Settle();
}

void Win32Backend::CreateControlPeer(Control& control) {
  std::unique_ptr<ControlPeer> peer = MakePeer(*this, control);
  if (peer == nullptr) return;
  auto* windowPeer = dynamic_cast<Win32ControlPeer*>(peer.get());
  control.AttachPeer(std::move(peer));
  if (windowPeer != nullptr) windowPeer->Realise();
}

void Win32Backend::FormShown(Form& form) {
  ForgetShown(form);
  shownOrder_.push_back(&form);
  if (Win32FormPeer* peer = FormPeerOf(form)) peer->Activate();
  Settle();
}

// A form being hidden stops being the active one without a Deactivate; the form activated
// next only gets its Activate.
void Win32Backend::FormHiding(const Form& form) {
  if (activeForm_ == &form) activeForm_ = nullptr;
  Win32FormPeer* peer = FormPeerOf(form);
  if (peer != nullptr && peer->Hwnd() != nullptr && GetActiveWindow() == peer->Hwnd()) hidingActive_ = &form;
  CloseSessionsOf(form);
}

void Win32Backend::FormHidden(Form& form) {
  CloseSessionsOf(form);
  ForgetShown(form);
  ReturnActivation(form, std::exchange(hidingActive_, nullptr) == &form);
  Settle();
}

void Win32Backend::ReturnActivation(const Form& hidden, bool hadActivation) {
  if (!hadActivation && FormPeerOf(GetActiveWindow()) != nullptr) return;
  auto from = cameFrom_.find(&hidden);
  const Form* candidates[] = {hidden.Owner(), from != cameFrom_.end() ? from->second : nullptr};
  for (const Form* candidate : candidates) {
    Win32FormPeer* peer = LoadedPeer(candidate);
    if (peer == nullptr || &peer->GetForm() == &hidden || peer->Hwnd() == nullptr || !IsWindowVisible(peer->Hwnd()) ||
        !peer->TakesInput()) {
      continue;
    }
    peer->Activate();
    return;
  }
  ActivateLastShown();
}

Win32FormPeer* Win32Backend::LoadedPeer(const Form* form) const {
  for (Win32FormPeer* peer : forms_) {
    if (&peer->GetForm() == form) return peer;
  }
  return nullptr;
}

void Win32Backend::FormUnloaded(Form& form) {
  CloseSessionsOf(form);
  ForgetShown(form);
  std::erase_if(cameFrom_, [&form](const auto& entry) { return entry.first == &form || entry.second == &form; });
  if (hidingActive_ == &form) hidingActive_ = nullptr;
  if (activeForm_ == &form) activeForm_ = nullptr;
  if (Win32FormPeer* peer = FormPeerOf(form)) peer->Destroy();
  if (FormPeerOf(GetActiveWindow()) == nullptr) ActivateLastShown();
  Settle();
}

void Win32Backend::FormActivated(Form& form) {
  if (activeForm_ == &form) return;
  const Form* previous = activeForm_;
  activeForm_ = &form;
  for (Win32FormPeer* peer : forms_) {
    Form& other = peer->GetForm();
    if (&other == previous) Deliver([&other] { other.Deactivated(); });
  }
  if (activeForm_ == &form) Deliver([&form] { form.Activated(); });
}

void Win32Backend::ForgetShown(const Form& form) {
  std::erase(shownOrder_, &form);
}

void Win32Backend::ActivateLastShown() {
  for (auto shown = shownOrder_.rbegin(); shown != shownOrder_.rend(); ++shown) {
    Win32FormPeer* peer = FormPeerOf(**shown);
    if (peer == nullptr || peer->Hwnd() == nullptr || !IsWindowVisible(peer->Hwnd()) || !peer->TakesInput()) continue;
    peer->Activate();
    return;
  }
}

HWND Win32Backend::ActiveFormWindow() const {
  HWND active = GetActiveWindow();
  if (FormPeerOf(active) != nullptr) return active;
  for (auto shown = shownOrder_.rbegin(); shown != shownOrder_.rend(); ++shown) {
    Win32FormPeer* peer = FormPeerOf(**shown);
    if (peer != nullptr && peer->Hwnd() != nullptr && IsWindowVisible(peer->Hwnd())) return peer->Hwnd();
  }
  return nullptr;
}

Win32FormPeer* Win32Backend::FormPeerOf(const Form& form) const {
  return dynamic_cast<Win32FormPeer*>(form.Peer());
}

Win32FormPeer* Win32Backend::FormPeerOf(HWND window) const {
  if (window == nullptr) return nullptr;
  for (Win32FormPeer* peer : forms_) {
    if (peer->Hwnd() == window) return peer;
  }
  return nullptr;
}

Win32ControlPeer* Win32Backend::PeerOf(const Control& control) {
  return dynamic_cast<Win32ControlPeer*>(control.Peer());
}

Site Win32Backend::SiteOf(Container& container) {
  if (Control* control = container.AsControl()) {
    Win32ControlPeer* peer = PeerOf(*control);
    return Site{peer != nullptr ? peer->ChildParent() : nullptr, POINT{0, 0}};
  }
  if (auto* page = dynamic_cast<TabPage*>(&container)) {
    auto* tabs = dynamic_cast<Win32TabControlPeer*>(PeerOf(page->Tabs()));
    return tabs != nullptr ? tabs->PageSite(page->TabIndex()) : Site{};
  }
  Win32FormPeer* form = FormPeerOf(container.ParentForm());
  return Site{form != nullptr ? form->Hwnd() : nullptr, POINT{0, 0}};
}

void Win32Backend::ArrangeTabOrder(Container& container) {
  std::vector<Control*> controls;
  for (Control* control : container.Controls()) {
    Win32ControlPeer* peer = PeerOf(*control);
    if (peer != nullptr && peer->Hwnd() != nullptr) controls.push_back(control);
  }
  std::stable_sort(controls.begin(), controls.end(),
                   [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  HWND after = HWND_TOP;
  bool previousOption = false;
  for (Control* control : controls) {
    Win32ControlPeer* peer = PeerOf(*control);
    HWND window = peer->Hwnd();
    // A tab control's pages lie just above it.
    if (auto* tabs = dynamic_cast<Win32TabControlPeer*>(peer)) {
      for (HWND page : tabs->PageWindows()) {
        SetWindowPos(page, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        after = page;
      }
    }
    bool option = dynamic_cast<OptionButton*>(control) != nullptr;
    LONG style = GetWindowLongA(window, GWL_STYLE) & ~WS_GROUP;
    if (!(option && previousOption)) style |= WS_GROUP;
    SetWindowLongA(window, GWL_STYLE, style);
    previousOption = option;
    SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    after = window;
  }
}

void Win32Backend::ReleaseOwnedWindows(HWND owner) {
  for (Win32FormPeer* peer : forms_) {
    HWND window = peer->Hwnd();
    if (window != nullptr && window != owner && GetWindow(window, GW_OWNER) == owner) {
      SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
    }
  }
}

void Win32Backend::AddFormPeer(Win32FormPeer* peer) {
  forms_.push_back(peer);
}

void Win32Backend::RemoveFormPeer(Win32FormPeer* peer) {
  std::erase(forms_, peer);
}

// --- input and loops --------------------------------------------------------------------------

void Win32Backend::Deliver(const std::function<void()>& action) {
  if (ending_ || ctx_ == nullptr) return;
  if (!InsideWindowProc()) {
    ctx_->UserAction(action);
    return;
  }
  try {
    ctx_->UserAction(action);
  } catch (...) {
    KeepCurrentException();
  }
}

void Win32Backend::Settle() {
  RethrowKeptException();
}

void Win32Backend::Loop(const std::function<bool()>& done) {
  MSG message;
  while (!done()) {
    ShowHeldBackForms(false);
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Pump(message);
    Settle();
    if (ctx_ != nullptr) ctx_->CollectRetired();
  }
}

void Win32Backend::Pump(MSG& message) {
  if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && PressShortcut(message)) return;
  if (message.message == WM_SYSCHAR && OpenMenuOfAccessKey(message)) return;
  if ((message.message == WM_SYSCHAR || message.message == WM_CHAR) && MoveFocusBySharedAccessKey(message)) return;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && MoveFocusByTab(message)) return;
  HWND root = RootOf(message);
  if (root != nullptr && IsOurTopLevel(root) && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

bool Win32Backend::PressShortcut(const MSG& message) {
  HWND root = RootOf(message);
  Win32FormPeer* peer = FormPeerOf(root);
  if (peer == nullptr || !IsWindowEnabled(root)) return false;
  std::optional<Shortcut> shortcut = ShortcutOf(static_cast<int>(message.wParam), GetKeyState(VK_CONTROL) < 0,
                                                GetKeyState(VK_MENU) < 0, GetKeyState(VK_SHIFT) < 0);
  if (!shortcut) return false;
  bool ran = false;
  Form& form = peer->GetForm();
  Deliver([&form, &ran, &shortcut] { ran = form.PressShortcut(*shortcut); });
  return ran;
}

// Alt and a menu title's letter open that menu, even where a control marks the same letter:
// the dialog manager would press the control instead.
bool Win32Backend::OpenMenuOfAccessKey(const MSG& message) {
  HWND root = RootOf(message);
  Win32FormPeer* peer = FormPeerOf(root);
  if (peer == nullptr || !IsWindowEnabled(root) || GetMenu(root) == nullptr) return false;
  if (peer->GetForm().MenuOfAccessKey(static_cast<char>(message.wParam)) == nullptr) return false;
  SendMessageA(root, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(message.wParam));
  return true;
}

// Tab follows the forms' own tab order (the one the headless back end follows too), not the
// windows' z-order, which also decides what covers what.
bool Win32Backend::MoveFocusByTab(const MSG& message) {
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND root = RootOf(message);
  if (FormPeerOf(root) == nullptr) return false;
  HWND focus = GetFocus();
  if (focus == nullptr || (SendMessageA(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) &
                           (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) {
    return false;
  }
  Control* focused = ControlOfWindow(focus, root);
  if (focused == nullptr) return false;
  return FocusWindowOf(NextTabStop(*focused, GetKeyState(VK_SHIFT) < 0));
}

// An access key several controls mark moves the focus to the next of them and presses none
// (ui::FindAccessKeyTarget); the dialog manager would press the first it meets. It takes
// Alt and the letter, and the letter alone where the window with the focus takes no
// characters. A key one control marks goes on to the dialog manager, which presses it.
bool Win32Backend::MoveFocusBySharedAccessKey(const MSG& message) {
  HWND root = RootOf(message);
  Win32FormPeer* peer = FormPeerOf(root);
  if (peer == nullptr || !IsWindowEnabled(root)) return false;
  if (message.message == WM_CHAR &&
      (SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) &
       (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) != 0) {
    return false;
  }
  const Control* focused = ControlOfWindow(GetFocus(), root);
  AccessKeyTarget target = FindAccessKeyTarget(peer->GetForm(), static_cast<char>(message.wParam), focused);
  if (target.focus == nullptr) return false;
  FocusWindowOf(*target.focus);
  return true;
}

void Win32Backend::FormShowing(const Form& form) {
  Win32FormPeer* active = FormPeerOf(GetActiveWindow());
  if (active != nullptr && &active->GetForm() != &form) cameFrom_[&form] = &active->GetForm();
  if (!form.IsModal() || pendingBlocks_.contains(&form)) return;
  pendingBlocks_[&form] = BlockVisibleForms(&form);
}

void Win32Backend::RunModal(Form& form) {
  std::vector<const Form*> blocked;
  if (auto pending = pendingBlocks_.find(&form); pending != pendingBlocks_.end()) {
    blocked = std::move(pending->second);
    pendingBlocks_.erase(pending);
  } else {
    blocked = BlockVisibleForms(&form);
  }
  ModalSession session{&form, std::move(blocked)};
  sessions_.push_back(&session);
  struct Close {
    Win32Backend& backend;
    ModalSession& session;
    ~Close() { backend.CloseSession(session); }
  } close{*this, session};
  Loop([&session] { return !session.open; });
}

std::vector<const Form*> Win32Backend::BlockVisibleForms(const Form* except) {
  std::vector<const Form*> blocked;
  for (Win32FormPeer* peer : forms_) {
    if (&peer->GetForm() == except || peer->Hwnd() == nullptr || !IsWindowVisible(peer->Hwnd())) continue;
    peer->Block();
    blocked.push_back(&peer->GetForm());
  }
  return blocked;
}

void Win32Backend::Unblock(const std::vector<const Form*>& blocked) {
  for (const Form* form : blocked) {
    for (Win32FormPeer* peer : forms_) {
      if (&peer->GetForm() == form) peer->Unblock();
    }
  }
}

void Win32Backend::CloseSession(ModalSession& session) {
  std::erase(sessions_, &session);
  if (!session.open) return;
  session.open = false;
  Unblock(session.blocked);
}

void Win32Backend::CloseSessionsOf(const Form& form) {
  WakeLoop();
  if (auto pending = pendingBlocks_.find(&form); pending != pendingBlocks_.end()) {
    std::vector<const Form*> blocked = std::move(pending->second);
    pendingBlocks_.erase(pending);
    Unblock(blocked);
  }
  std::vector<ModalSession*> sessions = sessions_;
  for (ModalSession* session : sessions) {
    if (session->form == &form && session->open) {
      session->open = false;
      Unblock(session->blocked);
    }
  }
}

// A loop waiting in GetMessage checks whether it is done only when a message arrives; a change
// made by a message sent from another process arrives as none.
void Win32Backend::WakeLoop() {
  PostMessageA(helper_, WM_NULL, 0, 0);
}

// Forms whose showing the appear delay held back: those due, or all of them when the program
// is about to wait for input (an operation that ended without hiding its window).
void Win32Backend::ShowHeldBackForms(bool dueOnly) {
  std::vector<Win32FormPeer*> forms = forms_;
  for (Win32FormPeer* peer : forms) {
    // An earlier form's Activate may have unloaded this one.
    if (std::find(forms_.begin(), forms_.end(), peer) == forms_.end()) continue;
    if (peer->AppearWhenDue(dueOnly)) Settle();
  }
}

void Win32Backend::DoEvents() {
  ShowHeldBackForms(true);
  MSG message;
  const UINT filter = PumpFilter();
  for (int i = 0; i < kMaxPumpedMessages && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | filter); ++i) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Pump(message);
    Settle();
  }
}

void Win32Backend::DoEventsBetweenItems() {
  if (GetTickCount64() - lastItemPump_ < kItemPumpMilliseconds) return;
  DoEvents();
  lastItemPump_ = GetTickCount64();
}

bool Win32Backend::ItemProgressDue() {
  const ULONGLONG now = GetTickCount64();
  if (now - lastItemProgress_ < kItemProgressMilliseconds) return false;
  lastItemProgress_ = now;
  return true;
}

std::uint64_t Win32Backend::EventCount() const {
  return MessagesHandled();
}

namespace {

// The screen point a pop-up opens at: the mouse, or the lower left of the anchor's list item
// (the list's own top left when the item is not in it).
POINT PopupPoint(const PopupAnchor* anchor, HWND list) {
  POINT at{};
  if (anchor == nullptr || list == nullptr) {
    GetCursorPos(&at);
    return at;
  }
  RECT item{};
  if (anchor->item >= 0 && SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(anchor->item),
                                        reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    at = {item.left, item.bottom};
  }
  ClientToScreen(list, &at);
  return at;
}

}  // namespace

MenuItem* Win32Backend::PopupMenu(Form& form, MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor) {
  Win32FormPeer* peer = FormPeerOf(form);
  if (peer == nullptr || peer->Hwnd() == nullptr) return nullptr;
  HWND window = peer->Hwnd();
  Win32ControlPeer* listPeer = anchor != nullptr ? PeerOf(*anchor->control) : nullptr;
  POINT at = PopupPoint(anchor, listPeer != nullptr ? listPeer->Hwnd() : nullptr);
  HMENU root = peer->Menus().OpenPopup(menu, defaultItem);
  SetForegroundWindow(window);
  auto id = static_cast<UINT>(TrackPopupMenu(root, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x,
                                             at.y, 0, window, nullptr));
  PostMessageA(window, WM_NULL, 0, 0);
  peer = FormPeerOf(form);
  if (peer != nullptr) {
    peer->Menus().ClosePopup(root);
  } else {
    Win32MenuBar::DiscardPopup(root);
  }
  Settle();
  return peer != nullptr && id != 0 ? peer->Menus().ItemOf(id) : nullptr;
}

// --- timers, pointer, screen --------------------------------------------------------------------

void Win32Backend::StartTimer(Timer& timer) {
  StopTimer(timer);
  UINT_PTR id = nextTimerId_++;
  timers_[id] = &timer;
  SetTimer(helper_, id, static_cast<UINT>(std::max(1, timer.Interval())), nullptr);
}

void Win32Backend::StopTimer(Timer& timer) {
  for (auto entry = timers_.begin(); entry != timers_.end(); ++entry) {
    if (entry->second != &timer) continue;
    KillTimer(helper_, entry->first);
    timers_.erase(entry);
    return;
  }
}

LRESULT Win32Backend::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return DefWindowProcA(window, message, wParam, lParam);
  auto found = timers_.find(wParam);
  if (found == timers_.end() || found->second == ticking_) return 0;
  Timer* timer = found->second;
  ticking_ = timer;
  Deliver([timer] { timer->Tick(); });
  ticking_ = nullptr;
  return 0;
}

void Win32Backend::SetScreenPointer(Pointer pointer) {
  screenPointer_ = pointer;
  if (LPCSTR id = CursorId(pointer)) {
    SetCursor(LoadCursorA(nullptr, id));
    return;
  }
  POINT at;
  GetCursorPos(&at);
  SetCursorPos(at.x, at.y);  // the window under the pointer sets its own cursor again
}

Rect Win32Backend::WorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return Rect{scale_.ToTwips(area.left), scale_.ToTwips(area.top), scale_.ToTwips(area.right - area.left),
              scale_.ToTwips(area.bottom - area.top)};
}

// Every monitor counts, not only the one with the task bar.
bool Win32Backend::OnAnyScreen(const Rect& bounds) {
  RECT pixels{scale_.ToPixels(bounds.left), scale_.ToPixels(bounds.top), scale_.ToPixels(bounds.left + bounds.width),
              scale_.ToPixels(bounds.top + bounds.height)};
  return MonitorFromRect(&pixels, MONITOR_DEFAULTTONULL) != nullptr;
}

Size Win32Backend::NonClientSize(const Form& form) {
  Win32FormPeer* peer = FormPeerOf(form);
  SIZE frame = peer != nullptr ? peer->FrameSize() : Win32FormPeer::FrameSizeOf(form);
  return Size{scale_.ToTwips(frame.cx), scale_.ToTwips(frame.cy)};
}

void Win32Backend::EndProgram() {
  ending_ = true;
  for (auto& [id, timer] : timers_) KillTimer(helper_, id);
  timers_.clear();
  std::vector<Win32FormPeer*> forms = forms_;
  for (Win32FormPeer* peer : forms) peer->Destroy();
}

// --- message box and input box ---------------------------------------------------------------

MsgAnswer Win32Backend::Show(const MessageBoxSpec& box) {
  HWND owner = ActiveFormWindow();
  std::vector<const Form*> blocked = BlockVisibleForms(nullptr);
  std::string title = box.title.empty() && ctx_ != nullptr ? ctx_->App().title : box.title;
  int answer = MessageBoxA(owner, box.text.c_str(), title.c_str(), MessageBoxFlags(box));
  Unblock(blocked);
  if (owner != nullptr && IsWindow(owner)) SetActiveWindow(owner);
  Settle();
  return AnswerOf(answer);
}

std::string Win32Backend::InputBox(const InputBoxSpec& box) {
  HWND owner = ActiveFormWindow();
  std::vector<const Form*> blocked = BlockVisibleForms(nullptr);
  InputBoxSpec shown = box;
  if (shown.title.empty() && ctx_ != nullptr) shown.title = ctx_->App().title;
  std::string result;
  {
    Win32InputBox dialog(*this, shown, owner);
    struct Restore {
      Win32Backend& backend;
      std::vector<const Form*>& blocked;
      ~Restore() { backend.Unblock(blocked); }
    } restore{*this, blocked};
    Loop([&dialog] { return dialog.Done(); });
    result = dialog.Result();
  }
  if (owner != nullptr && IsWindow(owner)) SetActiveWindow(owner);
  Settle();
  return result;
}

}  // namespace ui::win32
