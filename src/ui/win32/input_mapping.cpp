#include "ui/win32/input_mapping.h"

namespace ui::win32 {

LPCSTR CursorId(Pointer pointer) {
  switch (pointer) {
    case Pointer::kDefault:
      return nullptr;
    case Pointer::kArrow:
      return IDC_ARROW;
    case Pointer::kCross:
      return IDC_CROSS;
    case Pointer::kIBeam:
      return IDC_IBEAM;
    case Pointer::kSizeAll:
      return IDC_SIZEALL;
    case Pointer::kSizeNESW:
      return IDC_SIZENESW;
    case Pointer::kSizeNS:
      return IDC_SIZENS;
    case Pointer::kSizeNWSE:
      return IDC_SIZENWSE;
    case Pointer::kSizeWE:
      return IDC_SIZEWE;
    case Pointer::kUpArrow:
      return IDC_UPARROW;
    case Pointer::kHourglass:
      return IDC_WAIT;
    case Pointer::kNoDrop:
      return IDC_NO;
    case Pointer::kArrowHourglass:
      return IDC_APPSTARTING;
    case Pointer::kArrowQuestion:
      return IDC_HELP;
    case Pointer::kHand:
      return IDC_HAND;
  }
  return nullptr;
}

UINT MessageBoxFlags(const MessageBoxSpec& box) {
  UINT flags = MB_SETFOREGROUND;
  switch (box.buttons) {
    case MsgButtons::kOk:
      flags |= MB_OK;
      break;
    case MsgButtons::kOkCancel:
      flags |= MB_OKCANCEL;
      break;
    case MsgButtons::kAbortRetryIgnore:
      flags |= MB_ABORTRETRYIGNORE;
      break;
    case MsgButtons::kYesNoCancel:
      flags |= MB_YESNOCANCEL;
      break;
    case MsgButtons::kYesNo:
      flags |= MB_YESNO;
      break;
    case MsgButtons::kRetryCancel:
      flags |= MB_RETRYCANCEL;
      break;
  }
  switch (box.icon) {
    case MsgIcon::kNone:
      break;
    case MsgIcon::kCritical:
      flags |= MB_ICONHAND;
      break;
    case MsgIcon::kQuestion:
      flags |= MB_ICONQUESTION;
      break;
    case MsgIcon::kExclamation:
      flags |= MB_ICONEXCLAMATION;
      break;
    case MsgIcon::kInformation:
      flags |= MB_ICONASTERISK;
      break;
  }
  if (box.defaultButton == 2) flags |= MB_DEFBUTTON2;
  if (box.defaultButton == 3) flags |= MB_DEFBUTTON3;
  return flags;
}

MsgAnswer AnswerOf(int buttonId) {
  switch (buttonId) {
    case IDOK:
      return MsgAnswer::kOk;
    case IDABORT:
      return MsgAnswer::kAbort;
    case IDRETRY:
      return MsgAnswer::kRetry;
    case IDIGNORE:
      return MsgAnswer::kIgnore;
    case IDYES:
      return MsgAnswer::kYes;
    case IDNO:
      return MsgAnswer::kNo;
    default:
      return MsgAnswer::kCancel;
  }
}

std::optional<Shortcut> ShortcutOf(int virtualKey, bool ctrl, bool alt, bool shift) {
  if (alt || shift) return std::nullopt;
  bool letterOrDigit = (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
  if (ctrl && letterOrDigit) return Shortcut{true, virtualKey};
  if (virtualKey >= VK_F1 && virtualKey <= VK_F12) return Shortcut{ctrl, virtualKey};
  return std::nullopt;
}

int ShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

int MouseButtons(WPARAM wParam) {
  int buttons = 0;
  if ((wParam & MK_LBUTTON) != 0) buttons |= kLeftButton;
  if ((wParam & MK_RBUTTON) != 0) buttons |= kRightButton;
  if ((wParam & MK_MBUTTON) != 0) buttons |= kMiddleButton;
  return buttons;
}

}  // namespace ui::win32
