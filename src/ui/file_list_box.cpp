#include "ui/file_list_box.h"

#include <set>
#include <utility>

#include "runtime/text.h"
#include "runtime/wildcard.h"
#include "ui/folder_path.h"
#include "ui/list_order.h"

namespace ui {

FileListBox::FileListBox(Container* parent, std::string name, int index) : ListControl(parent, std::move(name), index) {
  SetBackColor(kWindowBackground);
  SetForeColor(kWindowText);
  path_ = ResolveFolder(Ctx().Services().fileSystem, "", "").Text();
  Refresh();
}

void FileListBox::SetPath(const std::string& path) {
  std::string resolved = ResolveFolder(Ctx().Services().fileSystem, path, path_).Text();
  std::vector<std::string> names = ReadNames(resolved, pattern_);
  bool changed = resolved != path_;
  path_ = std::move(resolved);
  ReplaceItems(std::move(names));
  if (changed) Raise(onPathChange);
}

void FileListBox::SetPattern(const std::string& pattern) {
  std::vector<std::string> names = ReadNames(path_, pattern);
  bool changed = pattern != pattern_;
  pattern_ = pattern;
  ReplaceItems(std::move(names));
  if (changed) Raise(onPatternChange);
}

void FileListBox::SetArchive(bool on) {
  SetFilter(archive_, on);
}

void FileListBox::SetHidden(bool on) {
  SetFilter(hidden_, on);
}

void FileListBox::SetNormal(bool on) {
  SetFilter(normal_, on);
}

void FileListBox::SetReadOnly(bool on) {
  SetFilter(readOnly_, on);
}

void FileListBox::SetSystem(bool on) {
  SetFilter(system_, on);
}

void FileListBox::SetFilter(bool& flag, bool on) {
  if (flag == on) return;
  flag = on;
  Refresh();
}

void FileListBox::SetFileName(const std::string& name) {
  std::size_t slash = name.find_last_of('\\');
  if (slash != std::string::npos) SetPath(name.substr(0, slash + 1));
  std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
  if (file.find_first_of("*?") != std::string::npos) {
    SetPattern(file);
    return;
  }
  int found = -1;
  for (int i = 0; i < ListCount() && found < 0; ++i) {
    if (runtime::EqualsNoCase(List(i), file)) found = i;
  }
  SetListIndex(found);
}

void FileListBox::Refresh() {
  std::vector<std::string> names;
  try {
    names = ReadNames(path_, pattern_);
  } catch (...) {
    ReplaceItems({});
    throw;
  }
  ReplaceItems(std::move(names));
}

std::vector<std::string> FileListBox::ReadNames(const std::string& path, const std::string& pattern) const {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  std::string prefix = path.back() == '\\' ? path : path + "\\";
  std::vector<std::string> names;
  std::set<std::string> seen;  // lower case
  for (const std::string& one : runtime::SplitPatternList(pattern)) {
    for (const platform::DirEntry& entry : fs.Find(prefix + one)) {
      if ((entry.attributes & platform::kAttrDirectory) != 0 || !Shows(entry.attributes)) continue;
      if (seen.insert(runtime::LowerCase(entry.name)).second) names.push_back(entry.name);
    }
  }
  SortAsList(Ctx().Services().locale, names);
  return names;
}

bool FileListBox::Shows(std::uint32_t attributes) const {
  using namespace platform;
  if ((attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive)) == 0) return normal_;
  if ((attributes & kAttrReadOnly) != 0 && !readOnly_) return false;
  if ((attributes & kAttrHidden) != 0 && !hidden_) return false;
  if ((attributes & kAttrSystem) != 0 && !system_) return false;
  if ((attributes & kAttrArchive) != 0 && !archive_) return false;
  return true;
}

}  // namespace ui
