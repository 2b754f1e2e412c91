// Drives the proof program (ui_proof.exe) from another process, as a UI automation tool
// would: it finds the windows by the name in their "TornavaneName" property (a global atom)
// and sends them real window messages. It prints what it saw on the screen, one line per
// check, and exits non-zero when a window does not appear in time.
//
//   ui_driver.exe main   the whole scenario, ending with the close box
//   ui_driver.exe end    ends the program from inside a modal dialog

#include <windows.h>

#include <string>

#include "driver_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{8000, 20};
constexpr UINT kFirstMenuId = 0x1000;  // menu ids: this plus the item's place among the form's items

template <class Condition>
void WaitFor(const std::string& what, Condition condition) {
  WaitOrFail(kPatience, what, condition);
}

HWND WaitForWindow(const std::string& name) {
  HWND found = nullptr;
  WaitFor(name, [&] { return (found = Find(name)) != nullptr && IsWindowVisible(found); });
  return found;
}

void WaitForText(const std::string& name, const std::string& text) {
  HWND window = Need(name);
  WaitFor(name + " showing \"" + text + "\"", [&] { return TextOf(window) == text; });
}

void Notify(HWND control, WORD code) {
  SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

// A message box of the proof: the system's dialog class with the title.
HWND WaitForMessageBox(const char* title) {
  HWND box = nullptr;
  WaitFor(std::string("message box ") + title, [&] {
    box = FindWindowA("#32770", title);
    return box != nullptr && IsWindowVisible(box);
  });
  return box;
}

void CheckNames() {
  const char* names[] = {"frmProof", "lblName",     "txtName",    "lblStatus",  "txtNotes", "chkDelay",
                         "fraPage",  "optPage(0)",  "optPage(1)", "optPage(2)", "lstItems", "cmbColour",
                         "cmbSize",  "hsbZoom",     "picSplit",   "tabMain",    "drvDrive", "dirFolder",
                         "filFiles", "chkAdvanced", "vsbSpeed",   "cmdModal",   "cmdOK",    "cmdCancel"};
  std::string missing;
  for (const char* name : names) {
    if (Find(name) == nullptr) missing += std::string(" ") + name;
  }
  Report("names missing:" + (missing.empty() ? std::string(" none") : missing));
  Report(std::string("chkAdvanced shown: ") + (IsWindowVisible(Need("chkAdvanced")) ? "yes" : "no"));
  Report(std::string("dirFolder shown: ") + (IsWindowVisible(Need("dirFolder")) ? "yes" : "no"));
}

// The name of the window that has the keyboard focus in the proof's thread.
std::string FocusName(HWND form) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
  return info.hwndFocus != nullptr ? NameOf(info.hwndFocus) : "";
}

// Tab moves the focus in the tab order (leaving the multi-line box), an access key chooses
// its option button.
void UseTheKeyboard(HWND form) {
  Report("focus: " + FocusName(form));
  for (const char* next : {"txtNotes", "chkDelay"}) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    PostMessageA(info.hwndFocus, WM_KEYDOWN, VK_TAB, 0);
    WaitFor(std::string("the focus to reach ") + next, [&] { return FocusName(form) == next; });
    Report("after Tab: " + FocusName(form));
  }
  PostMessageA(Need("chkDelay"), WM_SYSCHAR, 's', 1 << 29);  // Alt+S: "&Second"
  WaitFor("optPage(1) to be chosen",
          [&] { return SendMessageA(Need("optPage(1)"), BM_GETCHECK, 0, 0) == BST_CHECKED; });
  Report("after Alt+S: " + FocusName(form));
}

