// Every window of the program, made by the real Win32 back end: each caption, measured with
// its control's own font, fits its control, stays inside its container and reaches no
// neighbouring control. The main window is walked at several sizes.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "batch/frm_file_error_report.h"
#include "batch/frm_scr_complete.h"
#include "mainwindow/frm_main.h"
#include "options/frm_about.h"
#include "options/frm_options.h"
#include "options/frm_tips.h"
#include "options/pickers.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "queue/frm_dir_selector.h"
#include "queue/frm_scan_stop.h"
#include "tags/frm_var_setup.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"

namespace {

struct Program {
  platform::win32::Win32FileSystem fileSystem;
  platform::win32::Win32SettingsStore settings;
  platform::win32::Win32Shell shell;
  platform::win32::Win32SystemInfo system;
  platform::win32::Win32Clipboard clipboard;
  platform::win32::Win32Clock clock;
  platform::win32::Win32Locale locale;
  platform::Services services{fileSystem, settings, shell, system, clipboard, clock, locale};
  ui::win32::Win32Backend backend;
  ui::Context ctx{backend, services, ui::AppInfo{system.ProgramFolder(), "Tornavane for AutoCAD", "tornavane"}};
  app::App app{ctx};
};

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

// The text's size with the window's font; wrapped at wrapWidth when it is positive.
Extent TextSize(HWND window, const std::string& text, int wrapWidth) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return Extent{static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
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

// The check box glyph and the gap before its text.
int CheckGlyphWidth(HWND window) {
  HDC dc = GetDC(window);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(window, dc);
  return MulDiv(12, dpi, 96) + 1 + MulDiv(4, dpi, 96);
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
      Extent text = TextSize(window, caption.text, width - 6);
      if (text.cx + 6 > width || text.cy + 4 > height) {
        misfit("needs " + std::to_string(text.cx + 6) + "x" + std::to_string(text.cy + 4) + ", has " + Describe(outer));
      }
      return {outer};
    }
    case CaptionKind::kCheck: {
      int glyph = CheckGlyphWidth(window);
      Extent text = TextSize(window, caption.text, width - glyph);
      if (text.cx > width - glyph || text.cy > height) {
        misfit("needs " + std::to_string(glyph + text.cx) + "x" + std::to_string(text.cy) + " (one line " +
               std::to_string(glyph + TextSize(window, caption.text, 0).cx) + "), has " + Describe(outer));
      }
      int top = outer.top + (height - std::min(text.cy, height)) / 2;
      int bottom = top + std::min(text.cy, height);
      // A run of blanks in a one-line caption leaves room for a box placed over it.
      std::size_t gap = caption.text.find("   ");
      if (gap != std::string::npos && text.cy <= height) {
        std::size_t after = caption.text.find_first_not_of(' ', gap);
        int gapStart = outer.left + glyph + TextSize(window, caption.text.substr(0, gap), 0).cx;
        int gapEnd = outer.left + glyph + TextSize(window, caption.text.substr(0, after), 0).cx;
        return {RECT{outer.left, top, gapStart, bottom},
                RECT{gapEnd, top, outer.left + glyph + std::min(text.cx, width - glyph), bottom}};
      }
      return {RECT{outer.left, top, outer.left + glyph + std::min(text.cx, width - glyph), bottom}};
    }
    case CaptionKind::kLabel: {
      Extent text = TextSize(window, caption.text, width);
      if (text.cx > width || text.cy > height) {
        misfit("needs " + std::to_string(text.cx) + "x" + std::to_string(text.cy) + " (one line " +
               std::to_string(TextSize(window, caption.text, 0).cx) + "), has " + Describe(outer));
      }
      const auto* label = static_cast<const ui::Label*>(caption.control);
      int used = std::min(text.cx, width);
      int left = label->Alignment() == ui::Alignment::kRight    ? outer.right - used
                 : label->Alignment() == ui::Alignment::kCenter ? outer.left + (width - used) / 2
                                                                : outer.left;
      return {RECT{left, outer.top, left + used, outer.top + std::min(text.cy, height)}};
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

bool HasWindow(const ui::Control& control) {
  return WindowOf(control) != nullptr;
}

// Every misfit of the form's captions.
std::vector<std::string> Misfits(const ui::Form& form) {
  std::vector<std::string> misfits;
  const std::vector<ui::Control*>& controls = form.AllControls();
  for (const ui::Control* control : controls) {
    std::optional<Caption> caption = CaptionOf(*control);
    if (!caption || caption->text.empty() || !HasWindow(*control)) continue;
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

class WindowFitTest : public ::testing::Test {
 protected:
  Program program;
  app::App& app = program.app;
};

TEST_F(WindowFitTest, TheMainWindowsCaptionsFitAtEverySize) {
  mainwindow::frmMain& main = app.frmMain();
  main.Show();
  struct Size {
    int width, height;  // pixels
  };
  for (Size size : {Size{873, 676}, Size{1200, 1000}, Size{1400, 1000}}) {
    for (int tab = 0; tab < 3; ++tab) {
      main.Move(0, 0, size.width * 15, size.height * 15);
      main.SSTab1.SetTab(tab);
      program.ctx.DoEvents();
      std::vector<std::string> misfits = Misfits(main);
      EXPECT_TRUE(misfits.empty()) << size.width << "x" << size.height << " tab " << tab << Lines(misfits);
    }
  }
}

TEST_F(WindowFitTest, EveryDialogsCaptionsFit) {
  app.frmMain().Load();
  const std::vector<std::function<ui::Form&()>> dialogs = {
      [&]() -> ui::Form& { return app.frmTips(); },
      [&]() -> ui::Form& { return app.frmAbout(); },
      [&]() -> ui::Form& { return app.frmOptions(); },
      [&]() -> ui::Form& { return app.frmVARSetup(); },
      [&]() -> ui::Form& { return app.frmDirSelector(); },
      [&]() -> ui::Form& { return app.frmScanStop(); },
      [&]() -> ui::Form& { return app.frmScrComplete(); },
      [&]() -> ui::Form& { return app.frmFileErrorReport(); },
      [&]() -> ui::Form& { return app.frmAutoCADEXEBrowse(); },
      [&]() -> ui::Form& { return app.frmBrowseSCRIPSDir(); },
      [&]() -> ui::Form& { return app.frmOUTDirSelect(); },
      [&]() -> ui::Form& { return app.frmSCRDirSelect(); },
      [&]() -> ui::Form& { return app.frmTXTEDITORDirSelect(); },
  };
  for (const auto& open : dialogs) {
    ui::Form& form = open();
    form.Load();
    std::vector<std::string> misfits = Misfits(form);
    EXPECT_TRUE(misfits.empty()) << form.Name() << Lines(misfits);
  }
}

}  // namespace
