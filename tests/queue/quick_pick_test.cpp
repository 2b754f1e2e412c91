#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"
#include "options/frm_options.h"
#include "queue/frm_dwg_preview.h"
#include "queue/frm_queue_quick_pick.h"
#include "queue/frm_quick_pick.h"
#include "queue/window_place.h"

namespace {

constexpr const char* kApp = "TornavanePowerTool";

class QuickPick : public test::MainWindowFixture {
 protected:
  QuickPick() {
    fileSystem.AddFolder("C:\\Jobs");
    for (const char* name :
         {"A-101.dwg", "a-102.dwg", "B-201.dwg", "XA-1.dwg", "notes.txt", "B-202.dwg", "B-203.dwg"}) {
      fileSystem.AddFile(std::string("C:\\Jobs\\") + name, "AC1018");
    }
  }

  mainwindow::frmMain& OnJobs(const std::string& filter = "*.*") {
    mainwindow::frmMain& main = Main();
    main.Dir1.SetPath("C:\\Jobs");
    user.Fill(main.tbDWGFilter, filter);
    return main;
  }
  // "Quic&kQueue" is there only for a queue that holds something.
  void Queue(mainwindow::frmMain& main, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) main.List1.AddItem(path);
    main.UpdateQueueControls();
  }

  std::string Stored(const char* key) { return settings.Read(kApp, "Startup", key).value_or("(none)"); }
  void Store(const char* key, const std::string& value) { settings.Write(kApp, "Startup", key, value); }

  static std::vector<std::string> Names(const ui::ListControl& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.ListCount(); ++i) names.push_back(list.List(i));
    return names;
  }
  std::vector<std::string> Opened() const {
    std::vector<std::string> files;
    for (const auto& call : shell.executeCalls) files.push_back(call.file);
    return files;
  }
};

// The filter matches any part of a name in any letter case; "" lists every file. Closing hands
// the typed text back without stars and brings the main window back.
TEST_F(QuickPick, FilterMatchesAnyPartAndGoesBackWithoutStars) {
  mainwindow::frmMain& main = OnJobs("*.dwg");
  user.Click(main.cmdQuickPick);
  queue::frmQuickPick& quick = app.frmQuickPick();
  EXPECT_TRUE(quick.Visible());
  EXPECT_TRUE(quick.TopMost());
  EXPECT_FALSE(main.Visible());
  EXPECT_EQ(quick.tbQPPattern.Text(), "*.dwg");
  EXPECT_EQ(quick.File1.ListCount(), 6);

  user.Fill(quick.tbQPPattern, "");
  EXPECT_EQ(quick.File1.Pattern(), "**");
  EXPECT_EQ(quick.File1.ListCount(), 7);
  user.Fill(quick.tbQPPattern, "a-1");
  EXPECT_EQ(Names(quick.File1), (std::vector<std::string>{"A-101.dwg", "a-102.dwg", "XA-1.dwg"}));

  user.Close(quick);
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(main.tbDWGFilter.Text(), "a-1");
  EXPECT_EQ(main.File1.Pattern(), "a-1");
}

TEST_F(QuickPick, EveryWayOutShowsTheMainWindow) {
  mainwindow::frmMain& main = OnJobs();
  Queue(main, {"C:\\Jobs\\A-101.dwg"});
  user.Click(main.cmdQuickPick);
  app.frmQuickPick().Unload();
  EXPECT_TRUE(main.Visible());

  user.Click(main.cmdQueueQuickPick);
  EXPECT_FALSE(main.Visible());
  user.Close(app.frmQueueQuickPick());
  EXPECT_TRUE(main.Visible());
}

