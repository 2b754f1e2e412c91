// Tag substitution against a plain write of the same text: the batch builder substitutes
// every text of every drawing, so substitution must stay within a small factor of writing.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/settings_model.h"
#include "platform/fake/fake_services.h"
#include "tags/queue_view.h"
#include "tags/tag_engine.h"

namespace {

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
    "(princ \"done\")\r\n";

struct Environment {
  platform::fake::FakeServices fakes;
  platform::fake::FakeFileSystem& fs = fakes.fileSystem;
  platform::Services& services = fakes.services;
  core::SettingsModel settings;
  std::vector<std::string> queue;
  tags::VectorQueueView queueView{queue};
  tags::TagSources sources{settings, queueView, services, "C:\\Program Files\\Tornavane"};

  Environment() {
    settings.SHEETCHARS = "3";
    settings.FIRSTFILECHARS = "4";
    settings.TRIMZEROS = 1;
    settings.TAG[0] = "GADGETS && CO.";
    for (int i = 0; i < 1000; ++i) queue.push_back("C:\\Jobs\\A12\\Sheets\\A12-" + std::to_string(i) + ".dwg");
  }
};

// Writes a batch of texts to a file; the file is started afresh every 10,000 writes.
template <typename TextOf>
void WriteTexts(benchmark::State& state, TextOf textOf) {
  Environment env;
  const std::string path = "C:\\out.scr";
  auto file = env.fs.OpenForWrite(path, false);
  std::int32_t drawing = 0;
  for (auto _ : state) {
    const std::string& entry = env.queue[static_cast<std::size_t>(drawing % 1000)];
    file->Write(textOf(env, entry, drawing));
    if (++drawing % 10000 == 0) {
      file.reset();
      file = env.fs.OpenForWrite(path, false);
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kScript.size()));
}

void BM_PlainWrite(benchmark::State& state) {
  WriteTexts(state, [](Environment&, const std::string&, std::int32_t) -> const std::string& { return kScript; });
}
BENCHMARK(BM_PlainWrite);

void BM_SubstituteAndWrite(benchmark::State& state) {
  WriteTexts(state, [](Environment& env, const std::string& entry, std::int32_t drawing) {
    return tags::SubstituteTAGS(env.sources, kScript, drawing, entry, drawing % 1000 + 1);
  });
}
BENCHMARK(BM_SubstituteAndWrite);

void BM_SubstituteNoTags(benchmark::State& state) {
  Environment env;
  const std::string text = "_.ZOOM _E\r\n_.REGEN\r\n";
  for (auto _ : state) {
    benchmark::DoNotOptimize(tags::SubstituteTAGS(env.sources, text, 1, env.queue[0], 1));
  }
}
BENCHMARK(BM_SubstituteNoTags);

}  // namespace

BENCHMARK_MAIN();
