// The drawing release scan over 10,000 drawings of 32 KB in 100 folders, with as many other
// files among them, on the fake file system, against a plain loop that reads the first six
// bytes of the same drawings, in turn in one run. Reports both throughputs ("scan_per_s",
// "loop_per_s") and the scan's time as a multiple of the loop's ("x_plain_reads"); the scan
// must reach at least half the loop's throughput (x_plain_reads at most 2).

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "filetools/dwg_version.h"
#include "filetools/frm_dwg_rev_scan.h"

namespace {

constexpr int kFolders = 100;
constexpr int kDrawingsPerFolder = 100;
constexpr int kDrawings = kFolders * kDrawingsPerFolder;
constexpr std::size_t kDrawingSize = 32 * 1024;

struct Program : bench::HeadlessProgram {
  platform::fake::FakeFileSystem& fileSystem = fakes.fileSystem;
  std::vector<std::string> drawings;

  Program() {
    const std::string body = "AC1015" + std::string(kDrawingSize - 6, '\x5a');
    for (int folder = 0; folder < kFolders; ++folder) {
      const std::string path = "C:\\Jobs\\Job " + std::to_string(folder) + "\\";
      for (int i = 0; i < kDrawingsPerFolder; ++i) {
        const std::string name = path + "A12-" + std::to_string(i);
        fileSystem.AddFile(name + ".dwg", body);
        fileSystem.AddFile(name + ".bak", body);
        drawings.push_back(name + ".dwg");
      }
    }
  }
};

void BM_ReleaseScan(benchmark::State& state) {
  static Program program;
  filetools::frmDWGRevScan& form = program.app.frmDWGRevScan();
  const filetools::ReleaseFlags flags{0, 0, 0, 1, 0, 0, 0, 0};
  double ours = 0;
  double baseline = 0;
  for (auto _ : state) {
    form.List1.Clear();
    const double seconds = bench::Seconds([&] {
      filetools::SearchForFileREV(program.app, "C:\\Jobs", "*.DWG", flags,
                                  {form.List1, form.lstProblemFiles, form.lblStatus});
    });
    std::size_t matched = 0;
    baseline += bench::Seconds([&] {
      for (const std::string& path : program.drawings) {
        matched += filetools::ReleaseRow(program.fileSystem.ReadRange(path, 0, filetools::kReleaseCodeLength)) == 3;
      }
    });
    if (form.List1.ListCount() != kDrawings || matched != kDrawings) state.SkipWithError("wrong count");
    ours += seconds;
    state.SetIterationTime(seconds);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["scan_per_s"] = kDrawings * runs / ours;
  state.counters["loop_per_s"] = kDrawings * runs / baseline;
  state.counters["x_plain_reads"] = ours / baseline;
}
BENCHMARK(BM_ReleaseScan)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
