#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/locale.h"
#include "runtime/date_time.h"

namespace app {
class App;
}

namespace batch {

// Everything one batch log record holds, read from the settings, the main window, the
// options dialog and the queue copy of the build.
struct BatchLogInput {
  runtime::DateTime now;
  std::string user;
  std::string computer;
  std::string osPlatform;
  std::string os;
  std::string appTitle;
  std::string appVersion;
  std::int16_t R14Compatible = 0;
  std::int16_t LT = 0;
  std::string AutoCADEXE;
  std::string Switches;
  bool normalOutputPathChosen = false;
  std::string normalOutputPath;
  bool altOutputPathChosen = false;
  std::string altOutputPath;
  std::string TextEditor;
  std::string preBatch;
  std::string preUserScript;
  std::string userScript;
  std::string postUserScript;
  std::string postBatch;
  int delayCheckbox = 0;
  int testRunCheckbox = 0;
  int saveAsCheckbox = 0;
  std::string saveAsFormat;
  std::string saveAsPrefix;
  std::string saveAsSuffix;
  std::vector<std::string> queue;
};

// The name of the log file in the DATA folder.
inline constexpr const char* kBatchLogName = "tornavane.log";

// The lines of one record, each to be written followed by CR LF. Texts that hold line
// breaks stay as they are, so their later lines stand in the file without a label. The date
// is the locale's short date, the time hh:mm:ss on the 24-hour clock.
std::vector<std::string> BatchLogRecord(const BatchLogInput& input, platform::Locale& locale);

// With EnableLogging at 1, appends the record of the build that is being written to "tornavane.log" in the DATA
// folder, line by line, reading the settings, the main window, the options dialog and the
// build's queue copy (Queue). The status label shows "Writing Log File" meanwhile. A log that
// cannot be written is reported as such, naming the log file, and the build goes on: the
// batch script does not depend on its log.
void WriteBatchLog(app::App& app);

}  // namespace batch
