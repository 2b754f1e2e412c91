#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

// Input the scripted user delivers besides clicks: keys, access keys, drags and drops.
class frmInput : public ui::Form {
 public:
  explicit frmInput(ui::Context& ctx) : Form(ctx, "frmInput") {
    cmdRun.SetCaption("Create && &RUN Batch Script");
    cmdRun.onClick = [this] { log.push_back("cmdRun_Click"); };
    cmdOK.SetCaption("&OK");
    cmdOK.SetDefault(true);
    cmdOK.onClick = [this] { log.push_back("cmdOK_Click"); };
    cmdCancel.SetCaption("&Cancel");
    cmdCancel.SetCancel(true);
    cmdCancel.onClick = [this] { log.push_back("cmdCancel_Click"); };
    mnuFile.SetCaption("&File");
    mnuFile.onClick = [this] { log.push_back("mnuFile_Click"); };
    Text1.onKeyDown = [this](int& keyCode, int) { log.push_back("Text1_KeyDown " + std::to_string(keyCode)); };
    List1.SetAcceptDrops(true);
    List1.onDrop = [this](const std::vector<std::string>& paths) { dropped = paths; };
    Picture2.SetMousePointer(ui::Pointer::kSizeNS);
    Picture2.onMouseDown = [this](int, int, int, int) { Picture2.SetBackColor(ui::kBlack); };
    Picture2.onMouseMove = [this](int button, int, int, int y) {
      if (button == ui::kLeftButton) Picture2.SetTop(Picture2.Top() + y);
    };
    Picture2.onMouseUp = [this](int, int, int, int) { Picture2.SetBackColor(ui::kButtonFace); };
    Picture2.Move(2880, 3600, 9000, 70);
    VScroll1.SetMax(100);
    VScroll1.SetSmallChange(5);
    VScroll1.SetLargeChange(30);
  }

  ui::CommandButton cmdRun{this, "cmdRun"};
  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};
  ui::TextBox Text1{this, "Text1"};
  ui::ListBox List1{this, "List1"};
  ui::PictureBox Picture2{this, "Picture2"};
  ui::VScrollBar VScroll1{this, "VScroll1"};
  ui::MenuItem mnuFile{this, "mnuFile"};
  std::vector<std::string> log;
  std::vector<std::string> dropped;
};

class UserInputTest : public test::AppFixture {
 protected:
  void SetUp() override { form.Show(); }
  frmInput form{ctx};
};

TEST_F(UserInputTest, AccessKeysPressTheMarkedButtonOrOpenTheMarkedMenu) {
  user.PressAccessKey(form, 'r');
  user.PressAccessKey(form, 'F');
  user.PressAccessKey(form, 'z');
  EXPECT_EQ(form.log, (std::vector<std::string>{"cmdRun_Click", "mnuFile_Click"}));
}

// Alt and a letter: the menu bar's title comes before a control marking the same letter.
class frmAccess : public ui::Form {
 public:
  explicit frmAccess(ui::Context& ctx, ui::BorderStyle border) : Form(ctx, "frmAccess") {
    SetBorderStyle(border);
    chkTestRun.SetCaption("&Test Run");
    chkTestRun.onClick = [this] { log.push_back("chkTestRun_Click"); };
    cmdFavorites.SetCaption("&Favorites");
    cmdFavorites.onClick = [this] { log.push_back("cmdFavorites_Click"); };
    cmdGo.SetCaption("&Go");
    cmdGo.onClick = [this] { log.push_back("cmdGo_Click"); };
    mnuFile.SetCaption("&File");
    mnuFile.onClick = [this] { log.push_back("mnuFile_Click"); };
    mnuTools.SetCaption("&Tools");
    mnuTools.onClick = [this] { log.push_back("mnuTools_Click"); };
    onQueryUnload = [this](bool&, ui::UnloadMode mode) {
      log.push_back("Form_QueryUnload " + std::to_string(static_cast<int>(mode)));
    };
  }

  ui::CheckBox chkTestRun{this, "chkTestRun"};
  ui::CommandButton cmdFavorites{this, "cmdFavorites"};
  ui::CommandButton cmdGo{this, "cmdGo"};
  ui::MenuItem mnuFile{this, "mnuFile"};
  ui::MenuItem mnuTools{this, "mnuTools"};
  std::vector<std::string> log;
};

