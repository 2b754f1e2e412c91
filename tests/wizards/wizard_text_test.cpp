// The text each small wizard hands to the user script, byte for byte (program folder C:\Tv).
#include "wizards/wizard_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace wizards;

constexpr const char* kFolder = "C:\\Tv";

struct Case {
  const char* name;
  std::string userScript;
  std::string (*generate)(const std::string& userScript);
  std::string expected;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

PurgeInputs PurgeOf(std::size_t chosen) {
  PurgeInputs inputs;
  inputs.chosen = {};
  inputs.chosen[chosen] = true;
  return inputs;
}

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"PurgeInitialOnEmptyScript", "", [](const std::string& s) { return PurgeScript({}, s); },
       "-PURGE\r\nA\r\n*\r\nN\r\n;-------------"},
      {"PurgeBlocks", "", [](const std::string& s) { return PurgeScript(PurgeOf(1), s); },
       "-PURGE\r\nB\r\n*\r\nN\r\n;-------------"},
      {"PurgeDimstyles", "", [](const std::string& s) { return PurgeScript(PurgeOf(2), s); },
       "-PURGE\r\nD\r\n*\r\nN\r\n;-------------"},
      {"PurgeLayers", "", [](const std::string& s) { return PurgeScript(PurgeOf(3), s); },
       "-PURGE\r\nLA\r\n*\r\nN\r\n;-------------"},
      {"PurgeLineTypes", "", [](const std::string& s) { return PurgeScript(PurgeOf(4), s); },
       "-PURGE\r\nLT\r\n*\r\nN\r\n;-------------"},
      {"PurgePlotStyles", "", [](const std::string& s) { return PurgeScript(PurgeOf(5), s); },
       "-PURGE\r\nP\r\n*\r\nN\r\n;-------------"},
      {"PurgeShapes", "", [](const std::string& s) { return PurgeScript(PurgeOf(6), s); },
       "-PURGE\r\nSH\r\n*\r\nN\r\n;-------------"},
      {"PurgeTextStyles", "", [](const std::string& s) { return PurgeScript(PurgeOf(7), s); },
       "-PURGE\r\nST\r\n*\r\nN\r\n;-------------"},
      {"PurgeMLineStyles", "", [](const std::string& s) { return PurgeScript(PurgeOf(8), s); },
       "-PURGE\r\nM\r\n*\r\nN\r\n;-------------"},
      // A script ending with a line end gets no second one: no empty line before the block.
      {"PurgeAfterCompleteLine", "ZOOM\r\nE\r\n", [](const std::string& s) { return PurgeScript({}, s); },
       "ZOOM\r\nE\r\n-PURGE\r\nA\r\n*\r\nN\r\n;-------------"},
      {"PurgeAfterUnendedLine", "ZOOM E", [](const std::string& s) { return PurgeScript({}, s); },
       "ZOOM E\r\n-PURGE\r\nA\r\n*\r\nN\r\n;-------------"},
      {"LimitsThenPurgeLineTypes", "",
       [](const std::string& s) { return PurgeScript(PurgeOf(4), LimitsScript({}, kFolder, s)); },
       "(LOAD \"C:/TV/LISP/LIMITS_OUT.LSP\")\r\n;-------------\r\nLIMITS_OUT\r\nC:\\LIMITS_OUT.CSV\r\n"
       ";-------------\r\n-PURGE\r\nLT\r\n*\r\nN\r\n;-------------"},
      {"LimitsEmptiedReport", "", [](const std::string& s) { return LimitsScript({.output = ""}, kFolder, s); },
       "(LOAD \"C:/TV/LISP/LIMITS_OUT.LSP\")\r\n;-------------\r\nLIMITS_OUT\r\n\r\n;-------------"},
      // The load line fixes the program folder in upper case with slashes; the tags in the
      // report path stay for the batch builder.
      {"LogTextInitialAfterCompleteLines", "ZOOM\r\nE\r\n",
       [](const std::string& s) { return LogTextScript({}, kFolder, s); },
       "ZOOM\r\nE\r\n(LOAD \"C:/TV/LISP/LOG_TEXT.LSP\")\r\n;-------------\r\nLOG_TEXT\r\n*SEARCH TEXT*\r\nALL\r\n\r\n"
       "$TOR_PATH$DATA/$USER$-TextLog.lst\r\n;-------------"},
      {"LogTextProgramFolderWithBlanks", "",
       [](const std::string& s) {
         return LogTextScript({.searchFor = "a*b", .output = "c:\\Logs\\x.lst"}, "D:\\Cad Tools\\tv", s);
       },
       "(LOAD \"D:/CAD "
       "TOOLS/TV/LISP/LOG_TEXT.LSP\")\r\n;-------------\r\nLOG_TEXT\r\na*b\r\nALL\r\n\r\nc:\\Logs\\x.lst\r\n"
       ";-------------"},
      {"RepTextTextBlocksAndMtext", "",
       [](const std::string& s) {
         return RepTextScript({.searchFor = "OLD",
                               .replaceText = "NEW",
                               .regularText = true,
                               .dimensions = false,
                               .blocks = true,
                               .mtext = true},
                              kFolder, s);
       },
       "(LOAD \"C:/TV/LISP/REPTEXT.LSP\")\r\n;-------------\r\nREPTEXT\r\nOLD\r\nNEW\r\nY\r\nN\r\nY\r\nY\r\nALL\r\n\r\n"
       ";-------------\r\n-VBALOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n-VBARUN MTEXT.SearchAndReplace\r\nOLD\r\nNEW\r\n"
       "VBAUNLOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n;-------------"},
      {"RepTextOnlyMtextAnswersNoThrice", "",
       [](const std::string& s) {
         return RepTextScript({.searchFor = "OLD", .replaceText = "NEW", .regularText = false, .mtext = true}, kFolder,
                              s);
       },
       "(LOAD \"C:/TV/LISP/REPTEXT.LSP\")\r\n;-------------\r\nREPTEXT\r\nOLD\r\nNEW\r\nN\r\nN\r\nN\r\nALL\r\n\r\n"
       ";-------------\r\n-VBALOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n-VBARUN MTEXT.SearchAndReplace\r\nOLD\r\nNEW\r\n"
       "VBAUNLOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n;-------------"},
      // Texts go in exactly as typed: blanks kept, empty boxes give empty lines.
      {"RepTextAfterSeparatorKeepsBlanks", ";-------------",
       [](const std::string& s) {
         return RepTextScript({.searchFor = " a b ", .replaceText = "", .dimensions = true}, kFolder, s);
       },
       ";-------------\r\n(LOAD \"C:/TV/LISP/REPTEXT.LSP\")\r\n;-------------\r\nREPTEXT\r\n a b "
       "\r\n\r\nY\r\nY\r\nN\r\n"
       "ALL\r\n\r\n;-------------"},
      {"MtextAloneOnEmptyScript", "",
       [](const std::string& s) { return MtextScript({.source = "Rev A", .replace = "Rev B"}, s); },
       "-VBALOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n-VBARUN MTEXT.SearchAndReplace\r\nRev A\r\nRev B\r\n"
       "VBAUNLOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n;-------------"},
      {"MtextAfterAnotherBlock", "-PURGE\r\nA\r\n*\r\nN\r\n;-------------",
       [](const std::string& s) { return MtextScript({}, s); },
       "-PURGE\r\nA\r\n*\r\nN\r\n;-------------\r\n-VBALOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n"
       "-VBARUN MTEXT.SearchAndReplace\r\n\r\n\r\nVBAUNLOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n;-------------"},
  };
  return cases;
}

class WizardTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(WizardTextTest, GivesTheExactUserScript) {
  const Case& c = GetParam();
  EXPECT_EQ(c.generate(c.userScript), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Wizards, WizardTextTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& tested) { return std::string(tested.param.name); });

}  // namespace
