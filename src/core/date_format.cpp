#include "core/date_format.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "runtime/date_arithmetic.h"
#include "runtime/text.h"

namespace core {

namespace {

enum class Code {
  kLiteral,
  kDateSeparator,
  kTimeSeparator,
  kDay,
  kWeekdayShort,
  kWeekdayFull,
  kShortDate,
  kDayOfYear,
  kMonth,
  kMonthShort,
  kMonthFull,
  kYearShort,
  kYearFull,
  kHour,
  kMinute,
  kSecond,
  kLocaleAmPm,
  kFixedAmPm,
};

struct Token {
  Code code = Code::kLiteral;
  bool padded = false;  // two digits with a leading zero
  std::string text;     // a literal; for kFixedAmPm the morning text
  std::string pmText;   // for kFixedAmPm
};

Token Make(Code code, bool padded = false) {
  Token token;
  token.code = code;
  token.padded = padded;
  return token;
}

Token FixedAmPm(std::string_view am, std::string_view pm) {
  Token token = Make(Code::kFixedAmPm);
  token.text = am;
  token.pmText = pm;
  return token;
}

// The number of times c repeats at the start of rest, ignoring letter case.
std::size_t RunLength(std::string_view rest, char c) {
  std::size_t length = 0;
  while (length < rest.size() && runtime::LowerCase(rest[length]) == c) ++length;
  return length;
}

bool StartsNoCase(std::string_view rest, std::string_view prefix) {
  return rest.size() >= prefix.size() && runtime::EqualsNoCase(rest.substr(0, prefix.size()), prefix);
}

// Reads one AM/PM code at the start of rest; returns the characters it takes, 0 for none.
std::size_t ReadAmPm(std::string_view rest, Token& token) {
  if (StartsNoCase(rest, "am/pm")) {
    token = FixedAmPm(rest.substr(0, 2), rest.substr(3, 2));
    return 5;
  }
  if (StartsNoCase(rest, "ampm")) {
    token = Make(Code::kLocaleAmPm);
    return 4;
  }
  if (StartsNoCase(rest, "a/p")) {
    token = FixedAmPm(rest.substr(0, 1), rest.substr(2, 1));
    return 3;
  }
  return 0;
}

// Reads one date or time code at the start of rest; returns the characters it takes, 0 for
// none. afterHour tells whether the last code read was an hour.
std::size_t ReadCode(std::string_view rest, bool afterHour, Token& token) {
  char letter = runtime::LowerCase(rest[0]);
  std::size_t run = RunLength(rest, letter);
  switch (letter) {
    case 'd': {
      static constexpr Code kDayCodes[] = {Code::kDay, Code::kDay, Code::kWeekdayShort, Code::kWeekdayFull,
                                           Code::kShortDate};
      std::size_t taken = std::min<std::size_t>(run, 5);
      token = Make(kDayCodes[taken - 1], taken == 2);
      return taken;
    }
    case 'm': {
      std::size_t taken = std::min<std::size_t>(run, afterHour ? 2 : 4);
      static constexpr Code kMonthCodes[] = {Code::kMonth, Code::kMonth, Code::kMonthShort, Code::kMonthFull};
      token = Make(afterHour ? Code::kMinute : kMonthCodes[taken - 1], taken == 2);
      return taken;
    }
    case 'y': {
      std::size_t taken = run >= 4 ? 4 : run >= 2 ? 2 : 1;
      token = Make(taken == 4 ? Code::kYearFull : taken == 2 ? Code::kYearShort : Code::kDayOfYear);
      return taken;
    }
    case 'h':
    case 'n':
    case 's': {
      Code code = letter == 'h' ? Code::kHour : letter == 'n' ? Code::kMinute : Code::kSecond;
      std::size_t taken = std::min<std::size_t>(run, 2);
      token = Make(code, taken == 2);
      return taken;
    }
    default:
      return 0;
  }
}

void AddLiteral(std::vector<Token>& tokens, std::string_view text) {
  if (tokens.empty() || tokens.back().code != Code::kLiteral) tokens.push_back(Make(Code::kLiteral));
  tokens.back().text += text;
}

// Reads a quoted text or an escaped character at the start of rest; returns the characters
// it takes, 0 for none.
std::size_t ReadQuoted(std::string_view rest, std::vector<Token>& tokens) {
  if (rest[0] == '\\') {
    AddLiteral(tokens, rest.substr(1, 1));
    return std::min<std::size_t>(rest.size(), 2);
  }
  if (rest[0] != '"') return 0;
  std::size_t close = rest.find('"', 1);
  std::size_t end = close == std::string_view::npos ? rest.size() : close;
  AddLiteral(tokens, rest.substr(1, end - 1));
  return close == std::string_view::npos ? rest.size() : close + 1;
}

std::vector<Token> Tokenize(std::string_view format) {
  std::vector<Token> tokens;
  bool afterHour = false;
  std::size_t at = 0;
  while (at < format.size()) {
    std::string_view rest = format.substr(at);
    Token token;
    std::size_t taken = ReadQuoted(rest, tokens);
    if (taken > 0) {
      at += taken;
      continue;
    }
    taken = ReadAmPm(rest, token);
    if (taken == 0) taken = ReadCode(rest, afterHour, token);
    if (taken == 0 && (rest[0] == '/' || rest[0] == ':')) {
      token = Make(rest[0] == '/' ? Code::kDateSeparator : Code::kTimeSeparator);
      taken = 1;
    }
    if (taken == 0) {
      AddLiteral(tokens, rest.substr(0, 1));
      at += 1;
      continue;
    }
    if (token.code != Code::kDateSeparator && token.code != Code::kTimeSeparator) {
      afterHour = token.code == Code::kHour;
    }
    tokens.push_back(std::move(token));
    at += taken;
  }
  return tokens;
}

std::string Number(int value, bool padded) {
  char text[16];
  std::snprintf(text, sizeof text, padded ? "%02d" : "%d", value);
  return text;
}

int DayOfYear(const runtime::DateTime& value) {
  int day = value.day;
  for (int month = 1; month < value.month; ++month) day += runtime::DaysInMonth(value.year, month);
  return day;
}

struct Renderer {
  const runtime::DateTime& value;
  platform::Locale& locale;
  bool twelveHour;

