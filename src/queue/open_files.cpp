#include "queue/open_files.h"

#include "platform/shell.h"
#include "runtime/error.h"

namespace queue {

namespace {

constexpr int kShowWindow = 5;

}  // namespace

std::string PathInFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.ends_with('\\')) path += '\\';
  return path.append(name);
}

void OpenFilesWithLimit(ui::Context& ctx, const std::vector<std::string>& paths, const std::string& workingFolder,
                        std::int16_t resourceWarning, std::int16_t limit) {
  platform::Shell& shell = ctx.Services().shell;
  const std::string question = "You have attempted to open more than " + std::to_string(limit) +
                               " files at a time.\r\n\r\nThis could starve your systems resources...\r\n\r\n"
                               "Are you sure you want to continue opening files?";
  int opened = 0;
  for (const std::string& path : paths) {
    try {
      shell.Execute(shell.DesktopWindow(), "open", path, "", workingFolder, kShowWindow);
    } catch (const runtime::Error&) {
      // A drawing that cannot be opened is passed over, as the shell's own failures are.
    }
    ++opened;
    if (opened < limit || resourceWarning != 1) continue;
    const ui::MsgAnswer answer = ctx.MsgBox({.text = question,
                                             .title = "Continue?",
                                             .buttons = ui::MsgButtons::kYesNo,
                                             .icon = ui::MsgIcon::kExclamation,
                                             .defaultButton = 1});
    if (answer != ui::MsgAnswer::kYes) break;
    opened = 0;
  }
}

}  // namespace queue