TEST_F(UserInputTest, AMenuTitleTakesItsAccessKeyBeforeAControlMarkingTheSameLetter) {
  struct Case {
    char key;
    bool toolsShown;
    bool toolsEnabled;
    std::string pressed;
  };
  const Case cases[] = {
      {'t', true, true, "mnuTools_Click"},    {'T', true, true, "mnuTools_Click"},
      {'f', true, true, "mnuFile_Click"},     {'g', true, true, "cmdGo_Click"},
      {'t', false, true, "chkTestRun_Click"}, {'t', true, false, "chkTestRun_Click"},
  };
  for (const Case& c : cases) {
    frmAccess access(ctx, ui::BorderStyle::kSizable);
    access.mnuTools.SetVisible(c.toolsShown);
    access.mnuTools.SetEnabled(c.toolsEnabled);
    access.Show();
    user.PressAccessKey(access, c.key);
    EXPECT_EQ(access.log, std::vector<std::string>{c.pressed}) << c.key << " " << c.toolsShown << c.toolsEnabled;
    access.Unload();
  }
}

// Access keys several controls mark: a label hands the focus to the control after it.
class frmShared : public ui::Form {
 public:
  explicit frmShared(ui::Context& ctx) : Form(ctx, "frmShared") {
    cmdClear.SetCaption("C&lear");
    lblName.SetCaption("&Name:");
    cmdLists.SetCaption("File&Lists");
    cmdNew.SetCaption("&New");
    chkOnly.SetCaption("&Only");
    cmdOK.SetCaption("&OK");
    optOne.SetCaption("O&ne");
    cmdClear.onClick = [this] { log.push_back("cmdClear_Click"); };
    cmdLists.onClick = [this] { log.push_back("cmdLists_Click"); };
    cmdNew.onClick = [this] { log.push_back("cmdNew_Click"); };
    chkOnly.onClick = [this] { log.push_back("chkOnly_Click"); };
    cmdOK.onClick = [this] { log.push_back("cmdOK_Click"); };
    optOne.onClick = [this] { log.push_back("optOne_Click"); };
  }

  ui::TextBox txtFirst{this, "txtFirst"};
  ui::CommandButton cmdClear{this, "cmdClear"};
  ui::Label lblName{this, "lblName"};
  ui::TextBox txtName{this, "txtName"};
  ui::CommandButton cmdLists{this, "cmdLists"};
  ui::CommandButton cmdNew{this, "cmdNew"};
  ui::CheckBox chkOnly{this, "chkOnly"};
  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::OptionButton optOne{this, "optOne"};
  std::vector<std::string> log;
};

TEST_F(UserInputTest, AnAccessKeySeveralControlsMarkMovesTheFocusAmongThemAndPressesNone) {
  struct Case {
    char key;
    const char* unavailable;                       // a control hidden ("-name") or disabled ("name"), or ""
    std::vector<std::string> focusAfterEachPress;  // "": a press, where the focus is not the point
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {'l', "", {"cmdClear", "cmdLists", "cmdClear"}, {}},
      {'L', "", {"cmdClear", "cmdLists"}, {}},
      {'n', "", {"txtName", "cmdNew", "optOne", "txtName"}, {}},
      {'o', "", {"chkOnly", "cmdOK", "chkOnly"}, {}},
      {'l', "-cmdLists", {""}, {"cmdClear_Click"}},
      {'l', "cmdClear", {""}, {"cmdLists_Click"}},
      {'o', "cmdOK", {""}, {"chkOnly_Click"}},
      {'n', "cmdNew", {"txtName", "optOne", "txtName"}, {}},
      {'n', "-optOne", {"txtName", "cmdNew"}, {}},
      {'e', "", {"txtFirst"}, {}},
  };
  for (const Case& c : cases) {
    frmShared shared(ctx);
    std::string unavailable = c.unavailable;
    if (!unavailable.empty()) {
      bool hide = unavailable.front() == '-';
      ui::Control* control = shared.FindControl(hide ? unavailable.substr(1) : unavailable);
      ASSERT_NE(control, nullptr) << unavailable;
      hide ? control->SetVisible(false) : control->SetEnabled(false);
    }
    shared.Show();
    shared.txtFirst.SetFocus();
    for (std::size_t i = 0; i < c.focusAfterEachPress.size(); ++i) {
      user.PressAccessKey(shared, c.key);
      if (c.focusAfterEachPress[i].empty()) continue;
      ui::Control* focus = shared.ActiveControl();
      EXPECT_EQ(focus != nullptr ? focus->Name() : "nothing", c.focusAfterEachPress[i])
          << c.key << " " << c.unavailable << " press " << i + 1;
    }
    EXPECT_EQ(shared.log, c.log) << c.key << " " << c.unavailable;
    shared.Unload();
  }
}