// Opening warns after every ResourceFileLimit drawings; Yes goes on, No stops.
TEST_F(QuickPick, OpenLoopAsksAfterEveryLimit) {
  const struct {
    int selected;
    std::int16_t warn;
    std::vector<ui::MsgAnswer> answers;
    std::size_t opened;
  } cases[] = {
      {6, 1, {ui::MsgAnswer::kYes}, 6},
      {6, 1, {ui::MsgAnswer::kNo}, 5},
      {5, 1, {ui::MsgAnswer::kYes}, 5},
      {6, 0, {}, 6},
  };
  const std::string question =
      "You have attempted to open more than 5 files at a time.\r\n\r\nThis could starve your systems "
      "resources...\r\n\r\nAre you sure you want to continue opening files?";
  for (const auto& c : cases) {
    mainwindow::frmMain& main = OnJobs();
    main.settings.ResourceWarning = c.warn;
    main.settings.ResourceFileLimit = 5;
    user.Click(main.cmdQuickPick);
    queue::frmQuickPick& quick = app.frmQuickPick();
    user.Fill(quick.tbQPPattern, "");
    for (int i = 0; i < c.selected; ++i) quick.File1.SetSelected(i, true);
    for (ui::MsgAnswer answer : c.answers) {
      ExpectMessage("Continue?", question).Icon(ui::MsgIcon::kExclamation).Answer(answer);
    }
    shell.executeCalls.clear();
    user.PressKey(quick.File1, ui::kKeyReturn);
    EXPECT_EQ(shell.executeCalls.size(), c.opened) << c.selected << " selected, warn " << c.warn;
    EXPECT_EQ(quick.MousePointer(), ui::Pointer::kDefault);
    user.Close(quick);
  }
}

// At a drive root the folder keeps its one backslash; the shell works in the drive's root.
TEST_F(QuickPick, OpensFromADriveRootWithOneBackslash) {
  fileSystem.AddFile("C:\\x.dwg", "AC1018");
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\");
  user.Fill(main.tbDWGFilter, "*.dwg");
  user.Click(main.cmdQuickPick);
  queue::frmQuickPick& quick = app.frmQuickPick();
  user.ClickItem(quick.File1, 0);
  EXPECT_EQ(app.frmDWGPreview().DwgThumbnail1.Path(), "");
  user.PressKey(quick.File1, ui::kKeyReturn);
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "C:\\x.dwg");
  EXPECT_EQ(shell.executeCalls[0].folder, "c:\\");
}

TEST_F(QuickPick, PopupMenuOpensTheSelection) {
  mainwindow::frmMain& main = OnJobs("B*");
  user.Click(main.cmdQuickPick);
  queue::frmQuickPick& quick = app.frmQuickPick();
  user.ClickItem(quick.File1, 1);
  ExpectPopup("PUMenu", "mnuOpenFiles");
  user.MouseUp(quick.File1, ui::kRightButton, 0, 0, 0);
  ASSERT_FALSE(backend.Popups().empty());
  EXPECT_EQ(backend.Popups().back().defaultItem, "mnuOpenFiles");
  EXPECT_EQ(Opened(), (std::vector<std::string>{"C:\\Jobs\\B-202.dwg"}));
}

