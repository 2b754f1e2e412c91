// What the benchmarks share: the program over the fake services and the headless back end, and
// a stopwatch for the runs that time a baseline beside the work in the same iteration.

#pragma once

#include <chrono>

#include "app/app.h"
#include "platform/fake/fake_services.h"
#include "ui/context.h"
#include "ui/headless/headless_backend.h"

namespace bench {

struct HeadlessProgram {
  platform::fake::FakeServices fakes;
  ui::headless::HeadlessBackend backend{fakes.clock};
  ui::Context ctx{backend, fakes.services,
                  ui::AppInfo{fakes.system.ProgramFolder(), "Tornavane for AutoCAD", "tornavane", 1, 0, 0}};
  app::App app{ctx};
};

template <typename Work>
double Seconds(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace bench