  std::string Render(const Token& token) const {
    bool morning = value.hour < 12;
    switch (token.code) {
      case Code::kLiteral:
        return token.text;
      case Code::kDateSeparator:
        return locale.DateSeparator();
      case Code::kTimeSeparator:
        return locale.TimeSeparator();
      case Code::kDay:
        return Number(value.day, token.padded);
      case Code::kWeekdayShort:
        return locale.DayName(runtime::Weekday(value), true);
      case Code::kWeekdayFull:
        return locale.DayName(runtime::Weekday(value), false);
      case Code::kShortDate:
        return locale.ShortDate(value);
      case Code::kDayOfYear:
        return Number(DayOfYear(value), false);
      case Code::kMonth:
        return Number(value.month, token.padded);
      case Code::kMonthShort:
        return locale.MonthName(value.month, true);
      case Code::kMonthFull:
        return locale.MonthName(value.month, false);
      case Code::kYearShort:
        return Number(((value.year % 100) + 100) % 100, true);
      case Code::kYearFull:
        return Number(value.year, false);
      case Code::kHour:
        return Number(twelveHour ? (value.hour + 11) % 12 + 1 : value.hour, token.padded);
      case Code::kMinute:
        return Number(value.minute, token.padded);
      case Code::kSecond:
        return Number(value.second, token.padded);
      case Code::kLocaleAmPm:
        return morning ? locale.AmDesignator() : locale.PmDesignator();
      case Code::kFixedAmPm:
        return morning ? token.text : token.pmText;
    }
    return {};
  }
};

bool IsAmPm(const Token& token) {
  return token.code == Code::kLocaleAmPm || token.code == Code::kFixedAmPm;
}

}  // namespace

std::string FormatDateTime(const runtime::DateTime& value, std::string_view format, platform::Locale& locale) {
  std::vector<Token> tokens = Tokenize(format);
  Renderer renderer{value, locale, std::any_of(tokens.begin(), tokens.end(), IsAmPm)};
  std::string result;
  for (const Token& token : tokens) result += renderer.Render(token);
  return result;
}

}  // namespace core
