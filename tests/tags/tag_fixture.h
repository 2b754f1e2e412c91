#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings_model.h"
#include "platform/fake/fake_services.h"
#include "tags/queue_view.h"
#include "tags/tag_engine.h"

namespace tags {

// The engine over fake services: en-US regional settings, a clock standing at
// 10 Dec 2026 13:05:09, the program in C:\Program Files\Tornavane, the stored defaults of
// the tag settings and an empty queue.
class TagEngineTest : public ::testing::Test {
 protected:
  static constexpr const char* kProgramFolder = "C:\\Program Files\\Tornavane";
  static constexpr const char* kDrawing = "C:\\Jobs\\A12\\Sheets\\A12-101.dwg";

  TagEngineTest() {
    settings.SHEETCHARS = "3";
    settings.FIRSTFILECHARS = "4";
    settings.TRIMZEROS = 1;
    settings.PADCOUNTER = 0;
    settings.PADDIGITS = 2;
  }

  std::string Substitute(const std::string& text, std::int32_t counter = 1, const std::string& path = kDrawing,
                         std::int32_t position = 1) {
    return SubstituteTAGS(sources, text, counter, path, position);
  }

  // Writes a file under the program's DATA folder.
  void AddDataFile(const std::string& name, const std::string& bytes) {
    fs.AddFile(std::string(kProgramFolder) + "\\DATA\\" + name, bytes);
  }

  platform::fake::FakeServices fakes;
  platform::fake::FakeFileSystem& fs = fakes.fileSystem;
  platform::fake::FakeSystemInfo& system = fakes.system;
  platform::fake::FakeClock& clock = fakes.clock;
  platform::Services& services = fakes.services;
  core::SettingsModel settings;
  std::vector<std::string> queue;
  VectorQueueView queueView{queue};
  TagSources sources{settings, queueView, services, kProgramFolder};
};

}  // namespace tags
