#include "options/tips_file.h"

#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace options {

std::string TipText(std::string_view line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' ') {
      text += "\r\n\r\n";
      ++i;
    } else {
      text += line[i];
    }
  }
  return text;
}

std::vector<std::string> ParseTips(std::string_view fileText) {
  std::vector<std::string> tips;
  for (const std::string& line : runtime::SplitLines(fileText)) {
    if (tips.size() == kMaxTips) break;
    tips.push_back(TipText(line));
  }
  return tips;
}

std::string TipCounter(int position, int count) {
  return "Tip " + runtime::IntegerToText(position + 1) + "/" + runtime::IntegerToText(count);
}

int FirstTipToShow(std::string_view storedNumber, int count) {
  int stored = -1;
  try {
    stored = runtime::TextToInt16(storedNumber);
  } catch (const runtime::Error&) {
    return 0;
  }
  int next = stored + 1;
  return next >= 0 && next < count ? next : 0;
}

}  // namespace options
