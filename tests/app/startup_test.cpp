// The program's start: the order of Main, the load with an empty store, the root-folder
// check, damaged stored values, a missing drawing folder and the working-set restore.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "options/frm_options.h"
#include "platform/file_system.h"
#include "runtime/error.h"
#include "support/app_fixture.h"
#include "tags/frm_var_setup.h"

namespace {

constexpr const char* kData = "C:\\Program Files\\Tornavane\\DATA\\";
constexpr const char* kBadValue = " Hey, error #13 - Bad Read Value from Registry\r";

class StartupTest : public test::AppFixture {
 protected:
  std::optional<std::string> Stored(const std::string& section, const std::string& key) {
    return settings.Read("TornavanePowerTool", section, key);
  }
  void Store(const std::string& section, const std::string& key, const std::string& value) {
    settings.Write("TornavanePowerTool", section, key, value);
  }
  std::string Data(const std::string& name) { return kData + name; }
};

TEST_F(StartupTest, AFirstStartShowsTheDefaultsAndTheTip) {
  test::ProgramRun run(services, clock);
  run.backend.OnModal<options::frmTips>([&](options::frmTips& tips) {
    EXPECT_TRUE(run.Main().Visible());
    EXPECT_EQ(Stored("Startup", "Version"), "1.0.0");
    EXPECT_EQ(Stored("Paths", "Application Path"), std::nullopt);
    run.user.Click(tips.cmdClose);
  });
  run.Start(false);

  mainwindow::frmMain& main = run.Main();
  EXPECT_EQ(main.Caption(), "Tornavane v1.0.0");
  EXPECT_EQ(run.app.AppVersion, "1.0.0");
  EXPECT_EQ(run.backend.ModalForms(), std::vector<std::string>{"frmTips"});
  EXPECT_EQ(Stored("Paths", "Application Path"), "C:\\Program Files\\Tornavane\\");
  EXPECT_EQ(main.Left(), 520);
  EXPECT_EQ(main.Top(), 520);
  EXPECT_EQ(main.Width(), 13084);
  EXPECT_EQ(main.Height(), 10130);
  EXPECT_EQ(main.List1.ListCount(), 0);
  EXPECT_EQ(main.Text1.Text(), "");
  EXPECT_EQ(main.Text2.Text(), "");
  EXPECT_EQ(main.Dir1.Path(), "C:\\");
  EXPECT_EQ(main.settings.ProgramPath, "C:\\Program Files\\Tornavane\\");
  EXPECT_EQ(main.tbPreBatch.Text(), "_SDI 1");
  EXPECT_EQ(main.tbPreUserScript.Text(), "ZOOM E");
  EXPECT_EQ(main.tbPostUserScript.Text(), "");
  EXPECT_EQ(main.tbPostBatch.Text(), "_SDI 0");
  EXPECT_EQ(main.cbIncludeDebugComments.Value(), 1);
  EXPECT_EQ(main.chkOverwriteExistingFiles.Value(), 1);
  EXPECT_TRUE(main.optOriginalLocation.Value());
  EXPECT_EQ(main.cmbOutFormat.Text(), "Don't Change");
  EXPECT_EQ(main.cmbOutFormat.ListCount(), 9);
  EXPECT_TRUE(main.optPage[0].Value());
  EXPECT_EQ(main.lblFilesProcessed.Caption(), "Processed = 0");
  EXPECT_EQ(main.lblUpdate.Caption(), "Ready");
  EXPECT_EQ(main.settings.SCRIPTSDir, "C:\\Program Files\\Tornavane\\SCRIPTS");
  EXPECT_EQ(main.settings.SCRChanged, 0);

  // The two dialogs are loaded hidden and hold their copies of the settings.
  options::frmOptions& options = run.app.frmOptions();
  EXPECT_FALSE(options.Visible());
  EXPECT_EQ(options.tbDelay.Text(), "2000");
  EXPECT_EQ(options.chkWarnBlankLine.Value(), 1);
  EXPECT_EQ(options.tbResourceFileLimit.Text(), "5");
  EXPECT_TRUE(options.optLoadOpen[2].Value());
  EXPECT_EQ(options.tbOpenOther.Text(), "_OPEN");
  EXPECT_EQ(options.Text2.Text(), "notepad.exe");
  tags::frmVARSetup& tags = run.app.frmVARSetup();
  EXPECT_FALSE(tags.Visible());
  EXPECT_EQ(tags.tbTag(1).Text(), "GADGETS && CO.");
  EXPECT_EQ(tags.tbTag(6).Text(), "B. CHECKER");
  EXPECT_EQ(tags.tbTag(7).Text(), "");
  EXPECT_EQ(tags.vsPadCounter.Value(), 2);
  EXPECT_EQ(tags.tbCounterStart.Text(), "1");

  // Selecting the stored User Set at load is no page switch: no snapshot file is written.
  EXPECT_FALSE(fileSystem.Exists(Data("drafter1-0-list.tmp")));
}

// A save or a build ended with the program (killed, the power gone) leaves its temporary file
// beside its target; the next start removes those of the DATA folder and the batch script's,
// and leaves every other file, there and beside the script, alone.
TEST_F(StartupTest, TemporaryFilesOfAnEndedSaveGoAtTheNextStart) {
  Store("Paths", "OutputNorm", "C:\\Support\\tornavane.scr");
  fileSystem.AddFile(Data("drafter1-list.tmp"), "C:\\Jobs\\A.dwg\r\n");
  fileSystem.AddFile(Data("drafter1-list.tmp.~tmp"), "C:\\Jobs\\A.dwg\r\nC:\\Jo");
  fileSystem.AddFile(Data("Favorites.dat.~tmp"), "C:\\");
  fileSystem.AddFile(Data("notes.~tmpx"), "kept");
  fileSystem.AddFile("C:\\Support\\tornavane.scr", "; the last script\r\n");
  fileSystem.AddFile("C:\\Support\\tornavane.scr.~tmp", "; half a scr");
  fileSystem.AddFile("C:\\Support\\acad.lsp.~tmp", "not ours");
  test::ProgramRun run(services, clock);
  run.Start();
  EXPECT_EQ(run.Main().settings.SCROutputPath, "C:\\Support\\tornavane.scr");
  std::vector<std::string> files;
  for (const std::string& path : fileSystem.AllPaths()) {
    if (path.ends_with("~tmp") || path.ends_with("~tmpx")) files.push_back(path);
  }
  EXPECT_EQ(files, (std::vector<std::string>{Data("notes.~tmpx"), "C:\\Support\\acad.lsp.~tmp"}));
  EXPECT_EQ(run.Main().List1.ListCount(), 1);
}

TEST_F(StartupTest, WithTheTipOffTheProgramFolderIsStoredRightAway) {
  Store("Startup", "TipsShow", "0");
  test::ProgramRun run(services, clock);
  run.Start(false);
  EXPECT_TRUE(run.backend.ModalForms().empty());
  EXPECT_EQ(Stored("Paths", "Application Path"), "C:\\Program Files\\Tornavane\\");
}

// Wherever the platform reports a drive's root, with its backslash or without, and whatever
// the store holds, the program says "Ooops" and ends before reading or writing anything.
TEST_F(StartupTest, TheRootOfADriveEndsTheProgramBeforeAnythingIsSaved) {
  Store("Startup", "Left", "abc");
  Store("Startup", "Face", "2");
  for (const char* root : {"C:\\", "C:", "D:\\", "\\\\server\\share", "\\\\server\\share\\"}) {
    SCOPED_TRACE(root);
    system.programFolder = root;
    test::ProgramRun run(services, clock);
    run.backend
        .ExpectMessage("Ooops",
                       "You have attempted to launch Tornavane from the ROOT directory on a drive.\r\n\r\n"
                       "Please place the Tornavane files into a directory, then relaunch Tornavane\r\n\r\nThanks.")
        .Icon(ui::MsgIcon::kCritical);
    run.Start(false);
    EXPECT_TRUE(run.backend.ProgramEnded());
    EXPECT_FALSE(run.Main().Visible());
    EXPECT_EQ(Stored("Startup", "Version"), "1.0.0");
    EXPECT_EQ(Stored("Paths", "Application Path"), std::nullopt);
    EXPECT_EQ(Stored("Startup", "Left"), "abc");
    EXPECT_EQ(Stored("Startup", "Top"), std::nullopt);
  }
  EXPECT_FALSE(fileSystem.Exists("C:\\DATA"));
  EXPECT_FALSE(fileSystem.Exists("D:\\DATA"));
}

TEST(DriveRootTest, NamesTheRootOfADriveOrShareOnly) {
  struct Case {
    const char* folder;
    bool root;
  };
  const Case cases[] = {{"C:", true},
                        {"C:\\", true},
                        {"z:\\", true},
                        {"\\\\server\\share", true},
                        {"\\\\server\\share\\", true},
                        {"C:\\Tornavane", false},
                        {"C:\\Program Files\\Tornavane", false},
                        {"\\\\server\\share\\Tornavane", false},
                        {"\\\\server", false},
                        {"\\\\server\\", false},
                        {"", false}};
  for (const Case& c : cases) EXPECT_EQ(platform::IsDriveRoot(c.folder), c.root) << c.folder;
}

// A damaged value costs only itself: the message naming it, the key's default, stored back so
// the next start is quiet, and everything after it in the load still arrives (the stored
// PreBatch text below is read late in the load's order compared with most of these keys, and
// pushed at its very end).
struct BadValueCase {
  const char* section;
  const char* key;
  const char* stored;
  const char* defaultText;
  std::function<void(test::ProgramRun&)> check;
};

class BadStoredValueTest : public StartupTest, public ::testing::WithParamInterface<BadValueCase> {};

TEST_P(BadStoredValueTest, IsNamedOnceAndItsDefaultIsStoredBack) {
  const BadValueCase& c = GetParam();
  Store(c.section, c.key, c.stored);
  Store("Startup", "Initialize", "PURGE A * N");
  Store("UserTags", "TAG50", "LAST");
  {
    test::ProgramRun run(services, clock);
    run.backend.ExpectMessage("Tornavane Message", std::string(kBadValue) + "\nSection \"" + c.section + "\", key \"" +
                                                       c.key + "\": the default \"" + c.defaultText + "\" is used.");
    run.Start();
    c.check(run);
    EXPECT_EQ(run.Main().tbPreBatch.Text(), "PURGE A * N");
    EXPECT_EQ(run.app.frmVARSetup().tbTag(50).Text(), "LAST");
    EXPECT_EQ(run.Main().lblUpdate.Caption(), "Ready");
  }
  EXPECT_EQ(Stored(c.section, c.key), c.defaultText);
  test::ProgramRun again(services, clock);
  again.Start();
  c.check(again);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadStoredValueTest,
    ::testing::Values(
        BadValueCase{"Startup", "Left", "abc", "520",
                     [](test::ProgramRun& run) {
                       EXPECT_EQ(run.Main().settings.LeftCoord, 520);
                       EXPECT_EQ(run.Main().Left(), 520);
                     }},
        BadValueCase{"Startup", "Height", "99999", "10128",
                     [](test::ProgramRun& run) { EXPECT_EQ(run.Main().Height(), 10130); }},
        BadValueCase{"Startup", "Face", "7", "0",
                     [](test::ProgramRun& run) {
                       EXPECT_EQ(run.Main().settings.Face, 0);
                       EXPECT_TRUE(run.Main().optPage[0].Value());
                     }},
        BadValueCase{"Startup", "TestRun", "5", "0",
                     [](test::ProgramRun& run) { EXPECT_EQ(run.Main().chkTestRun.Value(), 0); }},
        BadValueCase{"Startup", "AutoSortType", "9", "0",
                     [](test::ProgramRun& run) { EXPECT_TRUE(run.app.frmOptions().optSort[0].Value()); }},
        BadValueCase{"Startup", "LoadMethod_Open", "12", "2",
                     [](test::ProgramRun& run) { EXPECT_TRUE(run.app.frmOptions().optLoadOpen[2].Value()); }},
        BadValueCase{"Startup", "ResourceFileLimit", "", "5",
                     [](test::ProgramRun& run) { EXPECT_EQ(run.app.frmOptions().tbResourceFileLimit.Text(), "5"); }},
        BadValueCase{"Paths", "SCRIPTSPathOption", "maybe", "False",
                     [](test::ProgramRun& run) { EXPECT_EQ(run.Main().settings.SCRIPTSPathOption, 0); }},
        BadValueCase{"UserTags", "PadDigits", "20", "2",
                     [](test::ProgramRun& run) {
                       EXPECT_EQ(run.Main().settings.PADDIGITS, 2);
                       EXPECT_EQ(run.app.frmVARSetup().vsPadCounter.Value(), 2);
                     }},
        BadValueCase{"UserTags", "CounterStart", "one", "1",
                     [](test::ProgramRun& run) { EXPECT_EQ(run.app.frmVARSetup().tbCounterStart.Text(), "1"); }}));

TEST_F(StartupTest, AStoredCounterStartBeyondSixteenBitsIsReadInFull) {
  Store("UserTags", "CounterStart", "70000");
  test::ProgramRun run(services, clock);
  run.Start();
  EXPECT_EQ(run.Main().settings.COUNTERSTART, 70000);
}

TEST_F(StartupTest, OnlyMinusOneSelectsTheSameLocation) {
  Store("Startup", "SaveAsOriginalLocation", "1");
  test::ProgramRun run(services, clock);
  run.Start();
  EXPECT_FALSE(run.Main().optOriginalLocation.Value());
  EXPECT_TRUE(run.Main().optSpecFolder.Value());
}

TEST_F(StartupTest, AGoneDrawingFolderFallsBackToTheCurrentFolder) {
  const std::string deep = "C:\\Jobs\\" + std::string(200, 'd');
  for (const std::string& source : {std::string("C:\\Jobs\\Renamed"), std::string("Q:\\Jobs"), deep}) {
    Store("Paths", "Source", source);
    test::ProgramRun run(services, clock);
    // A folder too long for the message is shortened in the middle.
    const std::string shown =
        source.size() > 93 ? source.substr(0, 45) + "..." + source.substr(source.size() - 45) : source;
    run.backend.ExpectMessage(" No big deal...",
                              std::string(" The previously saved working-path is unavailable (possibly renamed)...") +
                                  shown + "\r Defaulting to current path.");
    run.Start();
    EXPECT_EQ(run.Main().Dir1.Path(), "C:\\") << source;
    EXPECT_EQ(run.Main().tbPostBatch.Text(), "_SDI 0") << source;
  }
}

// A drawing folder on a network share comes back silently and is stored again at close; one
// that is gone is reported as a gone folder on a drive is.
TEST_F(StartupTest, ANetworkDrawingFolderIsRestored) {
  fileSystem.AddShare("\\\\server\\share");
  fileSystem.AddFolder("\\\\server\\share\\jobs");
  Store("Paths", "Source", "\\\\server\\share\\jobs");
  {
    test::ProgramRun run(services, clock);
    run.Start();
    EXPECT_EQ(run.Main().Dir1.Path(), "\\\\server\\share\\jobs");
    run.Close();
  }
  EXPECT_EQ(Stored("Paths", "Source"), "\\\\server\\share\\jobs");

  Store("Paths", "Source", "\\\\server\\share\\gone");
  test::ProgramRun run(services, clock);
  run.backend.ExpectMessage(" No big deal...",
                            " The previously saved working-path is unavailable (possibly renamed)..."
                            "\\\\server\\share\\gone\r Defaulting to current path.");
  run.Start();
  EXPECT_EQ(run.Main().Dir1.Path(), "C:\\");
}

TEST_F(StartupTest, SaveAsWinsOverTestRunWhenBothWereStored) {
  Store("Startup", "SAVEAS", "1");
  Store("Startup", "TestRun", "1");
  test::ProgramRun run(services, clock);
  run.Start();
  EXPECT_EQ(run.Main().chkSaveAS.Value(), 1);
  EXPECT_EQ(run.Main().chkTestRun.Value(), 0);
}

TEST_F(StartupTest, AutoCadLtClearsTestRunAndGreysTheLispWizards) {
  Store("Startup", "LT", "1");
  Store("Startup", "TestRun", "1");
  test::ProgramRun run(services, clock);
  run.Start();
  EXPECT_EQ(run.Main().chkTestRun.Value(), 0);
  EXPECT_FALSE(run.Main().chkTestRun.Enabled());
  EXPECT_EQ(run.Main().settings.TestRun, 0);
  mainwindow::frmMain& main = run.Main();
  for (ui::MenuItem* item :
       {&main.mnuReportLimitsWiz, &main.mnuReportTextWiz, &main.mnuRepTextWiz, &main.mnuTBWiz, &main.mnuMTEXTSnR}) {
    EXPECT_FALSE(item->Enabled()) << item->Name();
  }
  for (ui::MenuItem* item : {&main.mnuRenameLayoutTabs, &main.mnuCopyPageSetups, &main.mnuPurgeWiz}) {
    EXPECT_TRUE(item->Enabled()) << item->Name();
  }
}

TEST_F(StartupTest, TheDelayBoxLoadsAsOnForTheBuilder) {
  Store("Startup", "UseDelay", "1");
  Store("Startup", "DebugComments", "0");
  test::ProgramRun run(services, clock);
  run.Start();
  EXPECT_EQ(run.Main().chkDelay.Value(), 1);
  EXPECT_EQ(run.Main().settings.UseDelay, -1);
  EXPECT_EQ(run.Main().settings.DebugComments, 0);
}

// A queue longer than the block the start reads at a time keeps every line, whatever ends it,
// and its last line.
TEST_F(StartupTest, ALongQueueIsRestoredLineForLine) {
  const char* const ends[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
  std::string file;
  std::vector<std::string> expected;
  for (int i = 0; i < 6000; ++i) {
    expected.push_back("C:\\Jobs\\Folder" + std::to_string(i % 7) + "\\Drawing" + std::to_string(i) + ".dwg");
    file += expected.back() + ends[i % 4];
    if (i % 4 == 3) expected.emplace_back();
  }
  file += "C:\\Last.dwg";
  expected.emplace_back("C:\\Last.dwg");
  fileSystem.AddFile(Data("drafter1-list.tmp"), file);
  test::ProgramRun run(services, clock);
  run.Start();
  std::vector<std::string> queue;
  for (int i = 0; i < run.Main().List1.ListCount(); ++i) queue.push_back(run.Main().List1.List(i));
  EXPECT_EQ(queue, expected);
}

struct RestoreCase {
  const char* name;
  const char* queueFile;   // nullptr: no file
  const char* scriptFile;  // nullptr: no file
  const char* nameFile;    // nullptr: no file
  std::vector<std::string> queue;
  std::string script;
  std::string scriptName;
};

class RestoreTest : public StartupTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreTest, RestoresTheWorkingSet) {
  const RestoreCase& c = GetParam();
  if (c.queueFile) fileSystem.AddFile(Data("drafter1-list.tmp"), c.queueFile);
  if (c.scriptFile) fileSystem.AddFile(Data("drafter1-scr.tmp"), c.scriptFile);
  if (c.nameFile) fileSystem.AddFile(Data("drafter1-s.tmp"), c.nameFile);
  test::ProgramRun run(services, clock);
  run.Start();
  mainwindow::frmMain& main = run.Main();
  std::vector<std::string> queue;
  for (int i = 0; i < main.List1.ListCount(); ++i) queue.push_back(main.List1.List(i));
  EXPECT_EQ(queue, c.queue);
  EXPECT_EQ(main.Text1.Text(), c.script);
  EXPECT_EQ(main.Text2.Text(), c.scriptName);
  EXPECT_EQ(main.settings.SCRChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RestoreTest,
    ::testing::Values(
        RestoreCase{"Complete",
                    "C:\\A.dwg\r\nC:\\B.dwg\r\n",
                    "ZOOM\r\nQSAVE\r\n",
                    "Plot\r\n",
                    {"C:\\A.dwg", "C:\\B.dwg"},
                    "ZOOM\r\nQSAVE",
                    "Plot"},
        RestoreCase{"EmptyLinesAreEntries", "C:\\A.dwg\r\n\r\n\r\n", nullptr, nullptr, {"C:\\A.dwg", "", ""}, "", ""},
        RestoreCase{"ScriptOfOneLineEnd", nullptr, "\r\n", nullptr, {}, "", ""},
        RestoreCase{"ScriptOfOneCharacter", nullptr, "x", nullptr, {}, "", ""},
        RestoreCase{"ScriptEndingWithALineEnd", nullptr, "ZOOM\r\n\r\n", nullptr, {}, "ZOOM\r\n", ""},
        RestoreCase{"EmptyNameFile", "C:\\A.dwg\r\n", "Z\r\n", "", {"C:\\A.dwg"}, "Z", ""}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace

namespace {

TEST(StartupMessagesTest, TheTwoStartupFailureMessages) {
  EXPECT_EQ(app::SystemIssueMessage(runtime::Error(53)),
            "System Issue #53\r\nFile not found\r\n0\r\n\r\n0\r\n\r\nPlease contact support@tornavane.example.");
  EXPECT_EQ(app::MissingComponentMessage(),
            "Necessary Component Not installed.\r\nPlease run the Installer from\r\n"
            "https://tornavane.example/download\r\n\r\nAborting");
  EXPECT_TRUE(app::IsMissingComponent(runtime::Error(429)));
  EXPECT_FALSE(app::IsMissingComponent(runtime::Error(53)));
}

}  // namespace
