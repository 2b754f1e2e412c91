// The saved drawing lists over a 100,000-line list: loading it into the queue by the list
// window's double-click (with the queue controls' update its opener runs after), and saving the
// queue by "&Save New", each against reading and writing the same line list directly in the
// same run (each must stay within 2 times). The ratio of each to that baseline is reported as
// "x_plain".

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/text_file.h"
#include "core/working_set.h"
#include "filetools/frm_file_lists.h"
#include "mainwindow/frm_main.h"

namespace {

constexpr int kLines = 100000;

struct Program : bench::HeadlessProgram {
  Program() {
    const std::string data = core::DataFolder(fakes.system.ProgramFolder());
    fakes.fileSystem.AddFolder(data);
    for (int i = 0; i < kLines; ++i) {
      lines.push_back("C:\\Projects\\Job " + std::to_string(i % 50) + "\\Drawings\\Plan-" + std::to_string(i) + ".dwg");
    }
    listPath = core::InFolder(data, "Plant.LST");
    core::WriteLineList(fakes.fileSystem, listPath, lines);
    plainPath = core::InFolder(data, "Plain.LST");
    lists = &app.frmFileLists();
    lists->Form_Load();
    lists->File1.Refresh();
  }

  std::vector<std::string> lines;
  std::string listPath;
  std::string plainPath;
  filetools::frmFileLists* lists = nullptr;
};

Program& Shared() {
  static Program program;
  return program;
}

void AgainstPlain(benchmark::State& state, const std::function<void()>& operation, const std::function<void()>& plain) {
  double ours = 0;
  double baseline = 0;
  for (auto _ : state) {
    const double seconds = bench::Seconds(operation);
    baseline += bench::Seconds(plain);
    ours += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["x_plain"] = ours / baseline;
}

int IndexOf(const ui::FileListBox& list, const std::string& name) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == name) return i;
  }
  return -1;
}

void BM_LoadList(benchmark::State& state) {
  Program& program = Shared();
  mainwindow::frmMain& main = program.app.frmMain();
  AgainstPlain(
      state,
      [&] {
        program.lists->File1.SetListIndex(IndexOf(program.lists->File1, "Plant.LST"));
        program.lists->File1_dblClick();
        main.UpdateQueueControls();
      },
      [&] { benchmark::DoNotOptimize(core::ReadLineList(program.fakes.fileSystem, program.listPath)); });
  if (main.List1.ListCount() != kLines) state.SkipWithError("the queue does not hold the list");
}
BENCHMARK(BM_LoadList)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SaveList(benchmark::State& state) {
  Program& program = Shared();
  mainwindow::frmMain& main = program.app.frmMain();
  main.List1.SetItems(program.lines);
  program.lists->txtbxListName.SetText("Saved");
  AgainstPlain(
      state, [&] { program.lists->cmdSaveNew_Click(); },
      [&] { core::WriteLineList(program.fakes.fileSystem, program.plainPath, program.lines); });
  const std::string saved = program.fakes.fileSystem.Contents(
      core::InFolder(core::DataFolder(program.fakes.system.ProgramFolder()), "Saved.LST"));
  if (saved != program.fakes.fileSystem.Contents(program.plainPath)) state.SkipWithError("the saved list differs");
}
BENCHMARK(BM_SaveList)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
