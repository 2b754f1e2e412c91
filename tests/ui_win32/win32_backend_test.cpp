#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "ui/ui.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/win32_menu_bar.h"
#include "ui/win32/window_name.h"

// clang-format off
#include <shlobj.h>  // DROPFILES
// clang-format on

namespace ui::win32 {
namespace {

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
  int changes = 0;
  int listClicks = 0;
  int fileMenuOpened = 0;
  int openClicks = 0;
  int goClicks = 0;
};

struct SystemServices {
  platform::win32::Win32FileSystem fileSystem;
  platform::win32::Win32SettingsStore settings;
  platform::win32::Win32Shell shell;
  platform::win32::Win32SystemInfo system;
  platform::win32::Win32Clipboard clipboard;
  platform::win32::Win32Clock clock;
  platform::win32::Win32Locale locale;
  platform::Services services{fileSystem, settings, shell, system, clipboard, clock, locale};
};

struct Search {
  std::string name;
  HWND found = nullptr;
};

BOOL CALLBACK MatchName(HWND window, LPARAM data) {
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

  SystemServices os;
  Win32Backend backend;
  Context ctx{backend, os.services, AppInfo{"", "Backend Test", "ui_win32_tests"}};
};

TEST_F(Win32BackendTest, EveryWindowCarriesTheNameOfItsFormOrControl) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  HWND window = Window(form);
  EXPECT_EQ(WindowName(window), "frmTest");
  for (const char* name : {"txtName", "chkOn", "cmdGo", "fraGroup", "optChoice(0)", "optChoice(2)", "lstItems"}) {
    HWND child = Child(window, name);
    ASSERT_NE(child, nullptr) << name;
  }
  EXPECT_EQ(Child(window, "optChoice(1)"), Window(form.optChoice[1]));
}

TEST_F(Win32BackendTest, PlacesControlsInPixelsOfTheScreenDpiInsideTheirContainer) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  const PixelScale& scale = backend.Scale();
  RECT name = PlaceInParent(Window(form.txtName));
  EXPECT_EQ(name.left, scale.ToPixels(150));
  EXPECT_EQ(name.top, scale.ToPixels(300));
  EXPECT_EQ(name.right - name.left, scale.ToPixels(1500));
  EXPECT_EQ(name.bottom - name.top, scale.ToPixels(450));
  HWND option = Window(form.optChoice[1]);
  EXPECT_EQ(GetParent(option), Window(form.fraGroup));
  RECT place = PlaceInParent(option);
  EXPECT_EQ(place.left, scale.ToPixels(120));
  EXPECT_EQ(place.top, scale.ToPixels(540));
  form.txtName.Move(300, 600);
  EXPECT_EQ(PlaceInParent(Window(form.txtName)).left, scale.ToPixels(300));
}

TEST_F(Win32BackendTest, TheModelsChangesReachTheWindows) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  form.txtName.SetText("hello");
  EXPECT_EQ(Text(Window(form.txtName)), "hello");
  form.txtName.SetSelStart(1);
  form.txtName.SetSelLength(3);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Window(form.txtName), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 4u);
  form.chkOn.SetValue(kGrayed);
  EXPECT_EQ(SendMessageA(Window(form.chkOn), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  form.lblInfo.SetCaption("Done");
  EXPECT_EQ(Text(Window(form.lblInfo)), "Done");
  form.lstItems.RemoveItem(0);
  form.lstItems.AddItem("Delta");
  HWND list = Window(form.lstItems);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
  char item[16] = {};
  SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "Delta");
  form.lstItems.AddItems({"Echo", "Foxtrot"});
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 5);
  SendMessageA(list, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "Foxtrot");
  form.cmdGo.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Window(form.cmdGo)));
  form.chkOn.SetVisible(false);
  EXPECT_EQ(GetWindowLongA(Window(form.chkOn), GWL_STYLE) & WS_VISIBLE, 0);
}

