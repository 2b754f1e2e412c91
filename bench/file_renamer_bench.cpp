// The file renamer over 10,000 queued drawings in 50 folders: each rule's preview, Compound
// and the finalisation's checks, each against filling the preview list with the same names
// by AddItem, one by one, in the same run (each must stay within 3 times). The ratio of each
// to that baseline is reported as "x_additem".

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "batch/frm_file_error_report.h"
#include "bench_support.h"
#include "filetools/file_renamer_checks.h"
#include "filetools/frm_file_renamer.h"
#include "mainwindow/frm_main.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kFolders = 50;

struct Program : bench::HeadlessProgram {
  Program() {
    for (int i = 0; i < kFiles; ++i) {
      app.frmMain().List1.AddItem("C:\\Projects\\Job " + std::to_string(i % kFolders) + "\\Drawings\\Plan-" +
                                  std::to_string(i) + (i % 4 == 0 ? ".DWG" : ".dwg"));
    }
    app.frmFileErrorReport().AddEntry("C:\\GONE.DWG", batch::FileProblem::kMissing);
    renamer = &app.frmFileRenamer();
  }

  filetools::frmFileRenamer* renamer = nullptr;
};

Program& Shared() {
  static Program program;
  return program;
}

// The operation, then the baseline: the preview emptied and the source names added one by one.
void AgainstAddItem(benchmark::State& state, const std::function<void(filetools::frmFileRenamer&)>& operation) {
  filetools::frmFileRenamer& f = *Shared().renamer;
  double ours = 0;
  double baseline = 0;
  for (auto _ : state) {
    const double seconds = bench::Seconds([&] { operation(f); });
    baseline += bench::Seconds([&] {
      f.lstDestination.Clear();
      for (int i = 0; i < f.lstSource.ListCount(); ++i) f.lstDestination.AddItem(f.lstSource.List(i));
    });
    ours += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["x_additem"] = ours / baseline;
}

void BM_Renumber(benchmark::State& state) {
  Shared().renamer->optAppend.SetValue(true);
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) { f.cmdPreviewRenumber_Click(); });
}
BENCHMARK(BM_Renumber)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ReplaceFirst(benchmark::State& state) {
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) { f.cmdPreviewReplaceFirst_Click(); });
}
BENCHMARK(BM_ReplaceFirst)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Insert(benchmark::State& state) {
  Shared().renamer->tbInsertText.SetText("X");
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) { f.cmdInsertPreview_Click(); });
}
BENCHMARK(BM_Insert)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Append(benchmark::State& state) {
  Shared().renamer->tbAppend.SetText("-A");
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) { f.cmdAppendPreview_Click(); });
}
BENCHMARK(BM_Append)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Pad(benchmark::State& state) {
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) { f.cmdPad_Click(); });
}
BENCHMARK(BM_Pad)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Replacer(benchmark::State& state) {
  Shared().renamer->tbReplace2Replace.SetText("plan");
  Shared().renamer->tbReplace2ReplaceWith.SetText("sheet");
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) { f.cmdReplace2Preview_Click(); });
}
BENCHMARK(BM_Replacer)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Compound(benchmark::State& state) {
  Shared().renamer->tbReplace2Replace.SetText("-");
  Shared().renamer->tbReplace2ReplaceWith.SetText("_");
  AgainstAddItem(state, [](filetools::frmFileRenamer& f) {
    f.lstDestination.SetItems([&] {
      std::vector<std::string> names;
      for (int i = 0; i < f.lstSource.ListCount(); ++i) names.push_back(f.lstSource.List(i));
      return names;
    }());
    f.cmdReplace2Compound_Click();
  });
}
BENCHMARK(BM_Compound)->UseManualTime()->Unit(benchmark::kMillisecond);

// The checks of "&Finalize It!" before any file is touched, over an Append preview: every new
// name, and the collisions of new paths.
void BM_FinaliseChecks(benchmark::State& state) {
  filetools::frmFileRenamer& renamer = *Shared().renamer;
  renamer.tbAppend.SetText("-A");
  renamer.cmdAppendPreview_Click();
  std::vector<filetools::RenameLine> lines;
  for (int i = 0; i < renamer.lstSource.ListCount(); ++i) {
    lines.push_back({"C:\\Projects\\Job " + std::to_string(i % kFolders) + "\\Drawings\\", renamer.lstSource.List(i),
                     renamer.lstDestination.List(i)});
  }
  AgainstAddItem(state, [&lines](filetools::frmFileRenamer& f) {
    benchmark::DoNotOptimize(filetools::FindBadNewName(lines));
    f.CheckForDuplicates(f.lstDestination);
    benchmark::DoNotOptimize(f.BadFlag);
  });
}
BENCHMARK(BM_FinaliseChecks)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