// The user sizes the window, minimises it and restores it.
void ResizeByUser(HWND form) {
  SetWindowPos(form, nullptr, 0, 0, 700, 520, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(form, SW_MINIMIZE);
  ShowWindow(form, SW_RESTORE);
  RECT window;
  GetWindowRect(form, &window);
  Report("size after restore: " + std::to_string(window.right - window.left) + "x" +
         std::to_string(window.bottom - window.top));
}

void DriveControls(HWND form) {
  SendMessageA(Need("txtName"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Hello"));
  SendMessageA(Need("chkDelay"), BM_CLICK, 0, 0);
  Report("chkDelay check: " + std::to_string(SendMessageA(Need("chkDelay"), BM_GETCHECK, 0, 0)));
  SendMessageA(Need("optPage(2)"), BM_CLICK, 0, 0);
  Report("optPage checks: " + std::to_string(SendMessageA(Need("optPage(0)"), BM_GETCHECK, 0, 0)) +
         std::to_string(SendMessageA(Need("optPage(1)"), BM_GETCHECK, 0, 0)) +
         std::to_string(SendMessageA(Need("optPage(2)"), BM_GETCHECK, 0, 0)));
  HWND list = Need("lstItems");
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  Notify(list, LBN_SELCHANGE);
  HWND size = Need("cmbSize");
  SendMessageA(size, CB_SETCURSEL, 2, 0);
  Notify(size, CBN_SELCHANGE);
  HWND zoom = Need("hsbZoom");
  SendMessageA(GetParent(zoom), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(zoom));
  Report("hsbZoom position: " + std::to_string(GetScrollPos(zoom, SB_CTL)));
  // The next tab, by the arrow key (a notification's data cannot cross processes).
  SendMessageA(Need("tabMain"), WM_KEYDOWN, VK_RIGHT, 0);
  Report(std::string("after tab change chkAdvanced shown: ") + (IsWindowVisible(Need("chkAdvanced")) ? "yes" : "no") +
         ", dirFolder shown: " + (IsWindowVisible(Need("dirFolder")) ? "yes" : "no"));
}

void DriveMenus(HWND form) {
  PostMessageA(form, WM_COMMAND, MAKEWPARAM(kFirstMenuId + 1, 0), 0);  // File > Save
  HWND box = WaitForMessageBox("Proof");
  Report(std::string("frmProof enabled under the message box: ") + (IsWindowEnabled(form) ? "yes" : "no"));
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  WaitForText("lblStatus", "Saved");
  PostMessageA(Need("txtName"), WM_KEYDOWN, VK_F1, 0);  // the shortcut of Help > About
  HWND input = WaitForWindow("InputBox");
  SendMessageA(Need("InputBox.Text"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Ann"));
  SendMessageA(Need("InputBox.OK"), BM_CLICK, 0, 0);
  WaitFor("the input box to close", [&] { return !IsWindow(input) || !IsWindowVisible(input); });
  WaitForText("lblStatus", "About Ann");
}

void DriveDialog(HWND form) {
  PostMessageA(Need("cmdModal"), BM_CLICK, 0, 0);
  HWND dialog = WaitForWindow("frmDialog");
  Report(std::string("frmProof enabled under the modal dialog: ") + (IsWindowEnabled(form) ? "yes" : "no"));
  Report("frmDialog owner is frmProof: " + std::string(GetWindow(dialog, GW_OWNER) == form ? "yes" : "no"));
  SendMessageA(Need("txtAnswer"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("42"));
  SendMessageA(Need("cmdDialogOK"), BM_CLICK, 0, 0);
  WaitFor("frmProof to take input again", [&] { return IsWindowEnabled(form) && !IsWindowVisible(dialog); });
  Report("frmProof enabled after the dialog: yes");
}

// Escape presses the cancel button, whose handler fails: the error is reported in a message
// box under the program's title, and the program goes on.
void PressEscape() {
  PostMessageA(Need("txtName"), WM_KEYDOWN, VK_ESCAPE, 0);
  HWND box = WaitForMessageBox("Tornavane Proof");
  Report("error box: " + TextOf(GetDlgItem(box, 0xFFFF)));
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  WaitFor("the error box to close", [&] { return !IsWindow(box); });
}

void Main() {
  HWND form = WaitForWindow("frmProof");
  WaitForText("lblStatus", "Timer done");
  CheckNames();
  UseTheKeyboard(form);
  ResizeByUser(form);
  DriveControls(form);
  DriveMenus(form);
  PostMessageA(Need("txtName"), WM_KEYDOWN, VK_RETURN, 0);  // Enter presses the default button
  WaitForText("lblStatus", "OK pressed");
  HWND list = Need("lstItems");
  wchar_t last[64] = {};
  SendMessageW(list, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(last));
  char shown[64] = {};
  WideCharToMultiByte(CP_ACP, 0, last, -1, shown, sizeof shown, nullptr, nullptr);
  Report("lstItems count: " + std::to_string(SendMessageA(list, LB_GETCOUNT, 0, 0)) + ", last: " + shown);
  Report("txtNotes: " + TextOf(Need("txtNotes")).substr(0, 6));
  DriveDialog(form);
  PressEscape();
  PostMessageA(form, WM_CLOSE, 0, 0);
  WaitFor("frmProof to close", [&] { return !IsWindow(form); });
  Report("frmProof closed");
}

void EndInsideDialog() {
  HWND form = WaitForWindow("frmProof");
  WaitForText("lblStatus", "Timer done");
  PostMessageA(Need("cmdModal"), BM_CLICK, 0, 0);
  WaitForWindow("frmDialog");
  PostMessageA(Need("cmdEnd"), BM_CLICK, 0, 0);
  WaitFor("every window to close", [&] { return !IsWindow(form) && Find("frmDialog") == nullptr; });
  Report("every window closed");
}

}  // namespace

int main(int argc, char** argv) {
  std::string scenario = argc > 1 ? argv[1] : "main";
  if (scenario == "main") {
    Main();
  } else if (scenario == "end") {
    EndInsideDialog();
  } else {
    Fail("unknown scenario " + scenario);
  }
  return 0;
}
