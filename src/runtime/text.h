#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Text helpers with the semantics of the classic string functions. Text is 8-bit in the
// system code page (cp1252): letter case covers ASCII and the Latin-1 letters of cp1252.
// Positions are 1-based where the classic functions use them.
namespace runtime {

char UpperCase(char c);
char LowerCase(char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// True when the two texts are equal ignoring letter case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// 0-based position of the first occurrence of what in text at or after from, ignoring
// letter case; npos when there is none. An empty what is found at from.
std::size_t FindNoCase(std::string_view text, std::string_view what, std::size_t from = 0);

// The 1-based position of what in text, searching from the 1-based position start and
// ignoring letter case; 0 when not found, when text is empty or when start lies past its
// end. An empty what is found at start. A start below 1 is error 5.
int InStrNoCase(int start, std::string_view text, std::string_view what);

// Replaces every occurrence of find (ignoring letter case) by replacement, scanning from
// left to right and going on after each inserted replacement. An empty find changes nothing.
std::string ReplaceAllNoCase(std::string_view text, std::string_view find, std::string_view replacement);

// Remove blanks (spaces only) from both ends, the start or the end.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// The first or last length characters (all of text when it is shorter). A negative length
// is error 5.
std::string Left(std::string_view text, int length);
std::string Right(std::string_view text, int length);
// The characters from the 1-based position start to the end, or at most length of them;
// empty when start lies past the end. A start below 1 or a negative length is error 5.
std::string Mid(std::string_view text, int start);
std::string Mid(std::string_view text, int start, int length);

// Splits text into lines as a line-by-line reader sees them: CR LF, a lone CR or a lone LF
// ends a line; a last line without a line end still counts; a final line end does not start
// another line. An empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Turns every NUL character of text into a blank. A window's text ends at its first NUL, so
// the text controls keep none: what they hold is what they show, whole.
void BlankNuls(std::string& text);
void BlankNuls(std::vector<std::string>& texts);

}  // namespace runtime
