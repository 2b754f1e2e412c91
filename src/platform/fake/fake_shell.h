#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace platform::fake {

// A shell that starts nothing: it records every call and answers as configured.
//
// A program counts as missing when its name is in missingPrograms (compared without regard
// to case), or when the shell was given a file system and the program is named by a full
// path ("C:\...", "\\server\...") that does not exist there. Execute of a missing program
// returns 2 (file not found); StartProcess of one throws error 53.
class FakeShell : public Shell {
 public:
  struct ExecuteCall {
    NativeWindow owner = 0;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string folder;
    int showCommand = 0;
    friend bool operator==(const ExecuteCall&, const ExecuteCall&) = default;
  };
  struct ProcessCall {
    std::string commandLine;
    int showCommand = 0;
    friend bool operator==(const ProcessCall&, const ProcessCall&) = default;
  };
  struct CopyCall {
    std::string source;
    std::string destination;
    friend bool operator==(const CopyCall&, const CopyCall&) = default;
  };

  FakeShell() = default;
  // Checks programs named by a full path against files (which must outlive the shell).
  explicit FakeShell(FileSystem& files) : files_(&files) {}

  std::intptr_t Execute(NativeWindow owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& folder, int showCommand) override;
  // A fixed handle that stands for the desktop window.
  static constexpr NativeWindow kDesktopWindow = 0x10010;
  NativeWindow DesktopWindow() override { return kDesktopWindow; }
  void StartProcess(const std::string& commandLine, int showCommand) override;
  int CopyFolder(const std::string& source, const std::string& destination) override;

  // Every call, in order, including those that failed.
  std::vector<ExecuteCall> executeCalls;
  std::vector<ProcessCall> processCalls;
  std::vector<CopyCall> copyCalls;

  // What Execute returns for a program that is not missing.
  std::intptr_t executeResult = 42;
  // When set, StartProcess throws error 53 whatever the command line.
  bool startProcessFails = false;
  // What CopyFolder returns (0 = success).
  int copyFolderResult = 0;
  std::vector<std::string> missingPrograms;

  // True when the program (a file name or path, without arguments) counts as missing.
  bool IsMissing(const std::string& program);

 private:
  FileSystem* files_ = nullptr;
};

}  // namespace platform::fake
