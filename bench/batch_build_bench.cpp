// Building the batch script for a queue of 100,000 drawings against a plain write of the same
// bytes. The build substitutes every text of every drawing and hands each drawing's block to
// its sink; the plain write hands the finished blocks to the same kind of sink, so the file
// receives the same chunks. The build's throughput is reported as a share of the plain
// write's.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/pending_script.h"
#include "batch/script_services.h"
#include "batch/script_writer.h"
#include "bench_support.h"
#include "core/settings_model.h"
#include "platform/fake/fake_services.h"
#include "tags/queue_view.h"
#include "tags/tag_engine.h"
#include "ui/message_box.h"

namespace {

constexpr int kDrawings = 100000;
constexpr const char* kOutput = "C:\\Support\\tornavane.scr";
constexpr std::string_view kPostBatch = "_SDI 0";

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

// The main window with its default settings, which no event changes during the build (one
// revision); every drawing is a normal file (the lock test is the file system's cost, not the
// builder's).
class DefaultSource : public batch::ScriptSource {
 public:
  DefaultSource() {
    settings_.Text1 = kScript;
    settings_.revision = 1;
  }
  const batch::DrawingSettings& ReadDrawingSettings() override { return settings_; }
  batch::FileState ReadFileState(const std::string&) override { return batch::FileState::kNormal; }
  std::string ReadPostBatch() override { return std::string(kPostBatch); }

 private:
  batch::DrawingSettings settings_;
};

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
  bool KeepsUnchanged(std::string_view) override { return true; }
  void AppendTAGS(std::string& out, std::string_view text, std::string_view, std::int32_t, std::int32_t) override {
    out += text;
  }
  void AppendProjectAndTAGS(std::string& out, std::string_view text, std::string_view, std::int32_t, std::int32_t,
                            const tags::TextsAround& around) override {
    around.AppendBefore(out);
    out += text;
    out += around.tail;
  }
};

// A file that keeps only the sizes of the writes it was handed.
class ChunkRecorder : public platform::OutputFile {
 public:
  explicit ChunkRecorder(std::vector<std::size_t>& sizes) : sizes_(sizes) {}
  void Write(std::string_view bytes) override { sizes_.push_back(bytes.size()); }
  void Close() override {}

 private:
  std::vector<std::size_t>& sizes_;
};

struct Environment {
  platform::fake::FakeServices fakes;
  platform::fake::FakeFileSystem& fs = fakes.fileSystem;
  platform::fake::FakeClock& clock = fakes.clock;
  platform::fake::FakeLocale& locale = fakes.locale;
  platform::Services& services = fakes.services;
  core::SettingsModel settings;
  std::vector<std::string> queue;
  tags::VectorQueueView queueView{queue};
  // As the program's build sets them up.
  tags::TagSources sources{.settings = settings,
                           .queue = queueView,
                           .services = services,
                           .programFolder = "C:\\Program Files\\Tornavane",
                           .storeDatesOncePerSecond = true};
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
    for (int i = 0; i < kDrawings; ++i) {
      std::string path = "C:\\Jobs\\A12\\Sheets\\A12-";
      path += std::to_string(i);
      path += ".dwg";
      queue.push_back(path);
    }
  }

  void Build(platform::OutputFile& file, batch::ScriptServices& writing) {
    batch::WriteBatchScript(file, start, queue, source, writing);
  }
  void Build() { Build(*fs.OpenForWrite(kOutput, false), scriptServices); }
  // As the program builds: beside the script's place, moved over it once complete.
  void BuildBesideItsPlace() {
    batch::PendingScript script(fs, kOutput);
    Build(script.File(), scriptServices);
    script.Commit();
  }
};

Environment& Shared() {
  static Environment env;
  return env;
}

// The bytes of a build, cut where the build hands them to its sink: the header with the
// pre-batch commands, one block per drawing (each starts with the line "_OPEN" under the
// default settings) and the post-batch commands.
struct Script {
  std::string bytes;
  std::vector<std::string_view> records;
};