// The stored place is used and written back unchanged; a text that is no number, or a place
// on no screen, falls back to the defaults (the queue's is wider, for its title).
TEST_F(QuickPick, PlaceRoundTripAndFallbacks) {
  const struct {
    std::vector<std::string> stored;
    ui::Rect place;
    ui::Rect queuePlace;
  } cases[] = {
      {{"2000", "1500", "2500", "5000"}, {2000, 1500, 2500, 5000}, {2000, 1500, 2500, 5000}},
      {{"abc", "1500", "", "5000"}, {1000, 1500, 1890, 5000}, {1000, 1500, 2355, 5000}},
      {{"90000", "1500", "2500", "5000"}, {1000, 1000, 2500, 5000}, {1000, 1000, 2500, 5000}},
      {{"-9000", "-9000", "2500", "5000"}, {1000, 1000, 2500, 5000}, {1000, 1000, 2500, 5000}},
      {{"2000", "1500", "-5", "5000"}, {2000, 1500, 1890, 5000}, {2000, 1500, 2355, 5000}},
  };
  const char* keys[] = {"QPLeft", "QPTop", "QPWidth", "QPHeight"};
  const char* queueKeys[] = {"QPQueueLeft", "QPQueueTop", "QPQueueWidth", "QPQueueHeight"};
  mainwindow::frmMain& main = OnJobs();
  Queue(main, {"C:\\Jobs\\A-101.dwg"});
  for (const auto& c : cases) {
    for (int i = 0; i < 4; ++i) Store(keys[i], c.stored[i]);
    for (int i = 0; i < 4; ++i) Store(queueKeys[i], c.stored[i]);
    user.Click(main.cmdQuickPick);
    EXPECT_EQ(app.frmQuickPick().Bounds(), c.place) << c.stored[0];
    user.Close(app.frmQuickPick());
    EXPECT_EQ(Stored("QPLeft"), std::to_string(c.place.left));
    EXPECT_EQ(Stored("QPHeight"), std::to_string(c.place.height));

    user.Click(main.cmdQueueQuickPick);
    EXPECT_EQ(app.frmQueueQuickPick().Bounds(), c.queuePlace) << c.stored[0];
    user.Close(app.frmQueueQuickPick());
    EXPECT_EQ(Stored("QPQueueTop"), std::to_string(c.queuePlace.top));
    EXPECT_EQ(Stored("QPQueueWidth"), std::to_string(c.queuePlace.width));
  }
}

TEST_F(QuickPick, ResizeMovesTheControlsOnlyAboveTheThresholds) {
  mainwindow::frmMain& main = OnJobs();
  user.Click(main.cmdQuickPick);
  queue::frmQuickPick& quick = app.frmQuickPick();
  quick.Move(1000, 1000, 3000, 6000);
  // The inside is 3000 x 6000 less the tool window's frame and title (240 x 495 twips here).
  EXPECT_EQ(quick.File1.Bounds(), (ui::Rect{0, 300, 2760, 4905}));
  EXPECT_EQ(quick.cmdRefresh.Bounds(), (ui::Rect{0, 5155, 1825, 330}));
  EXPECT_EQ(quick.cmdQuickPickOnOff.Left(), 1875);
  EXPECT_EQ(quick.tbQPPattern.Width(), 2745);
  for (ui::Rect small : {ui::Rect{0, 0, 1000, 6000}, ui::Rect{0, 0, 3000, 900}}) {
    quick.Move(small.left, small.top, small.width, small.height);
    EXPECT_EQ(quick.File1.Bounds(), (ui::Rect{0, 300, 2760, 4905}));
  }
  quick.Move(0, 0, 1001, 901);
  EXPECT_EQ(quick.File1.Bounds(), (ui::Rect{0, 300, 761, 1}));
}

// The queue quick pick lists the names once; the tooltip is the path under the pointer and
// "" below the last entry.
TEST_F(QuickPick, QueueQuickPickListsNamesWithTheirPathsAsTooltip) {
  mainwindow::frmMain& main = Main();
  Queue(main, {"C:\\Jobs\\A-101.dwg", "D:\\Other\\A-101.dwg"});
  user.Click(main.cmdQueueQuickPick);
  queue::frmQueueQuickPick& quick = app.frmQueueQuickPick();
  EXPECT_TRUE(quick.TopMost());
  EXPECT_EQ(Names(quick.lstFileNames), (std::vector<std::string>{"A-101.dwg", "A-101.dwg"}));
  EXPECT_FALSE(quick.lstPaths.Visible());

  user.MouseMove(quick.lstFileNames, 0, 0, 100, 200);
  EXPECT_EQ(quick.lstFileNames.ToolTipText(), "D:\\Other\\A-101.dwg");
  user.MouseMove(quick.lstFileNames, 0, 0, 100, 2000);
  EXPECT_EQ(quick.lstFileNames.ToolTipText(), "");

  user.DblClickItem(quick.lstFileNames, 1);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"D:\\Other\\A-101.dwg"}));
  EXPECT_EQ(app.frmDWGPreview().DwgThumbnail1.Path(), "");
  EXPECT_EQ(app.frmDWGPreview().Owner(), &main);
}

