// Building the batch script for a queue of 100,000 drawings against a plain write of the same
// bytes. The build substitutes every text of every drawing, so its throughput is reported as
// a share of the plain write's.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/script_services.h"
#include "batch/script_writer.h"
#include "core/settings_model.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_settings_store.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"
#include "platform/services.h"
#include "tags/queue_view.h"
#include "tags/tag_engine.h"
#include "ui/message_box.h"

namespace {

constexpr int kDrawings = 100000;
constexpr const char* kOutput = "C:\\Support\\tornavane.scr";

// A user script of 10 lines holding 5 tags.
const std::string kScript =
    "_.ZOOM _E\r\n"
    "-ATTEDIT N N TITLE DWGNO * $FILENAME$ $FILENAME$\r\n"
    "-ATTEDIT N N TITLE SHEET * 1 $SHEET$\r\n"
    "-ATTEDIT N N TITLE DATE * 1 $MM/DD/YY$\r\n"
    "-ATTEDIT N N TITLE CLIENT * 1 $TAG1$\r\n"
    "_.LAYER _S 0 \r\n"
    "_.PURGE _A * _N\r\n"
    "_.AUDIT _Y\r\n"
    "_.REGEN\r\n"
    "(princ \"done\")";

class NoMessages : public ui::MessageService {
 public:
  ui::MsgAnswer Show(const ui::MessageBoxSpec&) override { return ui::MsgAnswer::kOk; }
};

// The main window with its default settings; every drawing is a normal file (the lock test
// is the file system's cost, not the builder's).
class DefaultSource : public batch::ScriptSource {
 public:
  DefaultSource() { settings_.Text1 = kScript; }
  const batch::DrawingSettings& ReadDrawingSettings() override { return settings_; }
  batch::FileState ReadFileState(const std::string&) override { return batch::FileState::kNormal; }
  std::string ReadPostBatch() override { return "_SDI 0"; }

 private:
  batch::DrawingSettings settings_;
};

struct Environment {
  platform::fake::FakeFileSystem fs;
  platform::fake::FakeSettingsStore store;
  platform::fake::FakeShell shell;
  platform::fake::FakeSystemInfo system;
  platform::fake::FakeClipboard clipboard;
  platform::fake::FakeClock clock;
  platform::fake::FakeLocale locale;
  platform::Services services{fs, store, shell, system, clipboard, clock, locale};
  core::SettingsModel settings;
  std::vector<std::string> queue;
  tags::VectorQueueView queueView{queue};
  tags::TagSources sources{settings, queueView, services, "C:\\Program Files\\Tornavane"};
  NoMessages messages;
  batch::EngineScriptServices scriptServices{sources, messages};
  DefaultSource source;
  batch::ScriptStart start;

  Environment() {
    settings.SHEETCHARS = "3";
    settings.FIRSTFILECHARS = "4";
    settings.TRIMZEROS = 1;
    settings.PADDIGITS = 2;
    settings.TAG[0] = "GADGETS && CO.";
    fs.AddFolder("C:\\Support");
    start.AppVersion = "1.0.0";
    start.stamp = batch::StampNow(clock, locale);
    queue.reserve(kDrawings);
    for (int i = 0; i < kDrawings; ++i) queue.push_back("C:\\Jobs\\A12\\Sheets\\A12-" + std::to_string(i) + ".dwg");
  }

  void Build() {
    std::unique_ptr<platform::OutputFile> file = fs.OpenForWrite(kOutput, false);
    batch::WriteBatchScript(*file, start, queue, source, scriptServices);
  }
};

Environment& Shared() {
  static Environment env;
  return env;
}

// The bytes one build writes.
const std::string& ScriptBytes() {
  static const std::string bytes = [] {
    Shared().Build();
    return Shared().fs.Contents(kOutput);
  }();
  return bytes;
}

void BM_BuildBatchScript(benchmark::State& state) {
  Environment& env = Shared();
  const std::size_t size = ScriptBytes().size();
  for (auto _ : state) env.Build();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_BuildBatchScript)->Unit(benchmark::kMillisecond);

// The same bytes written plainly, in the 64 KiB chunks the build hands to the file.
void BM_PlainWrite(benchmark::State& state) {
  Environment& env = Shared();
  const std::string& bytes = ScriptBytes();
  constexpr std::size_t kChunk = 64 * 1024;
  for (auto _ : state) {
    std::unique_ptr<platform::OutputFile> file = env.fs.OpenForWrite(kOutput, false);
    for (std::size_t at = 0; at < bytes.size(); at += kChunk) {
      file->Write(std::string_view(bytes).substr(at, kChunk));
    }
    file->Close();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

// The same bytes written plainly, one write per drawing block, as a writer without a buffer
// would hand them to the file.
void BM_PlainWritePerDrawing(benchmark::State& state) {
  Environment& env = Shared();
  const std::string& bytes = ScriptBytes();
  // Each block of the default settings starts with the line "_OPEN".
  std::vector<std::string_view> records;
  std::size_t from = 0;
  for (std::size_t at = bytes.find("\r\n_OPEN\r\n"); at != std::string::npos;
       at = bytes.find("\r\n_OPEN\r\n", at + 2)) {
    records.push_back(std::string_view(bytes).substr(from, at + 2 - from));
    from = at + 2;
  }
  records.push_back(std::string_view(bytes).substr(from));
  for (auto _ : state) {
    std::unique_ptr<platform::OutputFile> file = env.fs.OpenForWrite(kOutput, false);
    for (std::string_view record : records) file->Write(record);
    file->Close();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainWritePerDrawing)->Unit(benchmark::kMillisecond);

// Services that hand every text back unchanged: the build's own cost without the engine.
class UnchangedTexts : public batch::ScriptServices {
 public:
  std::string SubstituteTAGS(std::string_view text, std::int32_t, std::string_view, std::int32_t) override {
    return std::string(text);
  }
  std::string SubstituteProjectTAGS(std::string_view text, std::int32_t, std::string_view) override {
    return std::string(text);
  }
  std::string SpSubstituteProjectTAGS(std::string_view text, std::int32_t, std::string_view) override {
    return std::string(text);
  }
  bool SaveAsTargetExists(const std::string&, const std::string&) override { return false; }
};

void BM_BuildWithoutTags(benchmark::State& state) {
  Environment& env = Shared();
  UnchangedTexts unchanged;
  for (auto _ : state) {
    std::unique_ptr<platform::OutputFile> file = env.fs.OpenForWrite(kOutput, false);
    batch::WriteBatchScript(*file, env.start, env.queue, env.source, unchanged);
  }
}
BENCHMARK(BM_BuildWithoutTags)->Unit(benchmark::kMillisecond);

// Prints the runs as usual and, at the end, the build's throughput as a share of the plain
// write's (both write the same bytes).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double build = Time("BM_BuildBatchScript");
    if (build <= 0) return;
    std::printf("Script of %d drawings, %zu bytes, built in %.1f ms\n", kDrawings, ScriptBytes().size(), build);
    for (const char* plain : {"BM_PlainWrite", "BM_PlainWritePerDrawing"}) {
      if (Time(plain) <= 0) continue;
      std::printf("  build throughput = %.1f%% of %s (%.1f ms)\n", 100.0 * Time(plain) / build, plain, Time(plain));
    }
  }

 private:
  double Time(const std::string& name) const {
    auto found = times_.find(name);
    return found == times_.end() ? 0 : found->second;
  }

  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
