#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/message_box.h"

namespace batch {

// What the script syntax check reads: the user script, the four batch-flow texts and the
// warning switches (a check runs only when its switch is exactly 1).
struct SyntaxCheckInput {
  std::string userScript;
  std::string preBatch;
  std::string preUserScript;
  std::string postUserScript;
  std::string postBatch;
  std::int16_t WarnSpaceInBlank = 0;
  std::int16_t WarnLineEndsWithSpace = 0;
  std::int16_t WarnDoubleSpace = 0;
  std::int16_t WarnBlankLine = 0;
  std::int16_t WarnLTLisp = 0;
  std::int16_t LT = 0;
};

// The warning boxes the check shows, in order: the user-script findings, the batch-flow
// findings, and the hint on switching the warnings off when a user-script finding was made.
// An empty list when nothing was found.
std::vector<ui::MessageBoxSpec> SyntaxWarnings(const SyntaxCheckInput& input);

}  // namespace batch
