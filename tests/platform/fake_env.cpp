#ifndef _WIN32

#include <memory>
#include <string>

#include "contract_env.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_settings_store.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"

namespace contract {

namespace {

// The host build's environment: every service is a fresh fake, so nothing outlives a test.
class FakeEnv : public Env {
 public:
  platform::FileSystem& FileSystem() override { return fileSystem_; }
  platform::SettingsStore& Settings() override { return settings_; }
  platform::Shell& Shell() override { return shell_; }
  platform::SystemInfo& System() override { return system_; }
  platform::Clipboard& Clipboard() override { return clipboard_; }
  platform::Clock& Clock() override { return clock_; }
  platform::Locale& Locale() override { return locale_; }

  std::string Root() override {
    if (!fileSystem_.Exists(kRoot)) fileSystem_.MakeFolder(kRoot);
    return kRoot;
  }

  std::string SettingsApplication() override { return "TornavaneContract"; }

  std::shared_ptr<void> HoldOpen(const std::string& path) override { return fileSystem_.HoldOpen(path); }

 private:
  static constexpr const char* kRoot = "C:\\Contract";

  platform::fake::FakeFileSystem fileSystem_;
  platform::fake::FakeSettingsStore settings_;
  platform::fake::FakeShell shell_{fileSystem_};
  platform::fake::FakeSystemInfo system_;
  platform::fake::FakeClipboard clipboard_;
  platform::fake::FakeClock clock_;
  platform::fake::FakeLocale locale_;
};

}  // namespace

std::unique_ptr<Env> MakeEnv() {
  return std::make_unique<FakeEnv>();
}

}  // namespace contract

#endif  // _WIN32