TEST_F(Win32BackendTest, TheFormsPropertiesReachItsWindow) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  HWND window = Window(form);
  form.SetCaption("Renamed");
  EXPECT_EQ(Text(window), "Renamed");
  form.Move(1500, 1200, 7500, 6000);
  RECT place;
  GetWindowRect(window, &place);
  const PixelScale& scale = backend.Scale();
  EXPECT_EQ(place.left, scale.ToPixels(1500));
  EXPECT_EQ(place.top, scale.ToPixels(1200));
  EXPECT_EQ(place.right - place.left, scale.ToPixels(7500));
  EXPECT_EQ(place.bottom - place.top, scale.ToPixels(6000));
  form.SetTopMost(true);
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  form.SetTopMost(false);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  form.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(window));
}

TEST_F(Win32BackendTest, FilesDroppedOnAControlReachItsDropEvent) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  std::vector<std::string> dropped;
  form.lstItems.onDrop = [&](const std::vector<std::string>& paths) { dropped = paths; };
  form.lstItems.SetAcceptDrops(true);
  HWND list = Window(form.lstItems);
  EXPECT_NE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  const char names[] = "C:\\Jobs\\A1.dwg\0C:\\Jobs\\B2.dwg\0";
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names + 1);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  CopyMemory(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names, sizeof names);
  GlobalUnlock(memory);
  SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\Jobs\\A1.dwg", "C:\\Jobs\\B2.dwg"}));
}

TEST_F(Win32BackendTest, TheUsersEditRunsChangeOnceAndCodesChangesAreNotEchoed) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  HWND edit = Window(form.txtName);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
  EXPECT_EQ(form.txtName.Text(), "abc");
  EXPECT_EQ(form.changes, 1);
  form.txtName.SetText("xyz");
  EXPECT_EQ(form.changes, 2);
  SendMessageA(edit, EM_SETSEL, 1, 2);
  EXPECT_EQ(form.txtName.SelStart(), 1);
  EXPECT_EQ(form.txtName.SelLength(), 1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Q"));
  EXPECT_EQ(form.txtName.Text(), "xQz");
  EXPECT_EQ(form.txtName.SelStart(), 2);
  EXPECT_EQ(form.changes, 3);
}

TEST_F(Win32BackendTest, TheUsersListSelectionReachesTheModelOnce) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  HWND list = Window(form.lstItems);
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  Notify(list, LBN_SELCHANGE);
  EXPECT_EQ(form.lstItems.ListIndex(), 1);
  EXPECT_EQ(form.listClicks, 1);
  form.lstItems.SetListIndex(2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(form.listClicks, 2);
}

TEST_F(Win32BackendTest, EveryMouseClickOnAListItemRunsClickOnce) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  HWND list = Window(form.lstItems);
  auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  auto click = [&](int item) {
    LPARAM at = MAKELPARAM(5, item * height + height / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
  };
  click(1);
  EXPECT_EQ(form.lstItems.ListIndex(), 1);
  EXPECT_EQ(form.listClicks, 1);
  click(1);
  EXPECT_EQ(form.lstItems.ListIndex(), 1);
  EXPECT_EQ(form.listClicks, 2);
  click(2);
  EXPECT_EQ(form.lstItems.ListIndex(), 2);
  EXPECT_EQ(form.listClicks, 3);
  click(5);  // below the last item
  EXPECT_EQ(form.listClicks, 3);
}

