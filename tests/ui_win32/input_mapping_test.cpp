#include "ui/win32/input_mapping.h"

#include <gtest/gtest.h>

#include <optional>

#include "ui/win32/win32_menu_bar.h"
#include "ui/win32/win32_scroll_bar_peer.h"

namespace ui::win32 {
namespace {

TEST(CursorIdTest, MapsEveryPointerToItsSystemCursor) {
  struct Case {
    Pointer pointer;
    LPCSTR cursor;
  };
  const Case cases[] = {
      {Pointer::kDefault, nullptr},
      {Pointer::kArrow, IDC_ARROW},
      {Pointer::kCross, IDC_CROSS},
      {Pointer::kIBeam, IDC_IBEAM},
      {Pointer::kSizeAll, IDC_SIZEALL},
      {Pointer::kSizeNESW, IDC_SIZENESW},
      {Pointer::kSizeNS, IDC_SIZENS},
      {Pointer::kSizeNWSE, IDC_SIZENWSE},
      {Pointer::kSizeWE, IDC_SIZEWE},
      {Pointer::kUpArrow, IDC_UPARROW},
      {Pointer::kHourglass, IDC_WAIT},
      {Pointer::kNoDrop, IDC_NO},
      {Pointer::kArrowHourglass, IDC_APPSTARTING},
      {Pointer::kArrowQuestion, IDC_HELP},
      {Pointer::kHand, IDC_HAND},
  };
  for (const Case& c : cases) EXPECT_EQ(CursorId(c.pointer), c.cursor) << static_cast<int>(c.pointer);
}

TEST(MessageBoxFlagsTest, CombinesButtonsIconAndDefaultButton) {
  struct Case {
    MessageBoxSpec box;
    UINT flags;
  };
  const Case cases[] = {
      {{"t", "T", MsgButtons::kOk, MsgIcon::kNone, 1}, MB_OK},
      {{"t", "T", MsgButtons::kOkCancel, MsgIcon::kInformation, 1}, MB_OKCANCEL | MB_ICONASTERISK},
      {{"t", "T", MsgButtons::kAbortRetryIgnore, MsgIcon::kCritical, 3},
       MB_ABORTRETRYIGNORE | MB_ICONHAND | MB_DEFBUTTON3},
      {{"t", "T", MsgButtons::kYesNoCancel, MsgIcon::kQuestion, 2}, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2},
      {{"t", "T", MsgButtons::kYesNo, MsgIcon::kExclamation, 1}, MB_YESNO | MB_ICONEXCLAMATION},
      {{"t", "T", MsgButtons::kRetryCancel, MsgIcon::kNone, 2}, MB_RETRYCANCEL | MB_DEFBUTTON2},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageBoxFlags(c.box), c.flags | MB_SETFOREGROUND) << c.flags;
}

TEST(AnswerOfTest, GivesTheAnswerOfEachButtonIdAndCancelForAClosedBox) {
  EXPECT_EQ(AnswerOf(IDOK), MsgAnswer::kOk);
  EXPECT_EQ(AnswerOf(IDCANCEL), MsgAnswer::kCancel);
  EXPECT_EQ(AnswerOf(IDABORT), MsgAnswer::kAbort);
  EXPECT_EQ(AnswerOf(IDRETRY), MsgAnswer::kRetry);
  EXPECT_EQ(AnswerOf(IDIGNORE), MsgAnswer::kIgnore);
  EXPECT_EQ(AnswerOf(IDYES), MsgAnswer::kYes);
  EXPECT_EQ(AnswerOf(IDNO), MsgAnswer::kNo);
  EXPECT_EQ(AnswerOf(0), MsgAnswer::kCancel);
}

TEST(ShortcutOfTest, TakesCtrlLettersDigitsAndFunctionKeysOnly) {
  struct Case {
    int key;
    bool ctrl, alt, shift;
    std::optional<Shortcut> shortcut;
  };
  const Case cases[] = {
      {'S', true, false, false, Shortcut::Ctrl('S')},
      {'7', true, false, false, Shortcut{true, '7'}},
      {VK_F1, false, false, false, Shortcut::F(1)},
      {VK_F12, false, false, false, Shortcut::F(12)},
      {VK_F5, true, false, false, Shortcut{true, VK_F5}},
      {'S', false, false, false, std::nullopt},
      {'S', true, true, false, std::nullopt},
      {'S', true, false, true, std::nullopt},
      {VK_F4, false, true, false, std::nullopt},
      {VK_RETURN, true, false, false, std::nullopt},
      {VK_F1 - 1, false, false, false, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortcutOf(c.key, c.ctrl, c.alt, c.shift), c.shortcut) << c.key;
}

TEST(ScrollPositionTest, RunsFromMinAtTheStartWhicheverBoundIsLarger) {
  EXPECT_EQ(Win32ScrollBarPeer::PositionOf(10, 10, 110), 0);
  EXPECT_EQ(Win32ScrollBarPeer::PositionOf(60, 10, 110), 50);
  EXPECT_EQ(Win32ScrollBarPeer::PositionOf(100, 100, 0), 0);
  EXPECT_EQ(Win32ScrollBarPeer::PositionOf(25, 100, 0), 75);
  for (int value : {-5, 0, 7, 42}) {
    EXPECT_EQ(Win32ScrollBarPeer::ValueOf(Win32ScrollBarPeer::PositionOf(value, -5, 42), -5, 42), value);
    EXPECT_EQ(Win32ScrollBarPeer::ValueOf(Win32ScrollBarPeer::PositionOf(value, 42, -5), 42, -5), value);
  }
}

}  // namespace
}  // namespace ui::win32
