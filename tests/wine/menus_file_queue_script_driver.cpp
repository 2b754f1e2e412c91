// Works every entry of the main window's File, Queue and Script menus and of the queue's pop-up
// menu in a running Tornavane with real keys (SendInput), one row of a table each: the keys
// that reach the entry, then what must follow (a window, a message box, the queue's order, the
// list's text size, the clipboard, a started program, a written file), then the window or box
// is put away. Prints one line per row and exits non-zero at the first row that fails.
//
// Usage: menus_file_queue_script_driver.exe <drawings folder\> <DATA folder\> <user>
//          <editor's record file> <drawing opener's record file>
//        menus_file_queue_script_driver.exe simple     (the program runs in Simple Mode)
// The queue must start as B1, A10, A2, B1, C3 (.dwg) of the drawings folder, the user script
// must hold a double blank, the batch script must be named tornavane.scr, the browser must not
// show the drawings folder, and the text editor and the program that opens drawings must be
// stand-ins that record their command line.

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"
#include "menu_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{20000, 50};
constexpr Patience kGlance{2000, 50};
const std::string kAppTitle = "Tornavane for AutoCAD";

enum class Kind {
  kForm,       // a form of the program, by name, is shown; it is put away
  kBox,        // a message box "title|text" (text optional) is shown; answered with the keys
  kQueue,      // the queue's entries, joined by "|"
  kTextSize,   // the queue's item height grows ("+") or shrinks ("-")
  kClipboard,  // the clipboard's text
  kLaunch,     // "record file|text": a stand-in was started, its command line holds the text
  kFile,       // "file|text": the file is written anew and holds the text
  kBrowser,    // the drawing browser lists the file name
  kExplorer,   // an Explorer window opens; it is closed
  kMenuOpen,   // a menu is dropped down and the named check box of frmMain stays unticked
  kEnds,       // the main window goes away
  kAbsent,     // the form does not show; an open menu is then closed with the keys
};

struct Check {
  Kind kind;
  std::string value;
  std::string answer = "enter";
};

struct Row {
  std::string entry;
  int select;  // the queue entry clicked first, -1 for none
  std::string keys;
  std::vector<Check> checks;
};

struct Paths {
  std::string folder, data, user, editorRecord, openerRecord;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : "|") + item;
  return text;
}

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

HWND Main() {
  return WaitForForm(kPatience, "frmMain");
}

HWND Queue() {
  return Need(Main(), "List1");
}

int ItemHeight() {
  return static_cast<int>(SendMessageA(Queue(), LB_GETITEMHEIGHT, 0, 0));
}

HWND FindExplorer() {
  for (const char* windowClass : {"ExplorerWClass", "CabinetWClass"}) {
    if (HWND window = FindTop(windowClass, nullptr)) return window;
  }
  return nullptr;
}

// What a check needs before the keys: the old state it compares with, or a clean slate.
int Prepare(const Check& check) {
  switch (check.kind) {
    case Kind::kTextSize:
      return ItemHeight();
    case Kind::kClipboard:
      EmptyTheClipboard();
      return 0;
    case Kind::kLaunch:
    case Kind::kFile:
      DeleteFileA(Before(check.value, '|').c_str());
      return 0;
    default:
      return 0;
  }
}

