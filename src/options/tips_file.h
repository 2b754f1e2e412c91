#pragma once

#include <string>
#include <string_view>
#include <vector>

// The tips file: one tip a line, two blanks in a line standing for a paragraph break.
namespace options {

// The most tips the tip window holds; further lines of the file are left out.
inline constexpr std::size_t kMaxTips = 101;

// A line of the tips file as the tip window shows it: every pair of blanks, taken from the
// left without overlap, becomes an empty line between two paragraphs.
std::string TipText(std::string_view line);

// The tips of the file's text, in file order, at most kMaxTips. Lines end at CR LF (a lone
// CR or LF too); a last line without a line end counts, an empty line is an empty tip.
std::vector<std::string> ParseTips(std::string_view fileText);

// "Tip 3/25" for position 2 of 25.
std::string TipCounter(int position, int count);

// The tip to show when the window loads: the one after the stored number, the first after
// the last one or for a stored number that is not a tip position.
int FirstTipToShow(std::string_view storedNumber, int count);

}  // namespace options
