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
