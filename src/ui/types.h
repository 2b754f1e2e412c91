#pragma once

#include <cstdint>
#include <string>

// Small value types shared by forms and controls. Numeric values are the classic ones, so
// values stored in settings or written by code keep their meaning.
namespace ui {

// Mouse pointer shapes (the MousePointer property).
enum class Pointer : int {
  kDefault = 0,
  kArrow = 1,
  kCross = 2,
  kIBeam = 3,
  kSizeAll = 5,
  kSizeNESW = 6,
  kSizeNS = 7,
  kSizeNWSE = 8,
  kSizeWE = 9,
  kUpArrow = 10,
  kHourglass = 11,
  kNoDrop = 12,
  kArrowHourglass = 13,
  kArrowQuestion = 14,
  kHand = 99,  // the custom-pointer value, fixed to the hand that links show
};

// Colours are 0x00BBGGRR; a value with the top bit set names a system colour by index.
using Color = std::uint32_t;
constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color SystemColor(int index) {
  return kSystemColorFlag | static_cast<Color>(index);
}
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kButtonFace = SystemColor(15);
constexpr Color kWindowBackground = SystemColor(5);
constexpr Color kWindowText = SystemColor(8);
constexpr Color kButtonText = SystemColor(18);

// Mouse buttons and the shift state passed to mouse and key events.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Key codes passed to KeyDown and KeyUp (the Windows virtual-key codes).
constexpr int kKeyBack = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;
constexpr int kKeyApps = 93;  // the Menu key
constexpr int kKeyF1 = 112;
constexpr int kKeyF10 = 121;

enum class Alignment : int { kLeft = 0, kRight = 1, kCenter = 2 };

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  bool italic = false;
};

}  // namespace ui
