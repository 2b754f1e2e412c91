#include "batch/pending_script.h"

#include <utility>

#include "core/text_file.h"

namespace batch {

PendingScript::PendingScript(platform::FileSystem& fs, std::string path)
    : fs_(fs), path_(std::move(path)), tempPath_(core::SafeWriteTempPath(path_)) {
  // Opened for appending and let go again: the script is neither cut nor touched. Nothing was
  // written, so the file is not closed with a flush, which would only wait for the disk.
  if (platform::Exists(fs_, path_)) fs_.OpenForWrite(path_, true).reset();
  file_ = fs_.OpenForWrite(tempPath_, false);
}

PendingScript::~PendingScript() {
  if (committed_) return;
  file_.reset();
  try {
    fs_.DeleteFile(tempPath_);
  } catch (...) {
    // The failure that stopped the script is the one the user is told about.
  }
}

void PendingScript::Commit() {
  file_.reset();
  fs_.ReplaceFile(tempPath_, path_);
  committed_ = true;
}

}  // namespace batch
