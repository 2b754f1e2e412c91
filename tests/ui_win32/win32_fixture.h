// The forms and the fixture the Win32 back end's tests share: a real back end on the real
// system services, with a test form of every control kind and a small menu bar.

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_services.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/window_name.h"
#include "ui_win32/win32_input.h"

namespace ui::win32::test_support {

class FrmTest : public Form {
 public:
  FrmTest(Context& ctx, std::string name) : Form(ctx, std::move(name)) {
    SetCaption("Backend Test");
    Move(600, 600, 6000, 4500);
    txtName.Move(150, 300, 1500, 450);
    txtName.SetTabIndex(2);
    chkOn.Move(150, 900, 1500, 300);
    chkOn.SetTabIndex(0);
    cmdGo.Move(1800, 300, 1200, 375);
    cmdGo.SetTabIndex(1);
    fraGroup.Move(150, 1350, 2400, 1200);
    for (int i = 0; i < 3; ++i) optChoice.Load(i).Move(120, 240 + 300 * i, 1800, 300);
    lstItems.Move(3000, 900, 1500, 1500);
    for (const char* item : {"Alpha", "Beta", "Gamma"}) lstItems.AddItem(item);
    mnuFile.SetCaption("&File");
    mnuFileOpen.SetCaption("&Open");
    mnuFileOpen.SetShortcut(Shortcut::F(2));
    mnuFileHidden.SetCaption("&Hidden");
    mnuFileHidden.SetVisible(false);
    mnuFileOff.SetCaption("O&ff");
    mnuFileOff.SetEnabled(false);
    mnuTools.SetCaption("&Tools");
    mnuTools.SetVisible(false);
    mnuToolsRun.SetCaption("&Run");
    mnuToolsStop.SetCaption("&Stop");
    mnuToolsStop.SetEnabled(false);
    txtName.onChange = [this] { ++changes; };
    lstItems.onClick = [this] { ++listClicks; };
    mnuFile.onClick = [this] { ++fileMenuOpened; };
    mnuFileOpen.onClick = [this] { ++openClicks; };
    mnuFileOff.onClick = [this] { ++openClicks; };
    cmdGo.onClick = [this] { ++goClicks; };
  }

  TextBox txtName{this, "txtName"};
  CheckBox chkOn{this, "chkOn"};
  CommandButton cmdGo{this, "cmdGo"};
  Frame fraGroup{this, "fraGroup"};
  ControlArray<OptionButton> optChoice{&fraGroup, "optChoice"};
  ListBox lstItems{this, "lstItems"};
  Label lblInfo{this, "lblInfo"};
  MenuItem mnuFile{this, "mnuFile"};
  MenuItem mnuFileOpen{&mnuFile, "mnuFileOpen"};
  MenuItem mnuFileHidden{&mnuFile, "mnuFileHidden"};
  MenuItem mnuFileOff{&mnuFile, "mnuFileOff"};
  MenuItem mnuTools{this, "mnuTools"};
  MenuItem mnuToolsRun{&mnuTools, "mnuToolsRun"};
  MenuItem mnuToolsStop{&mnuTools, "mnuToolsStop"};
  int changes = 0;
  int listClicks = 0;
  int fileMenuOpened = 0;
  int openClicks = 0;
  int goClicks = 0;
};

struct Search {
  std::string name;
  HWND found = nullptr;
};

inline BOOL CALLBACK MatchName(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (WindowName(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

class Win32BackendTest : public ::testing::Test {
 protected:
  HWND Window(const Form& form) const { return backend.FormPeerOf(form)->Hwnd(); }
  HWND Window(const Control& control) const { return Win32Backend::PeerOf(control)->Hwnd(); }
  static HWND Child(HWND root, const std::string& name) {
    Search search{name};
    EnumChildWindows(root, MatchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  static std::string Text(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }
  // The window's place in its parent's client area.
  static RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }
  void Notify(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
  }

  platform::win32::Win32Services os;
  Win32Backend backend;
  Context ctx{backend, os.services, AppInfo{"", "Backend Test", "ui_win32_tests"}};
};

// Real keys: the form is brought to the front, the strokes go into the system's input queue
// and the program handles them.
class Win32InputTest : public Win32BackendTest {
 protected:
  void Type(Form& form, const std::vector<Stroke>& strokes) {
    Front(form);
    SendStrokes(strokes);
    Settle();
  }
  void Front(Form& form) {
    form.Show();
    HWND window = Window(form);
    SetForegroundWindow(window);
    Settle();
    ASSERT_EQ(GetForegroundWindow(), window);
  }
  void Settle() {
    for (int i = 0; i < 10; ++i) {
      ctx.DoEvents();
      Sleep(20);
    }
  }
};

}  // namespace ui::win32::test_support