TEST_F(UserInputTest, EscapeWithoutACancelButtonClosesADialogAsItsCloseBoxDoes) {
  struct Case {
    ui::BorderStyle border;
    std::vector<std::string> log;
    bool loaded;
  };
  const Case cases[] = {
      {ui::BorderStyle::kFixedDialog, {"Form_QueryUnload 0"}, false},
      {ui::BorderStyle::kFixedToolWindow, {"Form_QueryUnload 0"}, false},
      {ui::BorderStyle::kSizable, {}, true},
  };
  for (const Case& c : cases) {
    frmAccess access(ctx, c.border);
    access.Show();
    user.PressKey(access.chkTestRun, ui::kKeyEscape);
    EXPECT_EQ(access.log, c.log) << static_cast<int>(c.border);
    EXPECT_EQ(access.Loaded(), c.loaded) << static_cast<int>(c.border);
    if (access.Loaded()) access.Unload();
  }
}

// Tab enters a tab control's strip before the controls of its tab, and a group of option
// buttons at its chosen one.
class frmTabbing : public ui::Form {
 public:
  explicit frmTabbing(ui::Context& ctx) : Form(ctx, "frmTabbing") {
    SSTab1.SetTabs(2);
    for (int i = 0; i < 3; ++i) optKind.Load(i);
  }

  ui::CommandButton cmdFirst{this, "cmdFirst"};
  ui::TabControl SSTab1{this, "SSTab1"};
  ui::TextBox txtOnTab0{SSTab1.Page(0), "txtOnTab0"};
  ui::CommandButton cmdOnTab1{SSTab1.Page(1), "cmdOnTab1"};
  ui::Frame fraKind{this, "fraKind"};
  ui::ControlArray<ui::OptionButton> optKind{&fraKind, "optKind"};
  ui::CommandButton cmdLast{this, "cmdLast"};
};

TEST_F(UserInputTest, TabEntersTabStripsAndOptionGroupsAsWindowsDoes) {
  struct Case {
    int tab;
    int chosenOption;  // -1: none
    std::vector<std::string> visited;
  };
  const Case cases[] = {
      {0, 1, {"SSTab1", "txtOnTab0", "optKind(1)", "cmdLast", "cmdFirst"}},
      {1, -1, {"SSTab1", "cmdOnTab1", "optKind(0)", "cmdLast", "cmdFirst"}},
  };
  for (const Case& c : cases) {
    frmTabbing tabbing(ctx);
    tabbing.SSTab1.SetTab(c.tab);
    if (c.chosenOption >= 0) tabbing.optKind[c.chosenOption].SetValue(true);
    tabbing.Show();
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < c.visited.size(); ++i) {
      ui::Control* from = tabbing.ActiveControl() != nullptr ? tabbing.ActiveControl() : &tabbing.cmdFirst;
      user.PressKey(*from, ui::kKeyTab);
      ui::Control* at = tabbing.ActiveControl();
      visited.push_back(at == nullptr     ? "nothing"
                        : at->Index() < 0 ? at->Name()
                                          : at->Name() + "(" + std::to_string(at->Index()) + ")");
    }
    EXPECT_EQ(visited, c.visited) << "tab " << c.tab;
    tabbing.Unload();
  }
}

