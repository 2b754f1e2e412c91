#include "platform/fake/fake_shell.h"

#include <algorithm>

#include "runtime/error.h"
#include "runtime/text.h"

namespace platform::fake {

namespace {

constexpr std::intptr_t kShellFileNotFound = 2;

bool IsFullPath(const std::string& path) {
  bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
  return drive || path.starts_with("\\\\");
}

// The program a command line starts: the quoted first part, or everything up to the first blank.
std::string ProgramOf(const std::string& commandLine) {
  std::string line = runtime::LTrim(commandLine);
  if (line.starts_with('"')) {
    std::size_t end = line.find('"', 1);
    return line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  }
  return line.substr(0, line.find(' '));
}

}  // namespace

bool FakeShell::IsMissing(const std::string& program) {
  bool listed = std::any_of(missingPrograms.begin(), missingPrograms.end(),
                            [&](const std::string& missing) { return runtime::EqualsNoCase(missing, program); });
  if (listed) return true;
  if (files_ == nullptr || !IsFullPath(program)) return false;
  try {
    return !Exists(*files_, program);
  } catch (const runtime::Error&) {
    return true;
  }
}

std::intptr_t FakeShell::Execute(NativeWindow owner, const std::string& verb, const std::string& file,
                                 const std::string& parameters, const std::string& folder, int showCommand) {
  executeCalls.push_back({owner, verb, file, parameters, folder, showCommand});
  return IsMissing(file) ? kShellFileNotFound : executeResult;
}

void FakeShell::StartProcess(const std::string& commandLine, int showCommand) {
  processCalls.push_back({commandLine, showCommand});
  if (startProcessFails || IsMissing(ProgramOf(commandLine))) throw runtime::Error(runtime::kFileNotFound);
}

int FakeShell::CopyFolder(const std::string& source, const std::string& destination) {
  copyCalls.push_back({source, destination});
  return copyFolderResult;
}

}  // namespace platform::fake
