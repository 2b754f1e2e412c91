#include "ui/dir_list_box.h"

#include <algorithm>
#include <utility>

#include "runtime/text.h"
#include "ui/folder_path.h"
#include "ui/list_order.h"
#include "ui/ui_errors.h"

namespace ui {

namespace {

std::string LastName(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

}  // namespace

DirListBox::DirListBox(Container* parent, std::string name, int index) : Control(parent, std::move(name), index) {
  SetBackColor(kWindowBackground);
  SetForeColor(kWindowText);
  Read("");
}

void DirListBox::SetPath(const std::string& path) {
  std::string resolved = ResolveFolder(Ctx().Services().fileSystem, path, path_).Text();
  if (resolved == path_) return;
  Read(resolved);
  Raise(onChange);
}

void DirListBox::Refresh() {
  Read(path_);
}

void DirListBox::Read(const std::string& path) {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  FolderPath folder = ResolveFolder(fs, path, path_);
  std::vector<std::string> levels;
  for (std::size_t i = 0; i <= folder.names.size(); ++i) levels.push_back(folder.Text(i));
  std::string full = folder.Text();
  std::string prefix = full.back() == '\\' ? full : full + "\\";
  std::vector<std::string> names;
  for (const platform::DirEntry& entry : fs.Find(prefix + "*")) {
    bool listed = (entry.attributes & platform::kAttrDirectory) != 0 &&
                  (entry.attributes & (platform::kAttrHidden | platform::kAttrSystem)) == 0;
    if (listed) names.push_back(entry.name);
  }
  SortAsList(Ctx().Services().locale, names);
  path_ = std::move(full);
  levels_ = std::move(levels);
  subfolders_.clear();
  for (const std::string& name : names) subfolders_.push_back(prefix + name);
  listIndex_ = -1;
  topIndex_ = 0;
  Changed(Property::kItems);
}

std::string DirListBox::List(int index) const {
  if (index >= 0 && index < ListCount()) return subfolders_[static_cast<std::size_t>(index)];
  int level = Levels() + index;
  if (index < 0 && level >= 0) return levels_[static_cast<std::size_t>(level)];
  return "";
}

std::string DirListBox::ItemCaption(int index) const {
  if (index == -Levels()) return levels_.front();
  return LastName(List(index));
}

void DirListBox::SetListIndex(int index) {
  if (index < -Levels() || index >= ListCount()) throw errors::InvalidPropertyValue();
  if (index == listIndex_) return;
  listIndex_ = index;
  Changed(Property::kListIndex);
  Raise(onClick);
}

void DirListBox::SetTopIndex(int index) {
  if (index < 0) throw errors::InvalidPropertyValue();
  topIndex_ = std::min(index, std::max(0, Levels() + ListCount() - 1));
  Changed(Property::kTopIndex);
}

void DirListBox::ClickItem(int index) {
  if (index < -Levels() || index >= ListCount()) return;
  if (index == listIndex_) {
    Raise(onClick);
  } else {
    SetListIndex(index);
  }
}

void DirListBox::OpenItem(int index) {
  if (index >= -Levels() && index < ListCount()) SetPath(List(index));
}

void DirListBox::DefaultKeyDown(int keyCode, int shift) {
  switch (keyCode) {
    case kKeyUp:
      SetListIndex(std::max(-Levels(), listIndex_ - 1));
      break;
    case kKeyDown:
      SetListIndex(std::min(ListCount() - 1, listIndex_ + 1));
      break;
    case kKeyReturn:
      OpenItem(listIndex_);
      break;
    default:
      break;
  }
}

}  // namespace ui
