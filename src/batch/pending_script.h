#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace batch {

// A batch script written beside its place (core::SafeWriteTempPath) and moved over it only
// once it is complete, so a build that fails never leaves part of a script where AutoCAD or
// the user would run it: the place keeps the previous script, or stays empty.
class PendingScript {
 public:
  // Refuses a script in place that cannot be replaced before anything is written (70 held
  // open, 75 read-only), then creates the temporary file (76 when the folder is missing).
  PendingScript(platform::FileSystem& fs, std::string path);
  // Without Commit the temporary file is closed and removed, quietly.
  ~PendingScript();
  PendingScript(const PendingScript&) = delete;
  PendingScript& operator=(const PendingScript&) = delete;

  // The temporary file, for the writer (which closes it).
  platform::OutputFile& File() { return *file_; }
  // Moves the closed temporary file over the place in one step.
  void Commit();

 private:
  platform::FileSystem& fs_;
  std::string path_;
  std::string tempPath_;
  std::unique_ptr<platform::OutputFile> file_;
  bool committed_ = false;
};

}  // namespace batch
