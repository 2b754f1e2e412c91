#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/batch_log.h"
#include "platform/fake/fake_locale.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

batch::BatchLogInput SampleInput() {
  batch::BatchLogInput in;
  in.now = runtime::DateTime{2026, 3, 7, 9, 4, 5};
  in.user = "drafter1";
  in.computer = "CADSTATION";
  in.osPlatform = "Windows NT";
  in.os = "Windows XP";
  in.appTitle = "Tornavane for AutoCAD";
  in.appVersion = "1.0.0";
  in.LT = 1;
  in.AutoCADEXE = "C:\\ACAD\\acad.exe";
  in.normalOutputPathChosen = false;
  in.normalOutputPath = "C:\\ACAD\\Support\\tornavane.scr";
  in.altOutputPathChosen = true;
  in.altOutputPath = "D:\\Scripts\\tv.scr";
  in.preBatch = "_SDI 1";
  in.userScript = "ZOOM\r\nE\r\nREGEN";
  in.testRunCheckbox = 1;
  in.saveAsFormat = "2018";
  in.queue = {"C:\\DWG\\A.dwg", "C:\\DWG\\B.dwg"};
  return in;
}

TEST(BatchLogRecordTest, HoldsEveryLineInOrder) {
  platform::fake::FakeLocale locale;
  const std::string stars(91, '*');
  const std::string golden = stars +
                             "\r\n"
                             "DATE: 3/7/2026\r\n"
                             "TIME: 09:04:05\r\n"
                             "USER: drafter1\r\n"
                             "PC: CADSTATION\r\n"
                             "Operating Platform: Windows NT\r\n"
                             "Operating System: Windows XP\r\n"
                             "Tornavane Title: Tornavane for AutoCAD\r\n"
                             "Tornavane Version: 1.0.0\r\n"
                             "AutoCAD R14 Compatibility : 0\r\n"
                             "AutoCAD LT Compatibility: 1\r\n"
                             "AutoCAD Executable: C:\\ACAD\\acad.exe\r\n"
                             "AutoCAD Switches: \r\n"
                             "Standard Output Path Selected: False\r\n"
                             "Tornavane Batch Output Path: C:\\ACAD\\Support\\tornavane.scr\r\n"
                             "Standard Alternate Output Path Selected: True\r\n"
                             "Tornavane Altername Output Path: D:\\Scripts\\tv.scr\r\n"
                             "Text Editor: \r\n"
                             "PRE Batch: _SDI 1\r\n"
                             "PRE UserScript: \r\n"
                             "User Script: ZOOM\r\n"
                             "E\r\n"
                             "REGEN\r\n"
                             "POST User Script: \r\n"
                             "POST Batch: \r\n"
                             "Delay Checkbox: 0\r\n"
                             "TestRun Checkbox: 1\r\n"
                             "SaveAS Checkbox: 0\r\n"
                             "SaveAS Output Format: 2018\r\n"
                             "SaveAS Output Prefix: \r\n"
                             "SaveAS Output Suffix: \r\n"
                             "C:\\DWG\\A.dwg\r\n"
                             "C:\\DWG\\B.dwg\r\n" +
                             stars + "\r\n";
  EXPECT_EQ(Joined(batch::BatchLogRecord(SampleInput(), locale)), golden);
}

TEST(BatchLogRecordTest, ListsEveryDrawingBetweenTheSettingsAndTheClosingLine) {
  platform::fake::FakeLocale locale;
  batch::BatchLogInput in = SampleInput();
  in.queue.clear();
  for (int i = 0; i < 200; ++i) in.queue.push_back("C:\\DWG\\" + std::to_string(i) + ".dwg");
  std::vector<std::string> lines = batch::BatchLogRecord(in, locale);
  ASSERT_EQ(lines.size(), 29u + 200u + 1u);
  EXPECT_EQ(lines[28], "SaveAS Output Suffix: ");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 29, lines.end() - 1), in.queue);
  EXPECT_EQ(lines.back(), std::string(91, '*'));
}

TEST(BatchLogRecordTest, WritesTheTimeOnTheTwentyFourHourClock) {
  platform::fake::FakeLocale locale;
  batch::BatchLogInput in = SampleInput();
  in.now = runtime::DateTime{2026, 12, 31, 23, 59, 58};
  std::vector<std::string> lines = batch::BatchLogRecord(in, locale);
  EXPECT_EQ(lines[1], "DATE: 12/31/2026");
  EXPECT_EQ(lines[2], "TIME: 23:59:58");
}

}  // namespace