TEST_F(Win32BackendTest, OptionButtonsShowTheChoiceTheModelMakes) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  form.optChoice[0].SetValue(true);
  SendMessageA(Window(form.optChoice[2]), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.optChoice[0].Value());
  EXPECT_TRUE(form.optChoice[2].Value());
  EXPECT_EQ(SendMessageA(Window(form.optChoice[0]), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(Window(form.optChoice[2]), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Win32BackendTest, WindowsFollowTheTabOrderAndOptionButtonsFormOneGroup) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  std::vector<HWND> order;
  for (HWND child = GetWindow(Window(form), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == Window(form.chkOn) || child == Window(form.cmdGo) || child == Window(form.txtName)) {
      order.push_back(child);
    }
  }
  EXPECT_EQ(order, (std::vector<HWND>{Window(form.chkOn), Window(form.cmdGo), Window(form.txtName)}));
  EXPECT_NE(GetWindowLongA(Window(form.optChoice[0]), GWL_STYLE) & WS_GROUP, 0);
  EXPECT_EQ(GetWindowLongA(Window(form.optChoice[1]), GWL_STYLE) & WS_GROUP, 0);
  EXPECT_EQ(GetWindowLongA(Window(form.optChoice[2]), GWL_STYLE) & WS_GROUP, 0);
}

TEST_F(Win32BackendTest, TheMenuBarShowsTheVisibleItemsWithTheirStateAndShortcuts) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  HWND window = Window(form);
  HMENU bar = GetMenu(window);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  HMENU file = GetSubMenu(bar, 0);
  SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_EQ(form.fileMenuOpened, 1);
  ASSERT_EQ(GetMenuItemCount(file), 2);
  char text[64] = {};
  GetMenuStringA(file, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Open\tF2");
  EXPECT_NE(GetMenuState(file, 1, MF_BYPOSITION) & MF_GRAYED, 0u);
  // Ids follow the items' order in the form: File 0, Open 1, Hidden 2, Off 3.
  EXPECT_EQ(GetMenuItemID(file, 0), Win32MenuBar::kFirstMenuId + 1);
  SendMessageA(window, WM_COMMAND, Win32MenuBar::kFirstMenuId + 1, 0);
  SendMessageA(window, WM_COMMAND, Win32MenuBar::kFirstMenuId + 3, 0);
  EXPECT_EQ(form.openClicks, 1);
  form.mnuFileHidden.SetVisible(true);
  EXPECT_EQ(GetMenuItemCount(file), 3);
}

TEST_F(Win32BackendTest, DoEventsDeliversPendingInputAndShortcuts) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  PostMessageA(Window(form.cmdGo), BM_CLICK, 0, 0);
  PostMessageA(Window(form.txtName), WM_KEYDOWN, VK_F2, 0);
  ctx.DoEvents();
  EXPECT_EQ(form.goClicks, 1);
  EXPECT_EQ(form.openClicks, 1);
}

TEST_F(Win32BackendTest, NonClientSizeIsTheRealFrameOfTheWindow) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  RECT window;
  RECT client;
  GetWindowRect(Window(form), &window);
  GetClientRect(Window(form), &client);
  Size frame = backend.NonClientSize(form);
  EXPECT_EQ(frame.width, backend.Scale().ToTwips((window.right - window.left) - client.right));
  EXPECT_EQ(frame.height, backend.Scale().ToTwips((window.bottom - window.top) - client.bottom));
  EXPECT_EQ(form.ScaleWidth(), backend.Scale().ToTwips(client.right));
}

TEST_F(Win32BackendTest, AModalFormBlocksTheOtherWindowsUntilItCloses) {
  FrmTest owner(ctx, "frmOwner");
  owner.Show();
  FrmTest dialog(ctx, "frmDialog");
  dialog.Load();
  bool ownerTookInput = true;
  dialog.onQueryUnload = [&](bool&, UnloadMode) { ownerTookInput = IsWindowEnabled(Window(owner)) != FALSE; };
  PostMessageA(Window(dialog), WM_CLOSE, 0, 0);
  dialog.Show(ShowMode::kModal, &owner);
  EXPECT_FALSE(ownerTookInput);
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_TRUE(IsWindowEnabled(Window(owner)));
}

TEST_F(Win32BackendTest, EndingTheProgramInsideAModalLoopUnwindsAndClosesEveryWindow) {
  FrmTest owner(ctx, "frmOwner");
  owner.Show();
  HWND ownerWindow = Window(owner);
  FrmTest dialog(ctx, "frmDialog");
  dialog.Load();
  HWND dialogWindow = Window(dialog);
  dialog.cmdGo.onClick = [this] { ctx.End(); };
  PostMessageA(Window(dialog.cmdGo), BM_CLICK, 0, 0);
  EXPECT_THROW(dialog.Show(ShowMode::kModal, &owner), ProgramEnd);
  EXPECT_TRUE(ctx.Ended());
  EXPECT_FALSE(IsWindow(ownerWindow));
  EXPECT_FALSE(IsWindow(dialogWindow));
}

}  // namespace
}  // namespace ui::win32
