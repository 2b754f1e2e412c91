// The memory the restored queue holds: the main window's working-set restore over a queue file
// of 100,000 drawings (the lines bench/wine/run_speed.sh writes), reported per byte of the
// queue file: "held" is what stays allocated once the restore has ended and the queue is in
// the list, "peak" the most that was allocated at once during the restore. A heap that keeps
// what was freed (as msvcrt's under Wine does) costs up to the peak; the figure the program
// answers for is bench/wine/run_speed.sh's. Counts every operator new block by its usable size.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "bench_support.h"
#include "core/data_files.h"
#include "core/load_steps.h"
#include "core/working_set.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_main_working_set.h"

namespace {

constexpr int kDrawings = 100000;

std::string QueueFile() {
  std::string file;
  char line[64];
  for (int i = 0; i < kDrawings; ++i) {
    std::snprintf(line, sizeof line, "C:\\drawings\\F%03d\\D%06d.dwg\r\n", i / 1000, i);
    file += line;
  }
  return file;
}

std::size_t allocated = 0;
std::size_t peakAllocated = 0;

}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  allocated += malloc_usable_size(block);
  if (allocated > peakAllocated) peakAllocated = allocated;
  return block;
}

void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  allocated -= malloc_usable_size(block);
  std::free(block);
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
  operator delete(block);
}

namespace {

void BM_RestoreQueueMemory(benchmark::State& state) {
  const std::string file = QueueFile();
  double held = 0;
  double peak = 0;
  for (auto _ : state) {
    bench::HeadlessProgram program;
    mainwindow::frmMain& main = program.app.frmMain();
    const std::string data = mainwindow::MainDataFolder(main);
    program.fakes.fileSystem.AddFolder(data);
    program.fakes.fileSystem.AddFile(
        core::InFolder(data, core::WorkingSetFileName(mainwindow::FileUserName(main), core::kQueueSuffix)), file);
    core::LoadSteps steps(program.ctx, program.fakes.services.settings, main.settings);
    const std::size_t before = allocated;
    peakAllocated = before;
    mainwindow::RestoreWorkingSet(main, steps);
    held = static_cast<double>(allocated - before);
    peak = static_cast<double>(peakAllocated - before);
    if (main.List1.ListCount() != kDrawings) state.SkipWithError("the queue does not hold the file's lines");
  }
  state.counters["held_per_byte"] = held / static_cast<double>(file.size());
  state.counters["peak_per_byte"] = peak / static_cast<double>(file.size());
}
BENCHMARK(BM_RestoreQueueMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