void ExpectBox(const Check& check) {
  HWND box = WaitForBox(kPatience, Before(check.value, '|'));
  std::string text = After(check.value, '|');
  if (!text.empty() && BoxText(box) != text) Fail("the box reads '" + BoxText(box) + "', not '" + text + "'");
  BringToFront(box, kPatience);
  PressKeys(check.answer, kPatience);
  if (!Poll(kPatience, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) Fail("the box stays open");
}

void ExpectContent(const Check& check) {
  std::string path = Before(check.value, '|');
  std::string text = After(check.value, '|');
  if (!Poll(kPatience, [&] { return FileText(path).find(text) != std::string::npos; })) {
    Fail(path + " holds '" + FileText(path) + "', not '" + text + "'");
  }
}

void Verify(const Check& check, int before) {
  switch (check.kind) {
    case Kind::kForm: {
      HWND form = WaitForForm(kPatience, check.value);
      PutAway(form, kPatience, check.value);
      break;
    }
    case Kind::kBox:
      ExpectBox(check);
      break;
    case Kind::kQueue:
      if (!Poll(kPatience, [&] { return Joined(ListItems(Queue())) == check.value; })) {
        Fail("the queue is " + Joined(ListItems(Queue())));
      }
      break;
    case Kind::kTextSize: {
      bool larger = check.value == "+";
      if (!Poll(kPatience, [&] { return larger ? ItemHeight() > before : ItemHeight() < before; })) {
        Fail("the item height stays " + std::to_string(ItemHeight()));
      }
      break;
    }
    case Kind::kClipboard:
      if (!Poll(kPatience, [&] { return ClipboardText() == check.value; }))
        Fail("the clipboard holds " + ClipboardText());
      break;
    case Kind::kLaunch:
    case Kind::kFile:
      ExpectContent(check);
      break;
    case Kind::kBrowser: {
      HWND files = Need(Main(), "File1");
      auto listed = [&] {
        std::vector<std::string> names = ListItems(files);
        return std::any_of(names.begin(), names.end(),
                           [&](const std::string& name) { return Lower(name) == check.value; });
      };
      if (!Poll(kPatience, listed)) Fail("the browser lists " + Joined(ListItems(files)));
      break;
    }
    case Kind::kExplorer: {
      HWND explorer = nullptr;
      WaitOrFail(kPatience, "an Explorer window", [&] { return (explorer = FindExplorer()) != nullptr; });
      PostMessageA(explorer, WM_CLOSE, 0, 0);
      if (!Poll(kPatience, [] { return FindExplorer() == nullptr; })) Fail("Explorer stays open");
      break;
    }
    case Kind::kMenuOpen: {
      WaitMenu(kGlance, true);
      HWND box = Need(Main(), check.value);
      if (SendMessageA(box, BM_GETCHECK, 0, 0) != BST_UNCHECKED) Fail(check.value + " was ticked");
      PressKeys(check.answer, kPatience);
      WaitMenu(kPatience, false);
      if (SendMessageA(box, BM_GETCHECK, 0, 0) != BST_UNCHECKED) Fail(check.value + " was ticked");
      break;
    }
    case Kind::kAbsent:
      if (Poll(kGlance, [&] { return FindForm(check.value) != nullptr; })) Fail(check.value + " was shown");
      if (MenuOpen()) PressKeys(check.answer, kPatience);
      break;
    case Kind::kEnds:
      if (!Poll(kPatience, [] { return FindForm("frmMain") == nullptr; })) Fail("the main window stays");
      break;
  }
}

void Run(const Row& row) {
  HWND main = Main();
  std::vector<int> before;
  for (const Check& check : row.checks) before.push_back(Prepare(check));
  if (row.select >= 0) {
    ClickListItem(Queue(), row.select);
    WaitOrFail(kPatience, "the queue's selection",
               [&] { return SendMessageA(Queue(), LB_GETSEL, static_cast<WPARAM>(row.select), 0) > 0; });
  } else {
    BringToFront(main, kPatience);
  }
  PressKeys(row.keys, kPatience);
  for (std::size_t i = 0; i < row.checks.size(); ++i) Verify(row.checks[i], before[i]);
  if (row.checks.back().kind != Kind::kEnds) {
    WaitMenu(kPatience, false);
    WaitForInput(kPatience, Main(), "the main window");
  }
  Report("ok: " + row.entry);
}

// The queue entries of the drawings folder, by name.
std::string Entries(const Paths& paths, std::initializer_list<const char*> names) {
  std::vector<std::string> entries;
  for (const char* name : names) entries.push_back(paths.folder + name + ".dwg");
  return Joined(entries);
}

std::string Copied(const std::string& count) {
  return kAppTitle + "|" + count + " Items Copied to the Clipboard";
}

// The menu bar: File, Queue and Script. Shared letters (Script's C) go by arrows: the first
// entry is highlighted when a menu opens from the keyboard.
std::vector<Row> MenuBarRows(const Paths& p) {
  const std::string report = p.editorRecord + "|" + p.user + "-DWGVersion.csv";
  return {
      {"Alt+T opens Tools and leaves Test Run unticked", -1, "alt+t", {{Kind::kMenuOpen, "chkTestRun", "esc,esc"}}},
      {"File > Save Settings Now",
       -1,
       "alt+f,menu,s",
       {{Kind::kFile, p.data + p.user + "-list.tmp|" + p.folder + "A10.dwg"}}},
      {"Queue > Remove Duplicates",
       -1,
       "alt+q,menu,r",
       {{Kind::kBox, kAppTitle + "|1 Duplicate Items Removed "},
        {Kind::kQueue, Entries(p, {"A10", "A2", "B1", "C3"})}}},
      {"Queue > Sort > Descending", -1, "alt+q,menu,s,d", {{Kind::kQueue, Entries(p, {"C3", "B1", "A2", "A10"})}}},
      {"Queue > Sort > Ascending", -1, "alt+q,menu,s,a", {{Kind::kQueue, Entries(p, {"A10", "A2", "B1", "C3"})}}},
      {"Queue > Sort > Smart-Sort", -1, "alt+q,menu,s,s", {{Kind::kQueue, Entries(p, {"A2", "B1", "C3", "A10"})}}},
      {"Queue > Sort > Reverse", -1, "alt+q,menu,s,r", {{Kind::kQueue, Entries(p, {"A10", "C3", "B1", "A2"})}}},
      {"Queue > Verify Files", -1, "alt+q,menu,v", {{Kind::kBox, "Files Verified|All Files in Queue are Available."}}},
      {"Queue > Report DWG files AutoCAD Version", -1, "alt+q,menu,e", {{Kind::kLaunch, report}}},
      {"Queue > File Lists", -1, "alt+q,menu,f", {{Kind::kForm, "frmFileLists"}}},
      {"Script > Script Editor", -1, "alt+s,menu,e", {{Kind::kForm, "frmSCREdit"}}},
      {"Script > Script Browser", -1, "alt+s,menu,b", {{Kind::kForm, "frmScrBrowser"}}},
      {"Script > Check Script Syntax",
       -1,
       "alt+s,menu,down,down,enter",
       {{Kind::kBox, "(Only a Warning - Script will still be created)"}, {Kind::kBox, "Tornavane"}}},
      {"Script > Create Batch Script in a Different Location",
       -1,
       "alt+s,menu,down,down,down,enter",
       {{Kind::kForm, "frmWriteScriptToLoc"}}},
      {"Script > View \"tornavane.scr\"", -1, "alt+s,menu,v", {{Kind::kLaunch, p.editorRecord + "|\\tornavane.scr"}}},
  };
}

// The queue's pop-up, opened with Shift+F10 or the Menu key on the clicked entry. Nothing is
// highlighted when it opens: n+1 downs reach entry n; its shared letters (O, C) go by arrows.
std::vector<Row> PopupRows(const Paths& p) {
  const std::string lower = Lower(p.folder);
  auto lowered = [&](std::initializer_list<const char*> names) {
    std::vector<std::string> entries;
    for (const char* name : names) entries.push_back(lower + Lower(name) + ".dwg");
    return Joined(entries);
  };
  const std::string downs5 = "down,down,down,down,down";
  const std::string report = p.editorRecord + "|" + p.user + "-DWGVersion.csv";
  return {
      {"pop-up > Sort > Descending", 0, "shift+f10,menu,s,d", {{Kind::kQueue, Entries(p, {"C3", "B1", "A2", "A10"})}}},
      {"pop-up > Sort > Ascending", 0, "apps,menu,s,a", {{Kind::kQueue, Entries(p, {"A10", "A2", "B1", "C3"})}}},
      {"pop-up > Sort > Smart-Sort", 0, "shift+f10,menu,s,m", {{Kind::kQueue, Entries(p, {"A2", "B1", "C3", "A10"})}}},
      {"pop-up > Sort > Reverse", 0, "shift+f10,menu,s,r", {{Kind::kQueue, Entries(p, {"A10", "C3", "B1", "A2"})}}},
      {"pop-up > Text Size > Larger", 0, "shift+f10,menu,t,l", {{Kind::kTextSize, "+"}}},
      {"pop-up > Text Size > Smaller", 0, "shift+f10,menu,t,s", {{Kind::kTextSize, "-"}}},
      {"pop-up > Change Case > UPPER",
       0,
       "shift+f10,menu," + downs5 + ",right,u",
       {{Kind::kQueue, Upper(Entries(p, {"A10", "C3", "B1", "A2"}))}}},
      {"pop-up > Change Case > lower",
       0,
       "shift+f10,menu," + downs5 + ",right,l",
       {{Kind::kQueue, lowered({"A10", "C3", "B1", "A2"})}}},
      {"pop-up > Copy to Clipboard > All > Paths and Filenames",
       0,
       "shift+f10,menu,up,right,a,p",
       {{Kind::kBox, Copied("4")},
        {Kind::kClipboard, lower + "a10.dwg\r\n" + lower + "c3.dwg\r\n" + lower + "b1.dwg\r\n" + lower + "a2.dwg"}}},
      {"pop-up > Copy to Clipboard > All > Filenames With Extension",
       0,
       "shift+f10,menu,up,right,a,f",
       {{Kind::kBox, Copied("4")}, {Kind::kClipboard, "a10.dwg\r\nc3.dwg\r\nb1.dwg\r\na2.dwg"}}},
      {"pop-up > Copy to Clipboard > All > Filenames Without Extension",
       0,
       "shift+f10,menu,up,right,a,w",
       {{Kind::kBox, Copied("4")}, {Kind::kClipboard, "a10\r\nc3\r\nb1\r\na2"}}},
      {"pop-up > Copy to Clipboard > All > Filename(s) Comma Separated",
       0,
       "shift+f10,menu,up,right,a,c",
       {{Kind::kBox, Copied("4")}, {Kind::kClipboard, "a10, c3, b1, a2"}}},
      {"pop-up > Copy to Clipboard > Selected > Path(s) and Filename(s)",
       1,
       "shift+f10,menu,up,right,s,p",
       {{Kind::kBox, Copied("1")}, {Kind::kClipboard, lower + "c3.dwg\r\n"}}},
      {"pop-up > Copy to Clipboard > Selected > Filename(s) With Extension",
       1,
       "shift+f10,menu,up,right,s,f",
       {{Kind::kBox, Copied("1")}, {Kind::kClipboard, "c3.dwg\r\n"}}},
      {"pop-up > Copy to Clipboard > Selected > Filename(s) Without Extension",
       1,
       "shift+f10,menu,up,right,s,w",
       {{Kind::kBox, Copied("1")}, {Kind::kClipboard, "c3\r\n"}}},
      {"pop-up > Copy to Clipboard > Selected > Filename(s) Comma Separated",
       1,
       "shift+f10,menu,up,right,s,c",
       {{Kind::kBox, Copied("1")}, {Kind::kClipboard, "c3"}}},
      {"pop-up > Report DWG Versions", 0, "shift+f10,menu," + downs5 + ",down,down,enter", {{Kind::kLaunch, report}}},
      {"pop-up > File System Checks > Verify Files",
       0,
       "shift+f10,menu,f,v",
       {{Kind::kBox, "Files Verified|All Files in Queue are Available."}}},
      {"pop-up > File System Checks > Remove Duplicates",
       0,
       "shift+f10,menu,f,r",
       {{Kind::kBox, kAppTitle + "|0 Duplicate Items Removed "}, {Kind::kQueue, lowered({"A10", "C3", "B1", "A2"})}}},
      {"pop-up > Goto Dir", 2, "shift+f10,menu,g", {{Kind::kBrowser, "b1.dwg"}}},
      {"pop-up > Open Explorer in Directory",
       2,
       "shift+f10,menu," + downs5 + ",down,down,down,down,enter",
       {{Kind::kExplorer, ""}}},
      {"pop-up > Open Selected File(s)", 3, "shift+f10,menu,down,enter", {{Kind::kLaunch, p.openerRecord + "|a2.dwg"}}},
      {"pop-up > Remove > Selected Files", 0, "shift+f10,menu,r,s", {{Kind::kQueue, lowered({"C3", "B1", "A2"})}}},
      {"pop-up > Skip Past Selected File",
       0,
       "shift+f10,menu,k",
       {{Kind::kBox, "Skip?"},
        {Kind::kQueue, lowered({"B1", "A2"})},
        {Kind::kFile, p.data + "!Skipped_" + p.user + ".lst|" + lower + "c3.dwg\r\n"}}},
      {"pop-up > Remove > Unselected Files", 1, "shift+f10,menu,r,u", {{Kind::kQueue, lowered({"A2"})}}},
  };
}

// Simple Mode: the authoring entries are hidden, so neither their letters nor their shortcuts
// reach them, and the Script menu begins with the build to another location.
std::vector<Row> SimpleModeRows() {
  return {
      {"Ctrl+E is inert", -1, "ctrl+e", {{Kind::kAbsent, "frmSCREdit"}}},
      {"Ctrl+R is inert", -1, "ctrl+r", {{Kind::kAbsent, "frmFileRenamer"}}},
      {"Ctrl+T is inert", -1, "ctrl+t", {{Kind::kAbsent, "frmVARSetup"}}},
      {"Ctrl+P is inert", -1, "ctrl+p", {{Kind::kAbsent, "frmProjectTagManager"}}},
      {"Ctrl+O is inert", -1, "ctrl+o", {{Kind::kAbsent, "frmOptions"}}},
      {"Script has no Script Editor", -1, "alt+s,menu,e", {{Kind::kAbsent, "frmSCREdit", "esc,esc"}}},
      {"Script has no Script Browser", -1, "alt+s,menu,b", {{Kind::kAbsent, "frmScrBrowser", "esc,esc"}}},
      {"Script begins with Create Batch Script in a Different Location",
       -1,
       "alt+s,menu,enter",
       {{Kind::kForm, "frmWriteScriptToLoc"}}},
  };
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Row> rows;
  if (argc == 2 && std::string(argv[1]) == "simple") {
    rows = SimpleModeRows();
  } else if (argc == 6) {
    Paths paths{argv[1], argv[2], argv[3], argv[4], argv[5]};
    rows = MenuBarRows(paths);
    std::vector<Row> popup = PopupRows(paths);
    rows.insert(rows.end(), popup.begin(), popup.end());
  } else {
    Fail("usage: menus_file_queue_script_driver simple | folder data user editor-record opener-record");
  }
  rows.push_back({"File > Exit", -1, "alt+f,menu,x", {{Kind::kEnds, ""}}});
  for (const Row& row : rows) Run(row);
  return 0;
}
