#include <string>

#include "batch/build.h"
#include "core/file_helpers.h"

namespace batch {

namespace {

BuildFailureNotice Locked() {
  return {.text =
              "The Output Script file is Read-Only.\r"
              "Please wait for AutoCAD to finish using the Script,\r"
              "before you try overwriting it with anoth another.",
          .title = "Tornavane Alert"};
}

BuildFailureNotice ReadOnly(std::string_view path) {
  return {.text = "Please confirm your Tornavane Batch Script OUTPUT Path and file are NOT READ-ONLY.\r\r(i.e. " +
                  core::ShortenPath(path) + " should NOT be READ-ONLY).\r",
          .title = "Tornavane Alert",
          .showOptions = true};
}

BuildFailureNotice FolderMissing() {
  return {.text =
              "Tornavane script output path not found, please confirm this location.\r"
              "(Please use AutoCAD SUPPORT directory)",
          .title = "Tornavane Setup Alert",
          .showOptions = true};
}

std::string ErrorText(const runtime::Error& error) {
  return "Error " + std::to_string(error.Number()) + " (" + error.Description() + ")";
}

// A failure while the batch script was being written leaves the new one unfinished beside its
// place, and removed; the message says what is in its place now, so the user knows that what
// a run would start is not the script just asked for.
BuildFailureNotice Unfinished(const runtime::Error& error, BuildStage stage, std::string_view path,
                              bool scriptInPlace) {
  std::string text;
  switch (stage) {
    case BuildStage::kBeforeWriting:
      text = "The batch script was not written:\r\n";
      break;
    case BuildStage::kWriting:
      text = "The batch script was not created. Writing it failed:\r\n";
      break;
    case BuildStage::kWritten:
      text = "The batch script was written, but checking it failed:\r\n";
      break;
  }
  text += core::ShortenPath(path) + "\r\n\r\n" + ErrorText(error);
  if (stage == BuildStage::kWriting) {
    text += scriptInPlace ? "\r\n\r\nThe previous batch script is still in its place, unchanged."
                          : "\r\n\r\nThere is no batch script in its place.";
  }
  return {.text = text, .title = "Tornavane Alert", .icon = ui::MsgIcon::kExclamation};
}

}  // namespace

BuildFailureNotice BuildFailureMessage(const runtime::Error& error, BuildStage stage, std::string_view path,
                                       bool scriptInPlace) {
  // Stopped while writing, the new script is unfinished whatever the cause; the messages about
  // the output file's access name the causes of a file that cannot be created or read back.
  if (stage == BuildStage::kWriting) return Unfinished(error, stage, path, scriptInPlace);
  switch (error.Number()) {
    case runtime::kPermissionDenied:
      return Locked();
    case runtime::kPathFileAccessError:
      return ReadOnly(path);
    case runtime::kPathNotFound:
      return FolderMissing();
    default:
      return Unfinished(error, stage, path, scriptInPlace);
  }
}

}  // namespace batch
