#include "filetools/file_renamer_checks.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace filetools {

namespace {

// The longest path the renaming calls take (MAX_PATH less its closing NUL).
constexpr std::size_t kMaxPath = 259;

bool HoldsForbiddenCharacter(const std::string& name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
}

}  // namespace

std::optional<std::string> BadNameReason(const std::string& folder, const std::string& name) {
  if (name.empty()) return "it is empty";
  if (HoldsForbiddenCharacter(name))
    return "it holds a character Windows does not allow in a name (\\ / : * ? \" < > | or a control character)";
  if (name.back() == '.' || name.back() == ' ') return "it ends in a dot or a blank";
  if (core::IsDeviceName(name)) return "it is the name of a device";
  if (folder.size() + name.size() > kMaxPath) return "the path would be too long for Windows";
  return std::nullopt;
}

std::optional<std::string> FindBadNewName(const std::vector<RenameLine>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].Changed()) continue;
    if (auto reason = BadNameReason(lines[i].folder, lines[i].wanted)) {
      return "The new name on line " + std::to_string(i + 1) + ", \"" + lines[i].wanted +
             "\", cannot be used: " + *reason + ".\r\nNo file was renamed.";
    }
  }
  return std::nullopt;
}

bool HasCollidingTargets(const std::vector<RenameLine>& lines) {
  std::unordered_set<std::string> seen;
  seen.reserve(lines.size());
  for (const RenameLine& line : lines) {
    if (!seen.insert(runtime::UpperCase(line.NewPath())).second) return true;
  }
  return false;
}

bool RenameRun::LeftUnrenamed() const {
  return std::any_of(outcomes.begin(), outcomes.end(), [](RenameOutcome outcome) {
    return outcome != RenameOutcome::kUnchanged && outcome != RenameOutcome::kRenamed;
  });
}

RenameRun RenameChangedFiles(platform::FileSystem& fs, const std::vector<RenameLine>& lines,
                             const std::function<void(const std::string&)>& notice) {
  RenameRun run;
  run.outcomes.assign(lines.size(), RenameOutcome::kNotTried);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const RenameLine& line = lines[i];
    if (!line.Changed()) {
      run.outcomes[i] = RenameOutcome::kUnchanged;
      continue;
    }
    try {
      fs.Rename(line.OldPath(), line.NewPath());
      run.outcomes[i] = RenameOutcome::kRenamed;
    } catch (const runtime::Error& error) {
      switch (error.Number()) {
        case runtime::kPermissionDenied:
        case runtime::kPathFileAccessError:
          run.outcomes[i] = RenameOutcome::kLocked;
          notice("The file\r\n" + line.current + "\r\nwas not able to be renamed due to the file being locked.");
          break;
        case runtime::kFileNotFound:
        case runtime::kPathNotFound:
          run.outcomes[i] = RenameOutcome::kMissing;
          notice("The file\r\n" + line.current + "\r\nin the source list, was not found.");
          break;
        default:
          run.stop = core::ErrorText(error);
          return run;
      }
    }
  }
  return run;
}

}  // namespace filetools
