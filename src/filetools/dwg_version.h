#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace app {
class App;
}
namespace ui {
class Label;
class ListBox;
}  // namespace ui

// The release of a drawing file, read from its first six bytes (the release code), and the
// recursive scan that collects the drawings of chosen releases.
namespace filetools {

struct Release {
  const char* code;  // the file's first six bytes, compared ignoring letter case
  const char* name;  // as the version report writes it
};

// The releases the program knows, oldest first; the release flags of a scan follow this order.
inline constexpr std::array<Release, 8> kReleases{{{"AC1009", "R12"},
                                                   {"AC1012", "R13"},
                                                   {"AC1014", "R14"},
                                                   {"AC1015", "R2000/2002/2003"},
                                                   {"AC1018", "R2004/2005/2006"},
                                                   {"AC1021", "R2007/2008/2009"},
                                                   {"AC1024", "R2010/2011"},
                                                   {"AC1027", "R2013/2014"}}};

// The bytes read from the start of a drawing.
inline constexpr std::size_t kReleaseCodeLength = 6;

inline constexpr const char* kUnknownVersion = "Unknown Version";
inline constexpr const char* kFileDoesntExist = "File Doesn't Exist";

// The row of the release table whose code equals code (letter case ignored); -1 for none.
int ReleaseRow(std::string_view code);
// The release name of a code; "" for a code not in the table.
std::string ReleaseName(std::string_view code);

// One value per table row: a row takes part in a scan when its value is 1 (a ticked box).
using ReleaseFlags = std::array<int, kReleases.size()>;

// The release name of the file at path; "Unknown Version" when it has fewer than six bytes or
// its name is not a valid file name; "File Doesn't Exist" when the file or its folder is
// missing; "" for a code outside the table and after any other failure, which a message box
// reports with the path.
std::string ReturnDWGFileREV(app::App& app, const std::string& path);

// Where a scan puts what it finds.
struct ScanLists {
  ui::ListBox& found;     // drawings of an included release, full path in upper case
  ui::ListBox& problems;  // matching files too short to hold a release code
  ui::Label& status;      // "Scanning: " and the folder
};

// Appends every file of folder and its sub-folders (depth first, in search order) whose name
// matches pattern and whose release code is that of a row flagged 1 to lists.found, counting
// them in App::ScanFileCount. Events run once per folder, at its start; the scan ends at the
// next entry once the main window's StopNow is true. Junctions and links are not entered, so
// a loop in the tree is not followed. A file that cannot be read is reported in a message box
// and the scan goes on.
void SearchForFileREV(app::App& app, const std::string& folder, const std::string& pattern, const ReleaseFlags& flags,
                      const ScanLists& lists);

}  // namespace filetools
