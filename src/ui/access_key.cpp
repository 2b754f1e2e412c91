#include "ui/access_key.h"

#include "runtime/text.h"

namespace ui {

std::string StripAccessKey(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        shown += '&';
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

int AccessKeyPosition(std::string_view caption) {
  int position = -1;
  int shown = 0;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        ++shown;
        ++i;
      } else if (i + 1 < caption.size()) {
        position = shown;
      }
      continue;
    }
    ++shown;
  }
  return position;
}

char AccessKey(std::string_view caption) {
  int position = AccessKeyPosition(caption);
  if (position < 0) return 0;
  return runtime::UpperCase(StripAccessKey(caption)[static_cast<std::size_t>(position)]);
}

}  // namespace ui
