#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/error.h"
#include "ui/message_box.h"

namespace app {
class App;
}

// The build of the batch script around its text: the checks before it, the write, and the
// log, favourites, checks of the written file, editor, notice and minimise after it.
namespace batch {

// Which texts the notice shows after the build.
enum class NoticeTexts { kBuild, kRun };

struct BuildResult {
  bool written = false;  // the whole batch script was written and closed
  std::string path;      // the file the build wrote (SCROutputPath when it started writing)
};

// The whole build, as "&Create Batch Script" runs it. The caller holds the busy guard.
// Sets StopBatch when the build is stopped or fails; InNightRun is false afterwards and the
// queue copy (Queue) empty, however the build ended.
BuildResult BuildBatchScript(app::App& app, NoticeTexts texts);

// How far a build got when it failed.
enum class BuildStage {
  kBeforeWriting,  // the old batch script is untouched
  kWriting,        // the new batch script was not finished; its place keeps the old one, if any
  kWritten,        // the batch script is complete and in its place; a check after it failed
};

// The message the failure of a build shows, when the user gets one.
struct BuildFailureNotice {
  std::string text;
  std::string title;
  ui::MsgIcon icon = ui::MsgIcon::kNone;
  bool showOptions = false;  // the options dialog is shown first, to correct the path
};
// scriptInPlace: whether a batch script is at path now (after a failure while writing, the
// previous one).
BuildFailureNotice BuildFailureMessage(const runtime::Error& error, BuildStage stage, std::string_view path,
                                       bool scriptInPlace);

// The status text for the drawing at position (1-based) of count: "Progress = 50%".
std::string ProgressLabel(std::int32_t position, std::int32_t count);

}  // namespace batch
