#include "support/app_fixture.h"

namespace test {

namespace {

ui::AppInfo MakeAppInfo(platform::SystemInfo& system) {
  platform::ProgramVersion version = system.Version();
  return ui::AppInfo{system.ProgramFolder(), "Tornavane for AutoCAD", "tornavane",
                     version.major,          version.minor,           version.revision};
}

}  // namespace

AppFixture::AppFixture() : ctx(backend, services, MakeAppInfo(system)) {
  fileSystem.AddFolder(std::string(kProgramFolder) + "\\DATA");
  backend.onFailure = [](const std::string& what) { ADD_FAILURE() << what; };
}

AppFixture::~AppFixture() {
  backend.onFailure = nullptr;
}

void AppFixture::TearDown() {
  for (const std::string& unused : backend.Unused()) ADD_FAILURE() << unused;
}

void AppFixture::AsEvent(const std::function<void()>& action) {
  try {
    ctx.UserAction(action);
  } catch (const ui::ProgramEnd&) {
  }
}

}  // namespace test
