#include "batch/batch_log.h"

#include "core/date_format.h"

namespace batch {

namespace {

const std::string kFrame(91, '*');

std::string Word(bool value) {
  return value ? "True" : "False";
}

}  // namespace

std::vector<std::string> BatchLogRecord(const BatchLogInput& in, platform::Locale& locale) {
  std::vector<std::string> lines = {
      kFrame,
      "DATE: " + core::FormatDateTime(in.now, "ddddd", locale),
      "TIME: " + core::FormatDateTime(in.now, "hh:mm:ss", locale),
      "USER: " + in.user,
      "PC: " + in.computer,
      "Operating Platform: " + in.osPlatform,
      "Operating System: " + in.os,
      "Tornavane Title: " + in.appTitle,
      "Tornavane Version: " + in.appVersion,
      "AutoCAD R14 Compatibility : " + std::to_string(in.R14Compatible),
      "AutoCAD LT Compatibility: " + std::to_string(in.LT),
      "AutoCAD Executable: " + in.AutoCADEXE,
      "AutoCAD Switches: " + in.Switches,
      "Standard Output Path Selected: " + Word(in.normalOutputPathChosen),
      "Tornavane Batch Output Path: " + in.normalOutputPath,
      "Standard Alternate Output Path Selected: " + Word(in.altOutputPathChosen),
      "Tornavane Altername Output Path: " + in.altOutputPath,
      "Text Editor: " + in.TextEditor,
      "PRE Batch: " + in.preBatch,
      "PRE UserScript: " + in.preUserScript,
      "User Script: " + in.userScript,
      "POST User Script: " + in.postUserScript,
      "POST Batch: " + in.postBatch,
      "Delay Checkbox: " + std::to_string(in.delayCheckbox),
      "TestRun Checkbox: " + std::to_string(in.testRunCheckbox),
      "SaveAS Checkbox: " + std::to_string(in.saveAsCheckbox),
      "SaveAS Output Format: " + in.saveAsFormat,
      "SaveAS Output Prefix: " + in.saveAsPrefix,
      "SaveAS Output Suffix: " + in.saveAsSuffix,
  };
  lines.insert(lines.end(), in.queue.begin(), in.queue.end());
  lines.push_back(kFrame);
  return lines;
}

}  // namespace batch
