#pragma once

#include <functional>
#include <string>

#include "ui/list_control.h"

namespace ui {

// The files of one folder whose names match a pattern, in alphabetical order.
class FileListBox : public ListControl {
 public:
  // Starts on the current folder with the pattern "*.*".
  FileListBox(Container* parent, std::string name, int index = -1);

  // The folder, with the same rules as DirListBox::Path (error 76 for a missing folder,
  // 68 for a drive not ready). A change re-reads the list and runs PathChange.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);
  // One or more wildcard patterns separated by ";". A change re-reads the list and runs
  // PatternChange. A pattern the file system refuses raises its error and the list keeps
  // the pattern it had.
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(const std::string& pattern);

  // Which files show, by attribute: a file shows when every attribute it has is allowed;
  // a file without any shows when Normal is set. Defaults: Archive, Normal and ReadOnly on,
  // Hidden and System off. A change re-reads the list.
  bool Archive() const { return archive_; }
  void SetArchive(bool on);
  bool Hidden() const { return hidden_; }
  void SetHidden(bool on);
  bool Normal() const { return normal_; }
  void SetNormal(bool on);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  bool System() const { return system_; }
  void SetSystem(bool on);

  // The current item's name; "" when there is none. Setting a name with "*" or "?" sets the
  // pattern; setting one of the listed names makes it the current item.
  std::string FileName() const { return Text(); }
  void SetFileName(const std::string& name);

  // Reads the folder again; no item stays current or selected. A folder that cannot be read
  // leaves the list empty and raises its error.
  void Refresh();

  std::function<void()> onPathChange;
  std::function<void()> onPatternChange;

 protected:
  void DefaultKeyDown(int keyCode, int shift) override { HandleKey(keyCode, shift); }

 private:
  std::vector<std::string> ReadNames(const std::string& path, const std::string& pattern) const;
  bool Shows(std::uint32_t attributes) const;
  void SetFilter(bool& flag, bool on);

  std::string path_;
  std::string pattern_ = "*.*";
  bool archive_ = true;
  bool hidden_ = false;
  bool normal_ = true;
  bool readOnly_ = true;
  bool system_ = false;
};

}  // namespace ui
