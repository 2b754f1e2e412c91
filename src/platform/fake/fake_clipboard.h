#pragma once

#include <string>

#include "platform/clipboard.h"

namespace platform::fake {

// A clipboard held in memory.
class FakeClipboard : public Clipboard {
 public:
  std::string GetText() override { return text; }
  void SetText(const std::string& value) override { text = value; }
  void Clear() override { text.clear(); }

  std::string text;
};

}  // namespace platform::fake
