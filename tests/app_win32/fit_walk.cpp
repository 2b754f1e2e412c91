#include "app_win32/fit_walk.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_form_peer.h"

namespace fit {

namespace {

std::string NameOf(const ui::Control& control) {
  if (control.Index() < 0) return control.Name();
  return control.Name() + "(" + std::to_string(control.Index()) + ")";
}

HWND WindowOf(const ui::Control& control) {
  ui::win32::Win32ControlPeer* peer = ui::win32::Win32Backend::PeerOf(control);
  return peer != nullptr ? peer->Hwnd() : nullptr;
}

// Where a caption is drawn inside its control, which rectangle it needs there, and which
// part of the control other controls must leave free.
enum class CaptionKind { kButton, kCheck, kLabel, kFrame };

struct Caption {
  const ui::Control* control;
  CaptionKind kind;
  std::string text;
};

std::optional<Caption> CaptionOf(const ui::Control& control) {
  if (auto* button = dynamic_cast<const ui::CommandButton*>(&control)) {
    return Caption{&control, CaptionKind::kButton, button->Caption()};
  }
  if (auto* box = dynamic_cast<const ui::CheckBox*>(&control))
    return Caption{&control, CaptionKind::kCheck, box->Caption()};
  if (auto* option = dynamic_cast<const ui::OptionButton*>(&control)) {
    return Caption{&control, CaptionKind::kCheck, option->Caption()};
  }
  if (auto* label = dynamic_cast<const ui::Label*>(&control))
    return Caption{&control, CaptionKind::kLabel, label->Caption()};
  if (auto* frame = dynamic_cast<const ui::Frame*>(&control))
    return Caption{&control, CaptionKind::kFrame, frame->Caption()};
  return std::nullopt;
}

struct Extent {
  int cx;
  int cy;
};

// The text's size with the font; wrapped at wrapWidth when it is positive. An access key's
// "&" takes no room, as the controls draw it.
Extent TextSizeWith(HWND window, HFONT font, const std::string& text, int wrapWidth) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  RECT rect{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return Extent{static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

Extent TextSize(HWND window, const std::string& text, int wrapWidth) {
  return TextSizeWith(window, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), text, wrapWidth);
}

RECT ScreenRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + " at " + std::to_string(r.left) +
         "," + std::to_string(r.top);
}

// The check box glyph and the gap before its text, as the button draws them: the glyph, half
// a digit's width, and the pixel a left-aligned label moves right.
int CheckGlyphWidth(HWND window) {
  HDC dc = GetDC(window);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  INT digit = 0;
  GetCharWidth32A(dc, '0', '0', &digit);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return MulDiv(12, dpi, 96) + 1 + digit / 2 + 1;
}

// A short caption that names the box beside it ends in ":" and stays on one line.
bool NamesABox(const std::string& text) {
  constexpr std::size_t kLongestName = 40;
  return !text.empty() && text.size() <= kLongestName && text.back() == ':' && text.find('\n') == std::string::npos;
}

// Whether a word of the caption is wider than the lines it is wrapped into: it would be
// broken inside ("--->" into "---" and ">").
bool SplitsAWord(HWND window, const std::string& text, int wrapWidth) {
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (TextSize(window, word, 0).cx > wrapWidth) return true;
  }
  return false;
}

// The parts a one-line caption drawn from x takes between top and bottom: a run of blanks in
// it leaves room for a box placed over it.
std::vector<RECT> AroundBlanks(HWND window, const std::string& text, int x, int top, int right, int bottom) {
  std::size_t gap = text.find("   ");
  if (gap == std::string::npos) return {RECT{x, top, right, bottom}};
  std::size_t after = text.find_first_not_of(' ', gap);
  int gapStart = x + TextSize(window, text.substr(0, gap), 0).cx;
  int gapEnd = x + TextSize(window, text.substr(0, after), 0).cx;
  return {RECT{x, top, gapStart, bottom}, RECT{gapEnd, top, right, bottom}};
}

// Checks one caption against its own control; returns the screen rectangle the caption takes
// (the part neighbours must leave free), and notes misfits.
std::vector<RECT> CheckFit(const Caption& caption, std::vector<std::string>& misfits) {
  HWND window = WindowOf(*caption.control);
  RECT outer = ScreenRect(window);
  const int width = static_cast<int>(outer.right - outer.left);
  const int height = static_cast<int>(outer.bottom - outer.top);
  const std::string who = NameOf(*caption.control) + " \"" + caption.text + "\"";
  auto misfit = [&](const std::string& what) { misfits.push_back(who + ": " + what); };
  switch (caption.kind) {
    case CaptionKind::kButton: {
      // Inside the button's edges; a caption on more lines breaks only between words.
      Extent text = TextSize(window, caption.text, width - 6);
      if (text.cx + 6 > width || text.cy + 4 > height || SplitsAWord(window, caption.text, width - 6)) {
        misfit("needs " + std::to_string(TextSize(window, caption.text, 0).cx + 6) + "x" + std::to_string(text.cy + 4) +
               " (" + std::to_string(text.cy) + " high wrapped), has " + Describe(outer));
      }
      return {outer};
    }
    case CaptionKind::kCheck: {
      // A disabled caption is drawn once more a pixel lower and to the right, as its shadow.
      int glyph = CheckGlyphWidth(window) + (IsWindowEnabled(window) ? 0 : 1);
      Extent text = TextSize(window, caption.text, width - glyph);
      if (text.cx > width - glyph || text.cy > height || SplitsAWord(window, caption.text, width - glyph)) {
        misfit("needs " + std::to_string(glyph + text.cx) + "x" + std::to_string(text.cy) + " (one line " +
               std::to_string(glyph + TextSize(window, caption.text, 0).cx) + "), has " + Describe(outer));
      }
      int top = outer.top + (height - std::min(text.cy, height)) / 2;
      int bottom = top + std::min(text.cy, height);
      int right = outer.left + glyph + std::min(text.cx, width - glyph);
      if (text.cy > height) return {RECT{outer.left, top, right + 1, bottom}};
      // The focus rectangle is drawn a pixel beyond the text.
      std::vector<RECT> parts = AroundBlanks(window, caption.text, outer.left + glyph, top, right + 1, bottom);
      parts.front().left = outer.left;
      return parts;
    }
    case CaptionKind::kLabel: {
      Extent text = TextSize(window, caption.text, width);
      Extent line = TextSize(window, caption.text, 0);
      if (text.cx > width || text.cy > height) {
        misfit("needs " + std::to_string(text.cx) + "x" + std::to_string(text.cy) + " (one line " +
               std::to_string(line.cx) + "), has " + Describe(outer));
      } else if (NamesABox(caption.text) && line.cx > width) {
        misfit("wraps: needs " + std::to_string(line.cx) + " wide on one line, has " + Describe(outer));
      }
      const auto* label = static_cast<const ui::Label*>(caption.control);
      int used = std::min(text.cx, width);
      int left = label->Alignment() == ui::Alignment::kRight    ? outer.right - used
                 : label->Alignment() == ui::Alignment::kCenter ? outer.left + (width - used) / 2
                                                                : outer.left;
      int bottom = outer.top + std::min(text.cy, height);
      if (line.cx > width) return {RECT{left, outer.top, left + used, bottom}};
      return AroundBlanks(window, caption.text, left, outer.top, left + used, bottom);
    }
    case CaptionKind::kFrame: {
      Extent text = TextSize(window, caption.text, 0);
      // The caption starts a few pixels in and the frame's edge runs on after it.
      if (text.cx + 10 > width) misfit("needs " + std::to_string(text.cx + 10) + " wide, has " + Describe(outer));
      return {RECT{outer.left, outer.top, outer.left + std::min(text.cx + 10, width), outer.top + text.cy}};
    }
  }
  return {outer};
}

// What a neighbour occupies: a captioned control the part its caption takes (a frame only
// its caption line, as controls may lie over its inside; a label its text), every other
// control its whole rectangle; a picture box without a border shows nothing but background.
std::vector<RECT> Occupied(const ui::Control& control) {
  auto* picture = dynamic_cast<const ui::PictureBox*>(&control);
  if (picture != nullptr && !picture->HasBorder()) return {};
  std::optional<Caption> caption = CaptionOf(control);
  if (caption && !caption->text.empty()) {
    std::vector<std::string> ignored;
    return CheckFit(*caption, ignored);
  }
  return {ScreenRect(WindowOf(control))};
}

bool Walked(const ui::Control& control) {
  HWND window = WindowOf(control);
  return window != nullptr && control.Visible() && dynamic_cast<const ui::Line*>(&control) == nullptr;
}

// A list box shows whole rows: its last row is never cut.
void CheckRows(const ui::Control& control, std::vector<std::string>& misfits) {
  bool list = dynamic_cast<const ui::ListBox*>(&control) != nullptr ||
              dynamic_cast<const ui::FileListBox*>(&control) != nullptr ||
              dynamic_cast<const ui::DirListBox*>(&control) != nullptr;
  if (!list) return;
  HWND window = WindowOf(control);
  auto row = static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0));
  RECT client;
  GetClientRect(window, &client);
  int inside = static_cast<int>(client.bottom - client.top);
  if (row > 0 && inside > row && inside % row != 0) {
    misfits.push_back(NameOf(control) + ": its last row is cut (" + std::to_string(inside) + " pixels for rows of " +
                      std::to_string(row) + ")");
  }
}

