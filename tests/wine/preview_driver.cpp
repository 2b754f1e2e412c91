// Works the drawing preview of a running Tornavane with real input: closes the tip of the day,
// clicks the first queue entry (a drawing with a stored PNG preview) and waits until the
// preview's thumbnail shows more than one colour, clicks the second (a text file) and waits
// until it shows one colour only; then presses "&QuickPick", which hides the main window,
// closes the quick pick with its close box, which brings the main window back, and closes the
// main window. Prints one line per step; exits non-zero when a step does not show in time.
//
//   preview_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 100};

template <class Probe>
void Await(const std::string& what, Probe probe) {
  WaitOrFail(kPatience, what, probe);
}

void ClickItem(HWND list, int index) {
  RECT client{};
  GetClientRect(list, &client);
  auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  POINT at{client.right / 4, (index - top) * height + height / 2};
  ClientToScreen(list, &at);
  SetCursorPos(at.x, at.y);
  Sleep(100);
  INPUT down{};
  down.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  INPUT up = down;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  std::vector<INPUT> inputs{down, up};
  SendAll(inputs);
}

// The colours of a grid of points over the window's client area, as painted.
std::size_t Colours(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  std::set<COLORREF> seen;
  for (int y = 1; y < 24; ++y) {
    for (int x = 1; x < 24; ++x) seen.insert(GetPixel(dc, client.right * x / 24, client.bottom * y / 24));
  }
  ReleaseDC(window, dc);
  seen.erase(CLR_INVALID);
  return seen.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: preview_driver.exe <main window caption>");
  HWND main = WaitForMain(kPatience, argv[1]);
  HWND tips = nullptr;
  Await("the tip of the day", [&] { return (tips = FindForm("frmTips")) != nullptr; });
  PostMessageA(tips, WM_CLOSE, 0, 0);
  WaitForInput(kPatience, main, "the main window");
  SetForegroundWindow(main);

  HWND preview = nullptr;
  Await("the preview window at start", [&] { return (preview = FindForm("frmDWGPreview")) != nullptr; });
  HWND thumbnail = Need(preview, "DwgThumbnail1");
  Report("preview shown at start");

  HWND list = Need(main, "List1");
  ClickItem(list, 0);
  Await("the drawing's thumbnail", [&] { return Colours(thumbnail) > 1; });
  Report("the drawing's thumbnail shows an image");
  ClickItem(list, 1);
  Await("an empty thumbnail for the text file", [&] { return Colours(thumbnail) == 1; });
  Report("the text file leaves the thumbnail one colour");

  BringToFront(main, kPatience);
  ClickOn(Need(main, "cmdQuickPick"));
  HWND quick = nullptr;
  Await("the quick pick", [&] { return (quick = FindForm("frmQuickPick")) != nullptr; });
  Await("the main window to hide", [&] { return !IsWindowVisible(main); });
  Report("quick pick shown, main window hidden");
  PostMessageA(quick, WM_SYSCOMMAND, SC_CLOSE, 0);
  Await("the main window back", [&] { return IsWindowVisible(main) != FALSE; });
  Report("closing the quick pick brought the main window back");

  PostMessageA(main, WM_CLOSE, 0, 0);
  Await("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
