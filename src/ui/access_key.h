#pragma once

#include <string>
#include <string_view>

// Captions mark their access key with "&" ("E&xit": Alt+X); "&&" shows one "&".
namespace ui {

// The caption as shown: every marking "&" removed, every "&&" shown as one "&".
std::string StripAccessKey(std::string_view caption);

// The access key in upper case, or 0 when the caption marks none. When several are
// marked, the last counts (as Windows does).
char AccessKey(std::string_view caption);

// Position of the access key in the shown caption (StripAccessKey), or -1.
int AccessKeyPosition(std::string_view caption);

}  // namespace ui