// Each line of a text box that does not wrap fits the box: the first text of a box with a
// horizontal scroll bar is read without scrolling.
void CheckLines(const ui::Control& control, std::vector<std::string>& misfits) {
  auto* box = dynamic_cast<const ui::TextBox*>(&control);
  if (box == nullptr || !box->MultiLine()) return;
  if (box->ScrollBars() != ui::ScrollBars::kHorizontal && box->ScrollBars() != ui::ScrollBars::kBoth) return;
  HWND window = WindowOf(control);
  RECT client;
  GetClientRect(window, &client);
  const int width = static_cast<int>(client.right - client.left) - 4;  // the edit's margins
  std::istringstream lines(box->Text());
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    int needs = TextSize(window, line, 0).cx;
    if (needs > width) {
      misfits.push_back(NameOf(control) + " line \"" + line + "\": needs " + std::to_string(needs) + " wide, has " +
                        std::to_string(width));
    }
  }
}

// The form's title fits its title bar beside the icon and the buttons.
void CheckTitle(const ui::win32::Win32Backend& backend, const ui::Form& form, std::vector<std::string>& misfits) {
  ui::win32::Win32FormPeer* peer = backend.FormPeerOf(form);
  HWND window = peer != nullptr ? peer->Hwnd() : nullptr;
  if (window == nullptr || form.Caption().empty()) return;
  auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  if ((style & WS_CAPTION) != WS_CAPTION) return;
  const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectA(tool ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
  int needs = TextSizeWith(window, font, form.Caption(), 0).cx;
  DeleteObject(font);
  RECT outer = ScreenRect(window);
  RECT client;
  GetClientRect(window, &client);
  int room = static_cast<int>(client.right - client.left) - 4;
  if ((style & WS_SYSMENU) != 0) {
    const int button = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE);
    int buttons = 1 + ((style & WS_MINIMIZEBOX) != 0 ? 1 : 0) + ((style & WS_MAXIMIZEBOX) != 0 ? 1 : 0);
    room -= buttons * button;
    if (!tool && (exStyle & WS_EX_DLGMODALFRAME) == 0) room -= GetSystemMetrics(SM_CXSMICON) + 2;
  }
  if (needs > room) {
    misfits.push_back("title \"" + form.Caption() + "\": needs " + std::to_string(needs) + " wide, has " +
                      std::to_string(room) + " in " + Describe(outer));
  }
}

}  // namespace

