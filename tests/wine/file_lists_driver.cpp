// Works the saved drawing lists of a running Tornavane with real input, as a user would: with
// two drawings queued, clicks "File&Lists", types a list name, clicks "&Save New" and "&Close",
// clears the queue with "Clear All" (answering Yes), opens "File&Lists" again and double-clicks
// the saved list in the window's file list; the queue is back with both drawings and the
// button reads "=File&Lists=". Closes the main window with Alt+F4. Prints one line per step;
// exits non-zero when a step does not show in time or shows the wrong thing.
//
//   file_lists_driver.exe "Tornavane v1.0.0" <list name> <first drawing> <second drawing>

#include <windows.h>

#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Probe>
void Await(const std::string& what, Probe probe) {
  WaitOrFail(kPatience, what, probe);
}

std::vector<std::string> Lines(HWND list) {
  std::vector<std::string> lines;
  for (int i = 0; i < ListCount(list); ++i) lines.push_back(ListLine(list, i));
  return lines;
}

int IndexOf(HWND list, const std::string& line) {
  for (int i = 0; i < ListCount(list); ++i) {
    if (ListLine(list, i) == line) return i;
  }
  return -1;
}

// Clicks into a text box, waits until it has the focus and types the text.
void TypeInto(HWND box, const std::string& text) {
  ClickToFocus(box, kPatience);
  TypeText(text);
  Await("the typed text", [&] { return TextOf(box) == text; });
}

HWND ShownMessageBox() {
  HWND box = FindWindowA("#32770", nullptr);
  return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

// Clicks a button of the main window and waits for the saved drawing lists window.
HWND OpenFileLists(HWND main) {
  ClickOn(Need(main, "cmdFileList"));
  HWND lists = WaitForForm(kPatience, "frmFileLists");
  Report("\"File&Lists\" opened the saved drawing lists");
  return lists;
}

void ExpectQueue(HWND queue, const std::vector<std::string>& expected, const std::string& what) {
  if (!Poll(kPatience, [&] { return Lines(queue) == expected; })) {
    std::string shown;
    for (const std::string& line : Lines(queue)) shown += "\n  " + line;
    Fail(what + ": the queue holds" + (shown.empty() ? std::string(" nothing") : shown));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) Fail("usage: file_lists_driver.exe <main window caption> <list name> <drawing> <drawing>");
  const std::string listName = argv[2];
  const std::vector<std::string> drawings = {argv[3], argv[4]};
  HWND main = WaitForMain(kPatience, argv[1]);
  WaitForInput(kPatience, main, "the main window");
  BringToFront(main, kPatience);
  HWND queue = Need(main, "List1");
  HWND button = Need(main, "cmdFileList");
  ExpectQueue(queue, drawings, "at start");
  Report("two drawings queued");

  HWND lists = OpenFileLists(main);
  HWND name = Need(lists, "txtbxListName");
  TypeInto(name, listName);
  ClickOn(Need(lists, "cmdSaveNew"));
  HWND files = Need(lists, "File1");
  Await("the saved list in the file list", [&] { return IndexOf(files, listName + ".LST") >= 0; });
  Report("\"&Save New\" listed " + listName + ".LST");
  ClickOn(Need(lists, "cmdExit"));
  Await("the list window to hide", [&] { return FindForm("frmFileLists") == nullptr; });
  WaitForInput(kPatience, main, "the main window");

  ClickOn(Need(main, "cmdRemoveAllDwg"));
  HWND box = nullptr;
  Await("the question before clearing", [&] { return (box = ShownMessageBox()) != nullptr; });
  HWND yes = GetDlgItem(box, IDYES);
  if (yes == nullptr) Fail("the question has no Yes button");
  ClickOn(yes);
  Await("the question to close", [&] { return !IsWindow(box); });
  ExpectQueue(queue, {}, "after \"Clear All\"");
  if (TextOf(button) != "File&Lists") Fail("after \"Clear All\" the button reads " + TextOf(button));
  Report("\"Clear All\" emptied the queue");

  lists = OpenFileLists(main);
  files = Need(lists, "File1");
  int index = -1;
  Await("the saved list", [&] { return (index = IndexOf(files, listName + ".LST")) >= 0; });
  ClickListItem(files, index, false, 2);
  Await("the list window to hide after the load", [&] { return FindForm("frmFileLists") == nullptr; });
  ExpectQueue(queue, drawings, "after the double-click");
  Await("the loaded-list mark", [&] { return TextOf(button) == "=File&Lists="; });
  Report("double-click loaded both drawings, marked " + TextOf(button));

  WaitForInput(kPatience, main, "the main window");
  BringToFront(main, kPatience);
  ClickOn(queue);
  PressKey(VK_F4, VK_MENU);
  Await("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
