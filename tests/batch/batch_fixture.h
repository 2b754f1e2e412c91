#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "batch/script_services.h"
#include "batch/script_writer.h"
#include "core/file_helpers.h"
#include "core/settings_model.h"
#include "platform/fake/fake_services.h"
#include "tags/queue_view.h"
#include "ui/message_box.h"

namespace batch_test {

// Joins lines into the bytes of a script: every line ends with CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Services that return every text unchanged and record each call. With mark set, each pass
// wraps its result ("T[...]" tags, "P[...]" project tags, "S[...]" both), so a test sees
// which passes a text went through, and in which order.
class RecordingServices : public batch::ScriptServices {
 public:
  struct Call {
    std::string pass;
    std::string text;
    std::int32_t counter = 0;
    std::string path;
    std::int32_t position = 0;
  };

  std::string SubstituteTAGS(std::string_view text, std::int32_t counter, std::string_view drawingPath,
                             std::int32_t position) override {
    calls.push_back({"TAGS", std::string(text), counter, std::string(drawingPath), position});
    return Result("T", text);
  }
  std::string SubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                    std::string_view drawingPath) override {
    calls.push_back({"PROJECT", std::string(text), counter, std::string(drawingPath), 0});
    return Result("P", text);
  }
  std::string SpSubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                      std::string_view drawingPath) override {
    calls.push_back({"SP", std::string(text), counter, std::string(drawingPath), 0});
    return Result("S", text);
  }
  bool SaveAsTargetExists(const std::string& target, const std::string& fileName) override {
    calls.push_back({"EXISTS", target + "|" + fileName, 0, "", 0});
    return existingTargets.count(target) != 0;
  }

  // The calls of one pass, in order.
  std::vector<Call> CallsOf(const std::string& pass) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.pass == pass) found.push_back(call);
    }
    return found;
  }

  bool mark = false;
  std::set<std::string> existingTargets;
  std::vector<Call> calls;

 private:
  std::string Result(const std::string& pass, std::string_view text) const {
    return mark ? pass + "[" + std::string(text) + "]" : std::string(text);
  }
};

// Answers any message box with OK and records it.
class RecordingMessages : public ui::MessageService {
 public:
  ui::MsgAnswer Show(const ui::MessageBoxSpec& box) override {
    shown.push_back(box);
    return ui::MsgAnswer::kOk;
  }
  std::vector<ui::MessageBoxSpec> shown;
};

// A main window as the build sees it: fixed settings that a test may change between drawings,
// and drawing states read from the file system as the builder reads them.
class TestSource : public batch::ScriptSource {
 public:
  explicit TestSource(platform::FileSystem& fs) : fs_(fs) {}

  void BeforeDrawing(std::int32_t position, std::int32_t count) override {
    progress.push_back(std::to_string(position) + "/" + std::to_string(count));
    if (onDrawing) onDrawing(position, settings);
  }
  const batch::DrawingSettings& ReadDrawingSettings() override { return settings; }
  batch::FileState ReadFileState(const std::string& path) override {
    bool readOnly = false;
    try {
      readOnly = core::IsReadOnlyAttribute(fs_.GetAttributes(path));
    } catch (const std::exception&) {
    }
    return batch::ClassifyDrawingFile(core::FileUnavailable(fs_, path), readOnly);
  }
  void AfterDrawing(const std::string& postUserScript) override { postUserScripts.push_back(postUserScript); }
  void AfterDrawings(std::int32_t drawingsWritten) override {
    events.push_back("after " + std::to_string(drawingsWritten));
  }
  std::string ReadPostBatch() override {
    events.push_back("post-batch read");
    return tbPostBatch;
  }

  batch::DrawingSettings settings;
  std::string tbPostBatch = "_SDI 0";
  std::function<void(std::int32_t position, batch::DrawingSettings& settings)> onDrawing;
  std::vector<std::string> progress;
  std::vector<std::string> postUserScripts;
  std::vector<std::string> events;

 private:
  platform::FileSystem& fs_;
};

// The build over the real tag engine and the fake services: en-US regional settings, the
// clock at 10 Dec 2026 13:05:09, version 1.0.0, the program's default settings and drawings
// in C:\DWG.
class BatchScriptTest : public ::testing::Test {
 public:
  static constexpr const char* kProgramFolder = "C:\\Program Files\\Tornavane";
  static constexpr const char* kOutput = "C:\\Support\\tornavane.scr";

  BatchScriptTest() {
    settings.SHEETCHARS = "3";
    settings.FIRSTFILECHARS = "4";
    settings.PADDIGITS = 2;
    fs.AddFolder("C:\\Support");
    start.AppVersion = "1.0.0";
    start.stamp = batch::StampNow(clock, locale);
  }

  // Queues a drawing that exists, one with the read-only attribute, one that is missing and
  // one held open by another program.
  void Normal(const std::string& path) {
    fs.AddFile(path, "AC1018");
    queue.push_back(path);
  }
  void ReadOnly(const std::string& path) {
    fs.AddFile(path, "AC1018", platform::kAttrArchive | platform::kAttrReadOnly);
    queue.push_back(path);
  }
  void Missing(const std::string& path) { queue.push_back(path); }
  void InUse(const std::string& path) {
    Normal(path);
    held.push_back(fs.HoldOpen(path));
  }
  void AddDataFile(const std::string& name, const std::string& bytes) {
    fs.AddFile(std::string(kProgramFolder) + "\\DATA\\" + name, bytes);
  }

  // Builds the script for the queue and returns the bytes written.
  std::string Build() {
    {
      std::unique_ptr<platform::OutputFile> file = fs.OpenForWrite(kOutput, false);
      batch::WriteBatchScript(*file, start, queue, source, scriptServices);
    }
    EXPECT_FALSE(fs.IsOpen(kOutput));
    return fs.Contents(kOutput);
  }

  platform::fake::FakeServices fakes;
  platform::fake::FakeFileSystem& fs = fakes.fileSystem;
  platform::fake::FakeClock& clock = fakes.clock;
  platform::fake::FakeLocale& locale = fakes.locale;
  platform::Services& services = fakes.services;
  core::SettingsModel settings;
  std::vector<std::string> queue;  // the queue, as List1 holds it and the build copies it
  tags::VectorQueueView queueView{queue};
  tags::TagSources sources{settings, queueView, services, kProgramFolder};
  RecordingMessages messages;
  batch::EngineScriptServices scriptServices{sources, messages};
  batch::ScriptStart start;
  TestSource source{fs};
  std::vector<std::shared_ptr<void>> held;
};

}  // namespace batch_test
