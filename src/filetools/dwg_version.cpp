#include "filetools/dwg_version.h"

#include "app/app.h"
#include "core/app_title.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "runtime/wildcard.h"
#include "ui/label.h"
#include "ui/list_box.h"

namespace filetools {

namespace {

// A status text longer than this is cut in the middle.
constexpr std::size_t kLongestStatusFolder = 65;

// The first bytes of a file; fewer when the file is shorter. A drawing open in AutoCAD is
// read as well, since the read shares the file with every other program.
std::string ReadReleaseCode(app::App& app, const std::string& path) {
  return app.Services().fileSystem.ReadRange(path, 0, kReleaseCodeLength);
}

void ReportReadFailure(app::App& app, const runtime::Error& error, const char* procedure, const std::string& path) {
  app.Ctx().MsgBox(
      {.text = core::ErrorText(error) + " " + procedure + " - \r\n" + path, .title = std::string(core::kAppTitle)});
}

struct ReleaseScan {
  app::App& app;
  const ScanLists& lists;
  const ReleaseFlags& flags;
  std::size_t patternLength;
  runtime::WildcardPattern pattern;
  mainwindow::frmMain& main;
};

// A matching file: listed when its release is flagged, a problem when it is too short for a
// release code (or its name is refused), reported when it cannot be read at all.
void TryFile(ReleaseScan& scan, const std::string& path) {
  std::string code;
  try {
    code = ReadReleaseCode(scan.app, path);
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kBadFileName) {
      scan.lists.problems.AddItem(runtime::UpperCase(path));
    } else {
      ReportReadFailure(scan.app, error, "SearchForFileREV", path);
    }
    return;
  }
  if (code.size() < kReleaseCodeLength) {
    scan.lists.problems.AddItem(runtime::UpperCase(path));
    return;
  }
  const int row = ReleaseRow(code);
  if (row < 0 || scan.flags[static_cast<std::size_t>(row)] != 1) return;
  scan.lists.found.AddItem(runtime::UpperCase(path));
  ++scan.app.ScanFileCount;
}

// One folder, depth first. Events run here only, so a Stop is taken when a folder starts,
// and the scan then ends before that folder's entries; every enclosing folder ends too.
void ScanFolder(ReleaseScan& scan, const std::string& folder) {
  ui::Context& ctx = scan.app.Ctx();
  ctx.DoEvents();
  if (scan.main.settings.StopNow == core::kTrue) return;
  ctx.SetScreenPointer(ui::Pointer::kHourglass);
  const std::string path = core::FolderWithBackslash(folder);
  const std::vector<platform::DirEntry> entries = core::TreeScanEntries(scan.app.Services().fileSystem, path);
  scan.lists.status.SetCaption("Scanning: " +
                               (folder.size() > kLongestStatusFolder ? core::ShortenPath(folder) : folder));
  for (const platform::DirEntry& entry : entries) {
    const std::string name = core::StripNulls(entry.name);
    const std::string full = runtime::LowerCase(path + name);
    if ((entry.attributes & platform::kAttrDirectory) != 0) {
      if (core::EntersFolder(entry)) ScanFolder(scan, full);
    } else if (name.size() >= scan.patternLength && scan.pattern.Matches(name)) {
      TryFile(scan, full);
    }
    if (scan.main.settings.StopNow == core::kTrue) return;
  }
  ctx.SetScreenPointer(ui::Pointer::kDefault);
}

}  // namespace

int ReleaseRow(std::string_view code) {
  for (std::size_t row = 0; row < kReleases.size(); ++row) {
    if (runtime::EqualsNoCase(code, kReleases[row].code)) return static_cast<int>(row);
  }
  return -1;
}

std::string ReleaseName(std::string_view code) {
  const int row = ReleaseRow(code);
  return row < 0 ? std::string() : std::string(kReleases[static_cast<std::size_t>(row)].name);
}

std::string ReturnDWGFileREV(app::App& app, const std::string& path) {
  std::string code;
  try {
    code = ReadReleaseCode(app, path);
  } catch (const runtime::Error& error) {
    switch (error.Number()) {
      case runtime::kBadFileName:
        return kUnknownVersion;
      case runtime::kFileNotFound:
      case runtime::kPathNotFound:
        return kFileDoesntExist;
      default:
        ReportReadFailure(app, error, "ReturnDWGFileREV", path);
        return "";
    }
  }
  if (code.size() < kReleaseCodeLength) return kUnknownVersion;
  return ReleaseName(code);
}

void SearchForFileREV(app::App& app, const std::string& folder, const std::string& pattern, const ReleaseFlags& flags,
                      const ScanLists& lists) {
  ReleaseScan scan{app,          lists, flags, pattern.size(), runtime::WildcardPattern(runtime::LowerCase(pattern)),
                   app.frmMain()};
  ScanFolder(scan, folder);
}

}  // namespace filetools