std::vector<std::string> Misfits(const ui::win32::Win32Backend& backend, const ui::Form& form) {
  std::vector<std::string> misfits;
  CheckTitle(backend, form, misfits);
  const std::vector<ui::Control*>& controls = form.AllControls();
  for (const ui::Control* control : controls) {
    if (WindowOf(*control) == nullptr) continue;
    CheckRows(*control, misfits);
    CheckLines(*control, misfits);
    std::optional<Caption> caption = CaptionOf(*control);
    if (!caption || caption->text.empty()) continue;
    const std::string who = NameOf(*control) + " \"" + caption->text + "\"";
    std::vector<RECT> taken = CheckFit(*caption, misfits);
    // A hidden control must fit for when it is shown; where it lies matters only when shown.
    if (!Walked(*control)) continue;
    HWND window = WindowOf(*control);
    HWND parent = GetParent(window);
    RECT inside;
    GetClientRect(parent, &inside);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    for (const RECT& part : taken) {
      RECT clipped;
      IntersectRect(&clipped, &part, &inside);
      if (!EqualRect(&clipped, &part)) misfits.push_back(who + ": reaches outside its container");
    }
    for (const ui::Control* other : controls) {
      if (other == control || !Walked(*other) || GetParent(WindowOf(*other)) != parent) continue;
      bool reaches = false;
      for (const RECT& occupied : Occupied(*other)) {
        for (const RECT& part : taken) reaches = reaches || Overlap(part, occupied);
      }
      if (reaches) misfits.push_back(who + ": reaches " + NameOf(*other));
    }
  }
  return misfits;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += "\n  " + line;
  return all;
}

}  // namespace fit
