#include "ui/message_box.h"

#include <vector>

namespace ui {

namespace {

std::vector<MsgAnswer> ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::kOk:
      return {MsgAnswer::kOk};
    case MsgButtons::kOkCancel:
      return {MsgAnswer::kOk, MsgAnswer::kCancel};
    case MsgButtons::kAbortRetryIgnore:
      return {MsgAnswer::kAbort, MsgAnswer::kRetry, MsgAnswer::kIgnore};
    case MsgButtons::kYesNoCancel:
      return {MsgAnswer::kYes, MsgAnswer::kNo, MsgAnswer::kCancel};
    case MsgButtons::kYesNo:
      return {MsgAnswer::kYes, MsgAnswer::kNo};
    case MsgButtons::kRetryCancel:
      return {MsgAnswer::kRetry, MsgAnswer::kCancel};
  }
  return {MsgAnswer::kOk};
}

}  // namespace

MsgAnswer ButtonAnswer(MsgButtons buttons, int n) {
  auto answers = ButtonsOf(buttons);
  if (n < 1 || n > static_cast<int>(answers.size())) return answers.front();
  return answers[static_cast<std::size_t>(n - 1)];
}

bool Offers(MsgButtons buttons, MsgAnswer answer) {
  for (MsgAnswer offered : ButtonsOf(buttons)) {
    if (offered == answer) return true;
  }
  return false;
}

}  // namespace ui
