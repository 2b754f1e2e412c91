#pragma once

#include <functional>
#include <string>

#include "ui/list_control.h"

namespace ui {

// The drives of the system, each shown as "c: [label]" ("c:" without a label).
class DriveListBox : public ListControl {
 public:
  // Starts on the drive of the current folder.
  DriveListBox(Container* parent, std::string name, int index = -1);

  // The current drive as the list shows it: "c: [label]".
  std::string Drive() const;
  // Only the first character counts: a drive letter in either case ("c:\", "D:\Jobs" and the
  // list's own text all work). A letter the system has no drive for is error 68. A change
  // runs Change. A drive that is not ready is taken; using it fails later.
  void SetDrive(const std::string& drive);
  // Reads the drives again.
  void Refresh();

  std::function<void()> onChange;

 protected:
  void OnListIndexChanged() override;
};

}  // namespace ui
