#pragma once

#include "platform/clipboard.h"

namespace platform::win32 {

// The system clipboard's CF_TEXT format. Another program may hold the clipboard open for a
// moment, so opening it is retried briefly; a clipboard that stays busy is error 521.
class Win32Clipboard : public Clipboard {
 public:
  std::string GetText() override;
  void SetText(const std::string& text) override;
  void Clear() override;
};

}  // namespace platform::win32