// The preview cannot be made smaller than 3640 x 2551 twips; its thumbnail follows the size.
TEST_F(QuickPick, PreviewKeepsItsMinimumSize) {
  Main();
  queue::frmDWGPreview& preview = app.frmDWGPreview();
  ASSERT_TRUE(preview.Visible());
  user.Resize(preview, 1000, 1000);
  EXPECT_EQ(preview.Width(), 3640);
  EXPECT_EQ(preview.Height(), 2551);
  preview.Move(0, 0, 6000, 4000);
  EXPECT_EQ(preview.DwgThumbnail1.Width(), 5850);
  EXPECT_EQ(preview.DwgThumbnail1.Height(), 3625);
}

// The load shows the preview at its stored place; the Preview button puts it away (kept,
// place stored) and shows it again; a drawing click brings it back; the close box discards
// it, and a click then makes a new one at the stored place.
TEST_F(QuickPick, PreviewButtonsToggleAndAClickBringsItBack) {
  Store("DWGPreviewLeft", "3000");
  Store("DWGPreviewTop", "2000");
  mainwindow::frmMain& main = OnJobs();
  queue::frmDWGPreview* preview = app.frmDWGPreviewIfLoaded();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->Visible());
  EXPECT_EQ(preview->Owner(), &main);
  EXPECT_EQ(preview->Left(), 3000);
  EXPECT_EQ(preview->Top(), 2000);
  preview->Move(4000, 2500);

  user.Click(main.cmdDWGPreviewShow);
  EXPECT_EQ(app.frmDWGPreviewIfLoaded(), preview);
  EXPECT_FALSE(preview->Visible());
  EXPECT_EQ(Stored("DWGPreviewLeft"), "4000");
  EXPECT_EQ(Stored("DWGPreviewTop"), "2500");

  user.ClickItem(main.File1, 0);
  EXPECT_EQ(app.frmDWGPreviewIfLoaded(), preview);
  EXPECT_TRUE(preview->Visible());
  user.Click(main.cmdDWGPreviewShow);
  user.Click(main.cmdDWGPreviewShow);
  EXPECT_TRUE(preview->Visible());
  EXPECT_EQ(preview->Left(), 4000);

  user.Close(*preview);
  EXPECT_FALSE(app.frmDWGPreviewLoaded());
  user.ClickItem(main.File1, 0);
  ASSERT_TRUE(app.frmDWGPreviewLoaded());
  EXPECT_EQ(app.frmDWGPreview().Left(), 4000);
  EXPECT_EQ(app.frmDWGPreview().Owner(), &main);
}

// The options' reset puts a shown preview away without storing its place.
TEST_F(QuickPick, ResetOfThePreviewPlaceHidesItWithoutStoring) {
  Main();
  app.frmDWGPreview().Move(5000, 5000);
  options::frmOptions& options = app.frmOptions();
  AsEvent([&] { options.cmdResetDWGPreviewPos_Click(); });
  EXPECT_FALSE(app.frmDWGPreview().Visible());
  EXPECT_EQ(Stored("DWGPreviewLeft"), "1000");
  EXPECT_EQ(Stored("DWGPreviewTop"), "1000");
}

TEST_F(QuickPick, PlaceFromTextsFallsBackPartByPart) {
  const auto everywhere = [](const ui::Rect&) { return true; };
  const auto nowhere = [](const ui::Rect&) { return false; };
  const ui::Rect defaults{1000, 1000, 1890, 4110};
  EXPECT_EQ(queue::PlaceFromTexts({"12", " 7 ", "2.5", std::nullopt}, defaults, everywhere),
            (ui::Rect{12, 7, 2, 4110}));
  EXPECT_EQ(queue::PlaceFromTexts({"1e12", "x", "", "-1"}, defaults, everywhere), defaults);
  EXPECT_EQ(queue::PlaceFromTexts({"12", "7", "300", "400"}, defaults, nowhere), (ui::Rect{1000, 1000, 300, 400}));
}

}  // namespace