TEST_F(UserInputTest, EnterAndEscapePressTheDefaultAndCancelButtons) {
  user.PressKey(form.Text1, ui::kKeyReturn);
  user.PressKey(form.Text1, ui::kKeyEscape);
  user.PressKey(form.Text1, ui::kKeyDelete);
  EXPECT_EQ(form.log, (std::vector<std::string>{"cmdOK_Click", "cmdCancel_Click", "Text1_KeyDown 46"}));
  EXPECT_EQ(form.ActiveControl(), &form.Text1);
}

TEST_F(UserInputTest, TabMovesTheFocusInTabIndexOrder) {
  std::vector<std::string> focus;
  form.cmdOK.SetTabIndex(1);
  form.Text1.SetTabIndex(2);
  form.cmdCancel.SetTabIndex(3);
  form.cmdCancel.SetEnabled(false);
  form.List1.SetTabIndex(4);
  form.VScroll1.SetTabStop(false);
  form.cmdRun.SetTabIndex(5);
  form.Text1.onGotFocus = [&] { focus.push_back("Text1_GotFocus"); };
  form.Text1.onLostFocus = [&] { focus.push_back("Text1_LostFocus"); };
  user.PressKey(form.cmdOK, ui::kKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.Text1);
  user.PressKey(form.Text1, ui::kKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.List1) << "disabled controls are skipped";
  user.PressKey(form.List1, ui::kKeyTab, ui::kShiftMask);
  user.PressKey(form.cmdRun, ui::kKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.cmdOK) << "the order wraps round";
  EXPECT_EQ(focus,
            (std::vector<std::string>{"Text1_GotFocus", "Text1_LostFocus", "Text1_GotFocus", "Text1_LostFocus"}));
}

TEST_F(UserInputTest, DroppedFilesReachTheControlThatTakesThem) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  user.Drop(form.List1, {"C:\\A.dwg", "C:\\B.dwg"});
  user.Drop(form.Text1, {"C:\\C.dwg"});
  EXPECT_EQ(form.dropped, (std::vector<std::string>{"C:\\A.dwg", "C:\\B.dwg"}));
  EXPECT_EQ(failures.size(), 1u) << "the text box takes no drops";
}

TEST_F(UserInputTest, ASplitterFollowsTheMouseWhileTheButtonIsHeld) {
  std::vector<ui::Color> colours;
  form.Picture2.onMouseMove = [&, move = form.Picture2.onMouseMove](int button, int shift, int x, int y) {
    colours.push_back(form.Picture2.BackColor());
    move(button, shift, x, y);
  };
  user.Drag(form.Picture2, ui::kLeftButton, {{100, 30}, {100, -200}, {100, -100}});
  EXPECT_EQ(form.Picture2.Top(), 3300);
  EXPECT_EQ(colours, (std::vector<ui::Color>{ui::kBlack, ui::kBlack}));
  EXPECT_EQ(form.Picture2.BackColor(), ui::kButtonFace);
  EXPECT_EQ(form.Picture2.MousePointer(), ui::Pointer::kSizeNS);
}

TEST_F(UserInputTest, ScrollBarsStepInsideTheirRange) {
  std::vector<int> values;
  form.VScroll1.onChange = [&] { values.push_back(form.VScroll1.Value()); };
  user.Scroll(form.VScroll1, 2);
  user.Scroll(form.VScroll1, 0, 3);
  user.Scroll(form.VScroll1, 1);
  user.Scroll(form.VScroll1, -1, -5);
  EXPECT_EQ(values, (std::vector<int>{10, 100, 0}));
  EXPECT_THROW(form.VScroll1.SetValue(101), runtime::Error);
  form.VScroll1.SetValue(50);
  form.VScroll1.SetMax(20);
  EXPECT_EQ(form.VScroll1.Value(), 20) << "a smaller range pulls the value in";
}

TEST_F(UserInputTest, TheScreenPointerGoesThroughTheBackEnd) {
  ctx.SetScreenPointer(ui::Pointer::kHourglass);
  EXPECT_EQ(backend.ScreenPointer(), ui::Pointer::kHourglass);
  ctx.SetScreenPointer(ui::Pointer::kDefault);
  EXPECT_EQ(backend.ScreenPointer(), ui::Pointer::kDefault);
}

}  // namespace
