#include "batch/build_checks.h"

#include "app/app.h"
#include "batch/folder_scan.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "runtime/text.h"

namespace batch {

namespace {

constexpr std::string_view kProjectTagStart = "$PROJECTTAG";

bool HoldsUnreplacedProjectTag(std::string_view line) {
  const std::size_t at = runtime::FindNoCase(line, kProjectTagStart);
  return at != std::string_view::npos && line.find('$', at + kProjectTagStart.size()) != std::string_view::npos;
}

bool AskToCreateFolders(app::App& app, const std::string& firstMissing) {
  const std::string text =
      "There ONE OR MORE directories referenced in your output script, that do not exist.\r\n"
      "(This is the FIRST one found)\r\n" +
      core::ShortenPath(firstMissing) + "\r\nWould you like to create them ALL?";
  return app.Ctx().MsgBox({.text = text,
                           .title = "Tornavane Directory Scan",
                           .buttons = ui::MsgButtons::kYesNo,
                           .icon = ui::MsgIcon::kExclamation}) == ui::MsgAnswer::kYes;
}

void ReportFolderNotCreated(app::App& app) {
  app.Ctx().MsgBox({.text = "Directory could not be created.\r\n"
                            "(Possibly due to bad characters)...\r\n"
                            "\r\n"
                            "Please do not use reserved characters such as\r\n"
                            "/ : * ? \" < > |",
                    .title = "Error",
                    .buttons = ui::MsgButtons::kOk,
                    .icon = ui::MsgIcon::kCritical});
}

}  // namespace

std::optional<std::int64_t> FirstUnreplacedProjectTagLine(std::string_view script) {
  std::int64_t number = 0;
  std::optional<std::int64_t> found;
  ForEachLine(script, [&](std::string_view line) {
    ++number;
    if (!HoldsUnreplacedProjectTag(line)) return true;
    found = number;
    return false;
  });
  return found;
}

void CheckScriptFolders(app::App& app, std::string_view script) {
  mainwindow::frmMain& main = app.frmMain();
  platform::FileSystem& fs = app.Services().fileSystem;
  auto exists = [&fs](const std::string& folder) { return core::PathIsFolder(fs, folder) != 0; };
  main.settings.BadFolderFound = core::kFalse;
  const std::string firstMissing = FirstMissingFolder(script, exists);
  if (firstMissing.empty()) return;
  main.settings.BadFolderFound = core::kTrue;
  if (!AskToCreateFolders(app, firstMissing)) return;
  ForEachMissingFolder(script, exists, [&](const std::string& folder) {
    const std::string withoutBackslash = folder.substr(0, folder.size() - 1);
    if (core::MakeFolderTree(fs, withoutBackslash, [&app] { app.Ctx().DoEvents(); }) == 0) {
      ReportFolderNotCreated(app);
    }
  });
}

void CheckScriptProjectTags(app::App& app, std::string_view script) {
  const std::optional<std::int64_t> line = FirstUnreplacedProjectTagLine(script);
  if (!line) return;
  app.Ctx().MsgBox({.text = "The output script contains Project Tags that were not substituted.\r\n"
                            "The first occurence is on line " +
                            std::to_string(*line) + " of the output file",
                    .title = "Warning",
                    .buttons = ui::MsgButtons::kOk,
                    .icon = ui::MsgIcon::kCritical});
}

}  // namespace batch
