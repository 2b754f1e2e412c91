#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// The folder tree of one path, as the classic folder list shows it: the open folders from
// the drive root down to Path, then Path's subfolders. Indexes of the open folders run from
// -Levels() (the root) to -1 (Path itself); the subfolders are 0 to ListCount - 1, in
// alphabetical order. List(i) is a full path.
class DirListBox : public Control {
 public:
  // Starts on the current folder.
  DirListBox(Container* parent, std::string name, int index = -1);

  // Full path without a trailing backslash, except at a drive root ("C:\").
  const std::string& Path() const { return path_; }
  // "" means the current folder; "c:" or a drive list's text ("c: [label]") the current folder
  // of that drive (its root when the current folder is on another drive); a relative path is
  // taken from Path. A folder that does not exist is error 76, a drive that is missing or not
  // ready error 68. A change runs Change; the current item goes back to Path (-1).
  void SetPath(const std::string& path);
  // Reads the subfolders again.
  void Refresh();

  // The number of subfolders of Path.
  int ListCount() const { return static_cast<int>(subfolders_.size()); }
  // The number of open folders, root and Path included.
  int Levels() const { return static_cast<int>(levels_.size()); }
  // The full path of a level or subfolder; "" outside -Levels() to ListCount - 1.
  std::string List(int index) const;
  // The name the list shows for it: the root as "C:\", others by their own name.
  std::string ItemCaption(int index) const;
  // The highlighted item; -1 is Path. Another value than -Levels() to ListCount - 1 is error
  // 380. A change runs Click; Path stays.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);

  // The user clicked an item (it is highlighted; Click runs even when it already was), or
  // double-clicked it (it becomes Path).
  void ClickItem(int index);
  void OpenItem(int index);

  std::function<void()> onChange;
  std::function<void()> onClick;

 protected:
  void DefaultKeyDown(int keyCode, int shift) override;

 private:
  void Read(const std::string& path);

  std::string path_;
  std::vector<std::string> levels_;      // full paths, root first, Path last
  std::vector<std::string> subfolders_;  // full paths
  int listIndex_ = -1;
  int topIndex_ = 0;
};

}  // namespace ui
