// Works the drawing preview of a running Tornavane with real input: closes the tip of the day
// with its "&Close" button, clicks the first queue entry (a drawing with a stored PNG preview)
// and waits until the preview's thumbnail shows more than one colour, clicks the second (a
// text file) and waits until it shows one colour only, clicks the third (a drawing whose PNG
// declares 32768 x 32768 pixels) and waits until it shows one colour with the program still
// answering, clicks the fourth (the first drawing again) and waits for its image; then
// presses "&QuickPick", which hides the main window, clicks the quick pick's close box, which
// brings the main window back, and closes the main window. Prints one line per step; exits
// non-zero when a step does not show in time.
//
//   preview_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{60000, 100};

template <class Probe>
void Await(const std::string& what, Probe probe) {
  WaitOrFail(kPatience, what, probe);
}

// The colours of a grid of points over a control's client area as the screen shows them.
// Under Wine a window DC of another process reads no pixels (GetPixel gives CLR_INVALID), so
// the control's part of the screen is copied instead.
std::size_t Colours(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return 0;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::set<std::uint32_t> seen;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY)) {
      GdiFlush();
      const auto* pixels = static_cast<const std::uint32_t*>(bits);
      for (int y = 1; y < 24; ++y) {
        for (int x = 1; x < 24; ++x) seen.insert(pixels[height * y / 24 * width + width * x / 24] & 0xFFFFFF);
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return seen.size();
}

// Whether the control is what lies at its four inner corners and its middle in Wine's order of
// windows. Wine keeps its own order beside the X server's stacking, which the screen shows, and
// without a window manager the two can differ; so this only explains a failure.
bool Shows(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const POINT points[] = {{2, 2},
                          {client.right - 3, 2},
                          {2, client.bottom - 3},
                          {client.right - 3, client.bottom - 3},
                          {client.right / 2, client.bottom / 2}};
  for (POINT point : points) {
    ClientToScreen(control, &point);
    if (WindowFromPoint(point) != control) return false;
  }
  return true;
}

// How many colours the control shows, and what lies over its middle when that is another
// window, for a failure's line.
std::string Seen(HWND control) {
  std::string seen = std::to_string(Colours(control)) + " colours";
  if (!Shows(control)) {
    RECT client{};
    GetClientRect(control, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(control, &middle);
    HWND over = WindowFromPoint(middle);
    char kind[64] = {};
    GetClassNameA(over, kind, sizeof kind);
    seen += ", covered by '" + NameOf(over) + "' of class " + kind;
  }
  return seen;
}

// Waits until the thumbnail shows an image (more than one colour) or is empty (one colour).
void AwaitThumbnail(HWND thumbnail, bool image, const std::string& what) {
  if (Poll(kPatience, [&] { return (Colours(thumbnail) > 1) == image; })) return;
  Fail("timed out waiting for " + what + " (" + Seen(thumbnail) + ")");
}

// Clicks a point of a window once Wine has that window there: a window still being placed
// takes no click.
void ClickWhenShown(HWND window, POINT at, const std::string& what) {
  Await(what + " on the screen", [&] { return WindowFromPoint(at) == window; });
  ClickAt(at);
}

void ClickWhenShown(HWND window, const std::string& what) {
  RECT place{};
  GetWindowRect(window, &place);
  ClickWhenShown(window, {(place.left + place.right) / 2, (place.top + place.bottom) / 2}, what);
}

// The middle of a list box item, on the screen.
POINT ItemPoint(HWND list, int index) {
  RECT client{};
  GetClientRect(list, &client);
  auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  POINT at{client.right / 4, (index - top) * height + height / 2};
  ClientToScreen(list, &at);
  return at;
}

// The close box of a window's caption, found by asking the window what lies where.
POINT CloseBox(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  for (int y = frame.top + 1; y < frame.top + 40 && y < frame.bottom; y += 2) {
    for (int x = frame.right - 2; x > frame.right - 80 && x > frame.left; x -= 2) {
      if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x, y};
    }
  }
  Fail("no close box on the quick pick's caption");
}

// Closes the tip of the day with its "&Close" button. The dialog is brought to the front
// first: without a window manager, a click on a window that is still becoming active can lose
// its release (the button takes the focus and stays up). Should that still happen, the button
// is clicked again, and the driver says so.
void CloseTips(HWND tips) {
  HWND button = Need(tips, "cmdClose");
  for (int attempt = 1; attempt <= 3; ++attempt) {
    if (attempt > 1) Report("the tip of the day's Close took another click");
    BringToFront(tips, kPatience);
    ClickWhenShown(button, "the tip of the day's Close");
    if (Poll(kPatience, [&] { return !IsWindowVisible(tips); })) return;
  }
  Fail("the tip of the day stayed after three clicks on Close");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: preview_driver.exe <main window caption>");
  HWND main = WaitForMain(kPatience, argv[1]);
  HWND tips = nullptr;
  Await("the tip of the day", [&] { return (tips = FindForm("frmTips")) != nullptr; });
  WaitForInput(kPatience, tips, "the tip of the day");
  CloseTips(tips);
  WaitForInput(kPatience, main, "the main window");
  BringToFront(main, kPatience);

  HWND preview = nullptr;
  Await("the preview window at start", [&] { return (preview = FindForm("frmDWGPreview")) != nullptr; });
  if (GetWindow(preview, GW_OWNER) != main) Fail("the preview window is not owned by the main window");
  HWND thumbnail = Need(preview, "DwgThumbnail1");
  AwaitThumbnail(thumbnail, false, "the empty thumbnail at start");
  Report("preview shown at start, empty");

  HWND list = Need(main, "List1");
  ClickWhenShown(list, ItemPoint(list, 0), "the drawing's entry");
  AwaitThumbnail(thumbnail, true, "the drawing's thumbnail");
  Report("the drawing's thumbnail shows an image");
  ClickWhenShown(list, ItemPoint(list, 1), "the text file's entry");
  AwaitThumbnail(thumbnail, false, "an empty thumbnail for the text file");
  Report("the text file leaves the thumbnail one colour");
  ClickWhenShown(list, ItemPoint(list, 2), "the huge preview's entry");
  AwaitThumbnail(thumbnail, false, "an empty thumbnail for the huge preview");
  // A decoder that took the declared size ended the program within a second.
  Sleep(2000);
  DWORD_PTR answer = 0;
  if (!IsWindow(main) || !SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
    Fail("the program did not live through the drawing declaring 32768 x 32768 pixels");
  }
  Report("a drawing declaring 32768 x 32768 pixels leaves the thumbnail one colour, the program alive");
  ClickWhenShown(list, ItemPoint(list, 3), "the drawing's entry again");
  AwaitThumbnail(thumbnail, true, "the drawing's thumbnail again");
  Report("the drawing's thumbnail shows an image again");

  BringToFront(main, kPatience);
  ClickWhenShown(Need(main, "cmdQuickPick"), "the QuickPick button");
  HWND quick = nullptr;
  Await("the quick pick", [&] { return (quick = FindForm("frmQuickPick")) != nullptr; });
  WaitForInput(kPatience, quick, "the quick pick");
  Await("the main window to hide", [&] { return !IsWindowVisible(main); });
  Report("quick pick shown, main window hidden");
  BringToFront(quick, kPatience);
  ClickWhenShown(quick, CloseBox(quick), "the quick pick's close box");
  Await("the main window back", [&] { return IsWindowVisible(main) != FALSE; });
  Report("closing the quick pick brought the main window back");

  PostMessageA(main, WM_CLOSE, 0, 0);
  Await("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
