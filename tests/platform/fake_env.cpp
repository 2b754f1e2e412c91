#ifndef _WIN32

#include <memory>
#include <string>

#include "contract_env.h"
#include "platform/fake/fake_services.h"

namespace contract {

namespace {

// The host build's environment: every service is a fresh fake, so nothing outlives a test.
class FakeEnv : public Env {
 public:
  platform::FileSystem& FileSystem() override { return fakes_.fileSystem; }
  platform::SettingsStore& Settings() override { return fakes_.settings; }
  platform::Shell& Shell() override { return fakes_.shell; }
  platform::SystemInfo& System() override { return fakes_.system; }
  platform::Clipboard& Clipboard() override { return fakes_.clipboard; }
  platform::Clock& Clock() override { return fakes_.clock; }
  platform::Locale& Locale() override { return fakes_.locale; }

  std::string Root() override {
    if (!fakes_.fileSystem.Exists(kRoot)) fakes_.fileSystem.MakeFolder(kRoot);
    return kRoot;
  }

  std::string SettingsApplication() override { return "TornavaneContract"; }

  std::shared_ptr<void> HoldOpen(const std::string& path) override { return fakes_.fileSystem.HoldOpen(path); }

 private:
  static constexpr const char* kRoot = "C:\\Contract";

  platform::fake::FakeServices fakes_;
};

}  // namespace

std::unique_ptr<Env> MakeEnv() {
  return std::make_unique<FakeEnv>();
}

}  // namespace contract

#endif  // _WIN32
