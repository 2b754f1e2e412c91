#include "mainwindow/script_text.h"

#include <gtest/gtest.h>

#include <string>

#include "mainwindow/command_capture.h"

namespace {

using mainwindow::CaptureScript;

TEST(CodeLines, LispLoadLineIsUpperCaseWithForwardSlashes) {
  struct Case {
    const char* folder;
    const char* file;
    const char* line;
  };
  const Case cases[] = {
      {"C:\\Tools\\Lisp", "mylib.lsp", "(LOAD \"C:/TOOLS/LISP/MYLIB.LSP\")\r\n"},
      {"C:\\", "a.lsp", "(LOAD \"C://A.LSP\")\r\n"},
      {"\\\\Server\\Share\\Lisp", "x.LSP", "(LOAD \"//SERVER/SHARE/LISP/X.LSP\")\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(mainwindow::LispLoadLine(c.folder, c.file), c.line) << c.folder;
}

TEST(CodeLines, VbaRunLinesEscapeThePathForAutoLisp) {
  EXPECT_EQ(mainwindow::VbaRunLines("C:\\Macros", "tools.dvb"),
            ";REPLACE \"YOURMODULE.YOURMACRO\" WITH THE APPROPRIATE SUBROUTINE CALL\r\n"
            "(COMMAND \"-VBARUN\" \"C:\\\\MACROS\\\\TOOLS.DVB!YOURMODULE.YOURMACRO\")\r\n");
  // At a drive root the backslash and the added slash give four backslashes.
  EXPECT_EQ(mainwindow::VbaRunLines("C:\\", "a.dvb").substr(70),
            "(COMMAND \"-VBARUN\" \"C:\\\\\\\\A.DVB!YOURMODULE.YOURMACRO\")\r\n");
}

TEST(SearchAndReplace, OnePassWithOrWithoutLetterCase) {
  struct Case {
    const char* text;
    const char* search;
    const char* replacement;
    bool matchCase;
    const char* result;
  };
  const Case cases[] = {
      {"Zoom zoom ZOOM", "zoom", "ZOOM", false, "ZOOM ZOOM ZOOM"},
      {"Zoom zoom ZOOM", "zoom", "ZOOM", true, "Zoom ZOOM ZOOM"},
      {"ABA", "A", "AA", true, "AABAA"},
      {"aaaa", "aa", "a", true, "aa"},
      {"Zoom zoom", "", "X", false, "Zoom zoom"},
      {"", "a", "b", false, ""},
      {"LINE\r\nLINE", "\r\n", " ", true, "LINE LINE"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(mainwindow::ReplaceEvery(c.text, c.search, c.replacement, c.matchCase), c.result)
        << c.text << " / " << c.search << " / " << c.matchCase;
  }
}

TEST(ScriptBrowserText, PreviewDropsOnlyAFinalLineEnd) {
  EXPECT_EQ(mainwindow::PreviewText("ZOOM E\r\nQSAVE\r\n"), "ZOOM E\r\nQSAVE");
  EXPECT_EQ(mainwindow::PreviewText("ZOOM E"), "ZOOM E");
  EXPECT_EQ(mainwindow::PreviewText("ZOOM E\n"), "ZOOM E\n");
  EXPECT_EQ(mainwindow::PreviewText("\r\n"), "");
  EXPECT_EQ(mainwindow::PreviewText("Z"), "Z");
}

TEST(ScriptBrowserText, ScriptNameLosesAFinalScrInAnyCase) {
  EXPECT_EQ(mainwindow::ScriptNameOf("PURGE.scr"), "PURGE");
  EXPECT_EQ(mainwindow::ScriptNameOf("plot.SCR"), "plot");
  EXPECT_EQ(mainwindow::ScriptNameOf("a.scr.txt"), "a.scr.txt");
  EXPECT_EQ(mainwindow::ScriptNameOf(".scr"), "");
  EXPECT_EQ(mainwindow::ScriptNameOf(""), "");
}

TEST(CommandCapture, LineTests) {
  struct Case {
    const char* line;
    bool marker;
    bool doubleSpace;
    const char* script;
  };
  const Case cases[] = {
      {"Command: -LAYER", true, false, "-LAYER"},
      {"Enter file name: C:\\temp\\a", true, false, "\\TEMP\\A"},
      {"Select objects>  all ", true, true, "ALL"},
      {"Specify opposite corner: 12,10", true, false, mainwindow::kPickPointPlaceholder.data()},
      {"Specify opposite CORNER: 12,10", true, false, "12,10"},
      {"Enter an option [?/Make/Set/New/ON/OFF]:", true, false, ""},
      {"Regenerating model.", false, false, ""},
      {" ", false, false, ""},
      {"", false, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(mainwindow::HasPromptMarker(c.line), c.marker) << c.line;
    EXPECT_EQ(mainwindow::HasDoubleSpace(c.line), c.doubleSpace) << c.line;
    EXPECT_EQ(mainwindow::PromptLineToScript(c.line), c.script) << c.line;
  }
}

TEST(CommandCapture, WorkedExampleGivesTwelveLines) {
  const std::string history =
      "Command: -LAYER\r\n"
      "Current layer:  \"0\"\r\n"
      "Enter an option [?/Make/Set/New/ON/OFF]: m\r\n"
      "Enter name for new layer (becomes the current layer) <0>: walls\r\n"
      "Enter an option [?/Make/Set/New/ON/OFF]:\r\n"
      "Regenerating model.\r\n"
      "Specify opposite corner: 12,10";
  EXPECT_EQ(CaptureScript(history),
            ";BEGIN SCRIPT\r\n"
            ";Command: -LAYER\r\n"
            "-LAYER\r\n"
            ";Enter an option [?/Make/Set/New/ON/OFF]: m\r\n"
            "M\r\n"
            ";Enter name for new layer (becomes the current layer) <0>: walls\r\n"
            "WALLS\r\n"
            ";Enter an option [?/Make/Set/New/ON/OFF]:\r\n"
            "\r\n"
            ";Specify opposite corner: 12,10\r\n"
            ";< *** POINT(S) SELECTED WITH MOUSE - PLEASE REPLACE THIS LINE WITH COORDINATE(S) *** >\r\n"
            ";END SCRIPT");
}

TEST(CommandCapture, EdgesOfTheInput) {
  EXPECT_EQ(CaptureScript(""), ";BEGIN SCRIPT\r\n;END SCRIPT");
  // Every kind of line end ends a line, and a long line is taken whole.
  const std::string longAnswer(40000, 'x');
  EXPECT_EQ(CaptureScript("A: b\rC: d\nE: " + longAnswer + "\r\n"),
            ";BEGIN SCRIPT\r\n;A: b\r\nB\r\n;C: d\r\nD\r\n;E: " + longAnswer + "\r\n" + std::string(40000, 'X') +
                "\r\n;END SCRIPT");
  EXPECT_EQ(CaptureScript("  Command: LINE"), ";BEGIN SCRIPT\r\n;END SCRIPT");
}

TEST(CommandCapture, PasteCollapsesRunsOfLineEnds) {
  EXPECT_EQ(mainwindow::CollapseBlankLines("a\r\n\r\nb"), "a\r\nb");
  EXPECT_EQ(mainwindow::CollapseBlankLines("a\r\n\r\n\r\nb"), "a\r\n\r\nb");
  EXPECT_EQ(mainwindow::CollapseBlankLines("a\r\n\r\n\r\n\r\nb"), "a\r\n\r\nb");
  EXPECT_EQ(mainwindow::CollapseBlankLines("a\r\nb\n\nc"), "a\r\nb\n\nc");
}

}  // namespace
