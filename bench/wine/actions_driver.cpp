// Times one everyday action of the installed program from outside, as a user meets it: from the
// real input that starts it to the moment its result shows. Prints "ms N" for
// bench/wine/run_actions.sh to read, then ends the program.
//
//   actions_driver.exe <folder> <caption> <queue count at start> <action> <expected>
//
//   duplicates  Queue > "&Remove Duplicates"; expected: the number removed (the message box)
//   lists       "File&Lists", a double-click on the first list; expected: the queue count after
//   userset     the second User Set page clicked; expected: the queue count after
//   renamer     Ctrl+R until the first message box (the duplicate count); expected: its number
//   quickpick   the queue quick pick closed until the main window is back; expected: unused
//   build       "&Create Batch Script" until the notice; expected: unused

#include <windows.h>

#include <string>
#include <vector>

#include "../../tests/wine/driver_support.h"
#include "../../tests/wine/input_support.h"
#include "../../tests/wine/menu_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{600000, 2};
constexpr Patience kSetUp{30000, 20};
const std::string kAppTitle = "Tornavane for AutoCAD";

void KeyNow(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs = KeyInputs(key, modifier);
  SendNow(inputs);
}

// The pointer is already there (PointAt), so the click's own move changes nothing.
void ClickNow(POINT point, int clicks) {
  std::vector<INPUT> inputs = ClickInputs(point, false, clicks);
  SendNow(inputs);
}

// Moves the pointer to a point and lets the program see it there, before a timed click.
void PointAt(POINT point) {
  SetCursorPos(point.x, point.y);
  std::vector<INPUT> move = ClickInputs(point, false, 0);
  SendAll(move);
}

// The middle of a list box's first item, on the screen.
POINT FirstItem(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  POINT at{client.right / 4, height / 2};
  ClientToScreen(list, &at);
  return at;
}

std::string QueueText(const std::string& count) {
  return "Queue = " + count;
}

// The message box of the program whose text contains the words, once it shows.
HWND WaitForBoxWith(const std::string& title, const std::string& words) {
  HWND box = nullptr;
  WaitOrFail(kPatience, "the message box \"" + words + "\"", [&] {
    box = FindBox(title);
    return box != nullptr && BoxText(box).find(words) != std::string::npos;
  });
  return box;
}

class Clock {
 public:
  void Start() { start_ = GetTickCount(); }
  void Report() const { wine_driver::Report("ms " + std::to_string(GetTickCount() - start_)); }

 private:
  DWORD start_ = 0;
};

void CloseBox(HWND box) {
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitOrFail(kSetUp, "the message box to close", [&] { return !IsWindowVisible(box); });
}

void Duplicates(HWND main, const std::string& expected) {
  BringToFront(main, kSetUp);
  PressKeys("alt+q,menu", kSetUp);
  Clock clock;
  clock.Start();
  KeyNow('R');
  HWND box = WaitForBoxWith(kAppTitle, expected + " Duplicate Items Removed");
  clock.Report();
  CloseBox(box);
}

void Renamer(HWND main, const std::string& expected) {
  BringToFront(main, kSetUp);
  Clock clock;
  clock.Start();
  KeyNow('R', VK_CONTROL);
  HWND box = WaitForBoxWith(kAppTitle, expected + " Duplicate Items Removed");
  clock.Report();
  CloseBox(box);
}

void Lists(HWND main, const std::string& expected) {
  BringToFront(main, kSetUp);
  PressKeys("alt+q,menu,f", kSetUp);
  HWND form = WaitForForm(kSetUp, "frmFileLists");
  HWND lists = Need(form, "File1");
  WaitOrFail(kSetUp, "a saved list", [&] { return ListCount(lists) > 0; });
  const POINT item = FirstItem(lists);
  PointAt(item);
  HWND count = Need(main, "lblFilesInQueue");
  Clock clock;
  clock.Start();
  ClickNow(item, 2);
  WaitOrFail(kPatience, QueueText(expected), [&] {
    return !IsWindowVisible(form) && TextOf(count) == QueueText(expected) && IsWindowEnabled(main) != FALSE;
  });
  clock.Report();
}

void UserSet(HWND main, const std::string& expected) {
  BringToFront(main, kSetUp);
  HWND page = Need(main, "optPage(1)");
  const POINT at = MiddleOf(page);
  PointAt(at);
  HWND count = Need(main, "lblFilesInQueue");
  Clock clock;
  clock.Start();
  ClickNow(at, 1);
  WaitOrFail(kPatience, QueueText(expected), [&] { return TextOf(count) == QueueText(expected); });
  clock.Report();
}

void QuickPick(HWND main) {
  BringToFront(main, kSetUp);
  PostMessageA(Need(main, "cmdQueueQuickPick"), BM_CLICK, 0, 0);
  HWND pick = WaitForForm(kPatience, "frmQueueQuickPick");
  WaitOrFail(kSetUp, "the main window to hide", [&] { return !IsWindowVisible(main); });
  BringToFront(pick, kSetUp);
  Clock clock;
  clock.Start();
  KeyNow(VK_F4, VK_MENU);
  WaitOrFail(kPatience, "the main window back",
             [&] { return !IsWindowVisible(pick) && IsWindowVisible(main) && IsWindowEnabled(main) != FALSE; });
  clock.Report();
}

void Build(HWND main) {
  HWND button = Need(main, "Command1_Compile");
  WaitOrFail(kSetUp, "the build button to be enabled", [&] { return IsWindowEnabled(button) != FALSE; });
  BringToFront(main, kSetUp);
  const POINT at = MiddleOf(button);
  PointAt(at);
  Clock clock;
  clock.Start();
  ClickNow(at, 1);
  HWND notice = nullptr;
  WaitOrFail(kPatience, "the notice", [&] { return (notice = FindForm("frmScrComplete")) != nullptr; });
  clock.Report();
  PostMessageA(Need(notice, "Command1"), BM_CLICK, 0, 0);
  WaitOrFail(kSetUp, "the notice to close", [&] { return !IsWindowVisible(notice); });
}

PROCESS_INFORMATION Start(const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "\"" + folder + "\\tornavane.exe\"";
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process)) {
    Fail("could not start the program");
  }
  return process;
}

// The program is ended outright: a measured action may leave it in the middle of a dialog.
void End(PROCESS_INFORMATION& process) {
  TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) Fail("usage: actions_driver.exe <folder> <caption> <queue count> <action> <expected>");
  const std::string folder = argv[1];
  const std::string caption = argv[2];
  const std::string queueText = QueueText(argv[3]);
  const std::string action = argv[4];
  const std::string expected = argv[5];

  PROCESS_INFORMATION process = Start(folder);
  HWND main = nullptr;
  WaitOrFail(kPatience, "the main window with " + queueText, [&] {
    if (main == nullptr) main = FindWindowA(nullptr, caption.c_str());
    if (main == nullptr || !IsWindowVisible(main) || IsWindowEnabled(main) == FALSE) return false;
    HWND count = FindIn(main, "lblFilesInQueue");
    return count != nullptr && TextOf(count) == queueText;
  });
  Sleep(500);  // the start-up's last paints

  if (action == "duplicates") {
    Duplicates(main, expected);
  } else if (action == "lists") {
    Lists(main, expected);
  } else if (action == "userset") {
    UserSet(main, expected);
  } else if (action == "renamer") {
    Renamer(main, expected);
  } else if (action == "quickpick") {
    QuickPick(main);
  } else if (action == "build") {
    Build(main);
  } else {
    Fail("unknown action " + action);
  }
  End(process);
  return 0;
}
