#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

// The file renamer's finalisation over plain data: the checks that run before any file is
// renamed, and the renaming itself.
namespace filetools {

// One line of the renamer: the file's folder (with its trailing "\"), its current name and
// the new name the preview gives it.
struct RenameLine {
  std::string folder;
  std::string current;
  std::string wanted;
  bool Changed() const { return current != wanted; }
  std::string OldPath() const { return folder + current; }
  std::string NewPath() const { return folder + wanted; }
};

// Why Windows cannot take name as a file name in folder; nothing when it can.
std::optional<std::string> BadNameReason(const std::string& folder, const std::string& name);
// The message for the first line whose new name Windows cannot take; nothing when all can.
std::optional<std::string> FindBadNewName(const std::vector<RenameLine>& lines);

// Whether two lines get the same new path (folder and name, letter case ignored).
bool HasCollidingTargets(const std::vector<RenameLine>& lines);

enum class RenameOutcome {
  kUnchanged,  // the new name is the current one: nothing to do
  kRenamed,
  kLocked,    // refused with an access error; the file keeps its name
  kMissing,   // the file was not found
  kNotTried,  // an earlier failure stopped the renaming
};

struct RenameRun {
  std::vector<RenameOutcome> outcomes;  // one per line
  // The failure that stopped the renaming (any other than locked or missing), as
  // "Error N (description)".
  std::optional<std::string> stop;
  bool LeftUnrenamed() const;
};

// Renames every changed line in order, never over an existing file. notice gets the message
// for a locked or missing file, and the renaming goes on; any other failure stops it.
RenameRun RenameChangedFiles(platform::FileSystem& fs, const std::vector<RenameLine>& lines,
                             const std::function<void(const std::string&)>& notice);

}  // namespace filetools