std::vector<std::string_view> Records(std::string_view bytes) {
  std::vector<std::string_view> records;
  const std::size_t post = bytes.size() - kPostBatch.size() - 2;
  std::size_t from = 0;
  for (std::size_t at = bytes.find("\r\n_OPEN\r\n"); at < post; at = bytes.find("\r\n_OPEN\r\n", at + 2)) {
    records.push_back(bytes.substr(from, at + 2 - from));
    from = at + 2;
  }
  records.push_back(bytes.substr(from, post - from));
  records.push_back(bytes.substr(post));
  return records;
}

// Writes the records through the build's sink, so the file gets the same chunks.
void WritePlain(platform::OutputFile& file, const std::vector<std::string_view>& records) {
  batch::ScriptSink sink(file);
  for (std::string_view record : records) sink.Write(record);
  sink.Flush();
  file.Close();
}

const Script& BuiltScript() {
  static const Script script = [] {
    Environment& env = Shared();
    env.Build();
    Script built{env.fs.Contents(kOutput), {}};
    built.records = Records(built.bytes);
    std::vector<std::size_t> buildChunks;
    std::vector<std::size_t> plainChunks;
    ChunkRecorder buildFile(buildChunks);
    ChunkRecorder plainFile(plainChunks);
    env.Build(buildFile, env.scriptServices);
    WritePlain(plainFile, built.records);
    if (buildChunks != plainChunks) {
      std::fprintf(stderr, "The plain write does not hand the file the chunks the build does.\n");
      std::abort();
    }
    return built;
  }();
  return script;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(BuiltScript().bytes.size()));
}

void BM_BuildBatchScript(benchmark::State& state) {
  Environment& env = Shared();
  BuiltScript();
  for (auto _ : state) env.Build();
  SetBytes(state);
}
BENCHMARK(BM_BuildBatchScript)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state) {
  Environment& env = Shared();
  const Script& script = BuiltScript();
  for (auto _ : state) WritePlain(*env.fs.OpenForWrite(kOutput, false), script.records);
  SetBytes(state);
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

void BM_BuildWithoutTags(benchmark::State& state) {
  Environment& env = Shared();
  BuiltScript();
  UnchangedTexts unchanged;
  for (auto _ : state) env.Build(*env.fs.OpenForWrite(kOutput, false), unchanged);
}
BENCHMARK(BM_BuildWithoutTags)->Unit(benchmark::kMillisecond);

// A build and a plain write of the same script in turn, so both meet the same load of the
// machine. Reports both throughputs and the build's as a share of the plain write's; the time
// shown is the build's.
template <class Build, class Plain>
void BuildAgainstPlain(benchmark::State& state, Build build, Plain plain) {
  const Script& script = BuiltScript();
  double buildSeconds = 0;
  double plainSeconds = 0;
  for (auto _ : state) {
    const double built = bench::Seconds(build);
    plainSeconds += bench::Seconds(plain);
    buildSeconds += built;
    state.SetIterationTime(built);
  }
  const double bytes = static_cast<double>(state.iterations()) * static_cast<double>(script.bytes.size());
  state.counters["build_MB/s"] = bytes / buildSeconds / 1e6;
  state.counters["plain_MB/s"] = bytes / plainSeconds / 1e6;
  state.counters["build/plain"] = plainSeconds / buildSeconds;
}

void BM_BuildAgainstPlainWrite(benchmark::State& state) {
  Environment& env = Shared();
  BuildAgainstPlain(
      state, [&] { env.Build(); }, [&] { WritePlain(*env.fs.OpenForWrite(kOutput, false), BuiltScript().records); });
}
BENCHMARK(BM_BuildAgainstPlainWrite)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same, as the program writes the script: into a fresh file beside its place, then moved
// over it; the plain write does the same. A fresh file costs the fake more than a file written
// over (its bytes grow from nothing), so compare the ratio, not the times, with the one above.
void BM_BuildBesideItsPlaceAgainstPlainWrite(benchmark::State& state) {
  Environment& env = Shared();
  BuildAgainstPlain(
      state, [&] { env.BuildBesideItsPlace(); },
      [&] {
        batch::PendingScript plain(env.fs, kOutput);
        WritePlain(plain.File(), BuiltScript().records);
        plain.Commit();
      });
}
BENCHMARK(BM_BuildBesideItsPlaceAgainstPlainWrite)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
