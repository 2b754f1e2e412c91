#pragma once

#include <memory>
#include <string>

#include "platform/services.h"

namespace contract {

// What the platform contract suites run against: the fakes in the host build, the real
// Win32 services under Wine. One definition of MakeEnv per build.
class Env {
 public:
  virtual ~Env() = default;

  virtual platform::FileSystem& FileSystem() = 0;
  virtual platform::SettingsStore& Settings() = 0;
  virtual platform::Shell& Shell() = 0;
  virtual platform::SystemInfo& System() = 0;
  virtual platform::Clipboard& Clipboard() = 0;
  virtual platform::Clock& Clock() = 0;
  virtual platform::Locale& Locale() = 0;

  // An empty writable folder for one test, as a Windows path without trailing backslash.
  virtual std::string Root() = 0;
  // A settings application name no other test uses; removed again when the env goes.
  virtual std::string SettingsApplication() = 0;

  // Keeps a file open with sharing denied (as another program would) until the returned
  // object is destroyed.
  virtual std::shared_ptr<void> HoldOpen(const std::string& path) = 0;
};

std::unique_ptr<Env> MakeEnv();

}  // namespace contract
