#pragma once

#include <string>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text, "" when it holds none.
  virtual std::string GetText() = 0;
  // Replaces the clipboard's contents with a text.
  virtual void SetText(const std::string& text) = 0;
  virtual void Clear() = 0;
};

}  // namespace platform
