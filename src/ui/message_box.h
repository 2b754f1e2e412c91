#pragma once

#include <string>

namespace ui {

enum class MsgButtons { kOk, kOkCancel, kAbortRetryIgnore, kYesNoCancel, kYesNo, kRetryCancel };
enum class MsgIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
// The answers carry the values Windows gives them.
enum class MsgAnswer { kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };

struct MessageBoxSpec {
  std::string text;
  std::string title;
  MsgButtons buttons = MsgButtons::kOk;
  MsgIcon icon = MsgIcon::kNone;
  int defaultButton = 1;  // 1-3, counted from the left
};

// Shows message boxes: real ones in the product, scripted answers in tests.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual MsgAnswer Show(const MessageBoxSpec& box) = 0;
};

// The answer of the n-th button (1-based, from the left) of a box; the first button when n
// is out of range.
MsgAnswer ButtonAnswer(MsgButtons buttons, int n);
// Whether a box with these buttons offers this answer.
bool Offers(MsgButtons buttons, MsgAnswer answer);

struct InputBoxSpec {
  std::string prompt;
  std::string title;
  std::string defaultText;
};

// Asks the user for one line of text.
class InputService {
 public:
  virtual ~InputService() = default;
  // The text entered; "" when the user cancels.
  virtual std::string InputBox(const InputBoxSpec& box) = 0;
};

}  // namespace ui
