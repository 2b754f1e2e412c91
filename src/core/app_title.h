#pragma once

#include <string_view>

namespace core {

// The title of message boxes that name no title of their own.
inline constexpr std::string_view kAppTitle = "Tornavane for AutoCAD";

// Where users are told to write when the program cannot start something it was set up to run.
inline constexpr std::string_view kSupportEmail = "support@tornavane.example";

}  // namespace core
