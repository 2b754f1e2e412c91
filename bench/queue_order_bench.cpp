// The queue's orderings and the recursive scan on the real main window over the headless
// back end, each against the least the same work needs, in turn in one run:
//   sort, smart sort, duplicate removal (half the entries repeated) and reverse of 100,000
//   paths against std::sort of the same strings (each must stay within 3 times);
//   "+" over a fake tree of 100,000 files against a plain recursive enumeration of the same
//   tree through FileSystem::Find (at least half its throughput).
// Each reports the ratio of its time to the baseline's ("x_std_sort", "x_plain_scan").

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_scan_stop.h"

namespace {

constexpr int kEntries = 100000;

struct Program : bench::HeadlessProgram {
  platform::fake::FakeFileSystem& fileSystem = fakes.fileSystem;

  mainwindow::frmMain& Main() { return app.frmMain(); }
};

Program& Shared() {
  static Program program;
  return program;
}

// Paths over 100 folders with names of mixed length and case.
std::vector<std::string> Paths(int distinct, int copies) {
  std::mt19937 random(42);
  std::vector<std::string> paths;
  for (int i = 0; i < distinct; ++i) {
    std::string name = "A12-" + std::to_string(random() % 1000000) + "-" + std::to_string(i);
    if (i % 3 == 0) name = "Sheet_" + name;
    std::string path = "C:\\Projects\\Job " + std::to_string(i % 100) + "\\Drawings\\" + name + ".dwg";
    for (int copy = 0; copy < copies; ++copy) paths.push_back(copy % 2 == 0 ? path : "c:\\projects" + path.substr(11));
  }
  std::shuffle(paths.begin(), paths.end(), random);
  return paths;
}

// Runs the main window's operation on a fresh queue of the given paths and std::sort on a
// copy of the same strings, in turn; the time shown is the operation's.
void AgainstStdSort(benchmark::State& state, const std::vector<std::string>& paths,
                    const std::function<void(Program&)>& operation) {
  Program& program = Shared();
  double ours = 0;
  double baseline = 0;
  for (auto _ : state) {
    program.Main().List1.SetItems(paths);
    const double seconds = bench::Seconds([&] { operation(program); });
    std::vector<std::string> copy = paths;
    baseline += bench::Seconds([&] { std::sort(copy.begin(), copy.end()); });
    benchmark::DoNotOptimize(copy.data());
    ours += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["x_std_sort"] = ours / baseline;
}

void BM_SortAscending(benchmark::State& state) {
  AgainstStdSort(state, Paths(kEntries, 1), [](Program& p) { p.Main().mnuSortAscending_Click(); });
}
BENCHMARK(BM_SortAscending)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SmartSort(benchmark::State& state) {
  AgainstStdSort(state, Paths(kEntries, 1), [](Program& p) { p.Main().SmartSort(); });
}
BENCHMARK(BM_SmartSort)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RemoveDuplicates(benchmark::State& state) {
  AgainstStdSort(state, Paths(kEntries / 2, 2), [](Program& p) {
    p.backend.ExpectMessage("Tornavane for AutoCAD", std::to_string(kEntries / 2) + " Duplicate Items Removed ");
    p.Main().RemoveDuplicateItems(p.Main().List1);
  });
}
BENCHMARK(BM_RemoveDuplicates)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Reverse(benchmark::State& state) {
  AgainstStdSort(state, Paths(kEntries, 1), [](Program& p) { p.Main().mnuReverseOrder_Click(); });
}
BENCHMARK(BM_Reverse)->UseManualTime()->Unit(benchmark::kMillisecond);

// 100 folders of 10 sub-folders of 100 drawings.
void MakeTree(platform::fake::FakeFileSystem& fs) {
  for (int a = 0; a < 100; ++a) {
    for (int b = 0; b < 10; ++b) {
      for (int c = 0; c < 100; ++c) {
        fs.AddFile("C:\\Tree\\Job " + std::to_string(a) + "\\Part " + std::to_string(b) + "\\A12-" + std::to_string(c) +
                       ".dwg",
                   "");
      }
    }
  }
}

void Enumerate(platform::FileSystem& fs, const std::string& folder, std::vector<std::string>& found) {
  for (const platform::DirEntry& entry : fs.Find(folder + "\\*")) {
    if ((entry.attributes & platform::kAttrDirectory) != 0) {
      Enumerate(fs, folder + "\\" + entry.name, found);
    } else {
      found.push_back(folder + "\\" + entry.name);
    }
  }
}

void BM_ScanTree(benchmark::State& state) {
  Program& program = Shared();
  static const bool made = (MakeTree(program.fileSystem), true);
  benchmark::DoNotOptimize(made);
  double ours = 0;
  double baseline = 0;
  for (auto _ : state) {
    program.Main().List1.Clear();
    const double seconds =
        bench::Seconds([&] { program.Main().AddFilesRecursive("C:\\Tree", "*.dwg", program.Main().List1); });
    std::vector<std::string> found;
    baseline += bench::Seconds([&] { Enumerate(program.fileSystem, "C:\\Tree", found); });
    if (program.Main().List1.ListCount() != kEntries || found.size() != kEntries) state.SkipWithError("wrong count");
    ours += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["x_plain_scan"] = ours / baseline;
}
BENCHMARK(BM_ScanTree)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
