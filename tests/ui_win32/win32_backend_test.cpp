#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/win32_menu_bar.h"
#include "ui_win32/win32_fixture.h"

// clang-format off
#include <shlobj.h>  // DROPFILES
// clang-format on

namespace ui::win32 {
namespace {

using test_support::FrmTest;
using test_support::Win32BackendTest;

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

// The title bar shows the minimise and maximise boxes the form keeps, set before or after it
// has a window.
TEST_F(Win32BackendTest, TheTitleBarShowsTheBoxesTheFormKeeps) {
  struct Case {
    BorderStyle border;
    bool minButton;
    bool maxButton;
    LONG boxes;
  };
  const Case cases[] = {
      {BorderStyle::kSizable, true, true, WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
      {BorderStyle::kSizable, false, false, 0},
      {BorderStyle::kSizable, true, false, WS_MINIMIZEBOX},
      {BorderStyle::kFixedSingle, true, true, WS_MINIMIZEBOX},
      {BorderStyle::kFixedSingle, false, true, 0},
      {BorderStyle::kFixedDialog, true, true, 0},
  };
  for (const Case& c : cases) {
    for (bool before : {true, false}) {
      FrmTest form(ctx, "frmTest");
      form.SetBorderStyle(c.border);
      if (before) {
        form.SetMinButton(c.minButton);
        form.SetMaxButton(c.maxButton);
      }
      form.Show();
      if (!before) {
        form.SetMinButton(c.minButton);
        form.SetMaxButton(c.maxButton);
      }
      HWND window = Window(form);
      const LONG style = GetWindowLongA(window, GWL_STYLE);
      EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), c.boxes)
          << static_cast<int>(c.border) << c.minButton << c.maxButton << before;
      EXPECT_EQ((style & WS_THICKFRAME) != 0, c.border == BorderStyle::kSizable) << static_cast<int>(c.border);
      form.Unload();
    }
  }
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

// A pop-up menu of a hidden top-level entry shows its items, the default one in bold.
TEST_F(Win32BackendTest, APopUpMenuShowsTheItemsOfAHiddenEntryWithItsDefaultInBold) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  Win32MenuBar& menus = backend.FormPeerOf(form)->Menus();
  HMENU popup = menus.OpenPopup(form.mnuTools, &form.mnuToolsStop);
  ASSERT_EQ(GetMenuItemCount(popup), 2);
  EXPECT_EQ(GetMenuDefaultItem(popup, TRUE, GMDI_USEDISABLED), 1u);
  char text[64] = {};
  GetMenuStringA(popup, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Stop");
  EXPECT_NE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(menus.ItemOf(GetMenuItemID(popup, 0)), &form.mnuToolsRun);
  menus.ClosePopup(popup);
  EXPECT_EQ(GetMenuItemCount(GetMenu(Window(form))), 1) << "the entry stays off the menu bar";
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

// The pump between the items of a long operation is paced, but the first one of an operation
// lets waiting input run as DoEvents does.
TEST_F(Win32BackendTest, ThePumpBetweenItemsDeliversPendingInput) {
  FrmTest form(ctx, "frmTest");
  form.Load();
  PostMessageA(Window(form.cmdGo), BM_CLICK, 0, 0);
  ctx.DoEventsBetweenItems();
  EXPECT_EQ(form.goClicks, 1);
}

// A form with an appear delay counts as shown at once, but its window shows only at a pump
// after the delay, or when the program waits for input; hidden sooner, it never shows.
TEST_F(Win32BackendTest, AFormWithAnAppearDelayShowsOnlyOnceTheDelayHasPassed) {
  struct Case {
    const char* name;
    int delay;                 // milliseconds
    bool pumpAfterTheDelay;    // DoEvents after the delay has passed
    bool visibleAfterThePump;  // the window
  };
  const Case cases[] = {
      {"no delay", 0, false, true},
      {"a delay not yet passed", 600000, false, false},
      {"a delay passed", 1, true, true},
  };
  for (const Case& c : cases) {
    FrmTest form(ctx, "frmTest");
    form.SetAppearDelay(c.delay);
    form.Show(ShowMode::kModeless);
    HWND window = Window(form);
    EXPECT_TRUE(form.Visible()) << c.name;
    if (c.pumpAfterTheDelay) Sleep(20);
    ctx.DoEvents();
    EXPECT_EQ(IsWindowVisible(window) != FALSE, c.visibleAfterThePump) << c.name;
    form.Hide();
    ctx.DoEvents();
    EXPECT_FALSE(IsWindowVisible(window)) << c.name;
    Sleep(c.delay > 0 && c.delay < 100 ? 20 : 0);
    ctx.DoEvents();
    EXPECT_FALSE(IsWindowVisible(window)) << c.name << ": shown again after it was hidden";
    form.Unload();
  }
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

TEST_F(Win32BackendTest, AControlShowsItsOwnPointerOverItsClientArea) {
  FrmTest form(ctx, "frmTest");
  form.Show();
  form.lblInfo.SetMousePointer(Pointer::kHand);
  HWND label = Window(form.lblInfo);
  SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
  form.lblInfo.SetMousePointer(Pointer::kIBeam);
  SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_IBEAM));
}

TEST_F(Win32BackendTest, AFixedPitchFaceStaysFixedPitchWhereTheSystemLacksIt) {
  FrmTest form(ctx, "frmTest");
  form.txtName.SetFontName("Courier New");
  form.lstItems.SetFontName("Courier New");
  form.Load();
  for (HWND window : {Window(form.txtName), Window(form.lstItems)}) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE narrow;
    SIZE wide;
    GetTextExtentPoint32A(dc, "iiii", 4, &narrow);
    GetTextExtentPoint32A(dc, "WWWW", 4, &wide);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    EXPECT_EQ(narrow.cx, wide.cx) << WindowName(window);
  }
}

}  // namespace
}  // namespace ui::win32
