#include "ui/drive_list_box.h"

#include <utility>

#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/folder_path.h"

namespace ui {

namespace {

int FindDrive(const ListControl& list, char letter) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (runtime::UpperCase(list.List(i)[0]) == runtime::UpperCase(letter)) return i;
  }
  return -1;
}

}  // namespace

DriveListBox::DriveListBox(Container* parent, std::string name, int index)
    : ListControl(parent, std::move(name), index) {
  SetBackColor(kWindowBackground);
  SetForeColor(kWindowText);
  Refresh();
  std::string current = Ctx().Services().fileSystem.CurrentFolder();
  int found = current.size() >= 2 && current[1] == ':' ? FindDrive(*this, current[0]) : -1;
  SetListIndexQuietly(found >= 0 ? found : (ListCount() > 0 ? 0 : -1));
}

std::string DriveListBox::Drive() const {
  return Text();
}

void DriveListBox::SetDrive(const std::string& drive) {
  if (drive.empty()) throw runtime::Error(runtime::kDeviceUnavailable);
  int found = FindDrive(*this, drive[0]);
  if (found < 0) {
    Refresh();
    found = FindDrive(*this, drive[0]);
  }
  if (found < 0) throw runtime::Error(runtime::kDeviceUnavailable);
  SetListIndex(found);
}

void DriveListBox::Refresh() {
  std::string current = Text();
  std::vector<std::string> drives;
  for (const platform::DriveInfo& drive : Ctx().Services().fileSystem.Drives()) drives.push_back(DriveText(drive));
  ReplaceItems(std::move(drives));
  if (!current.empty()) SetListIndexQuietly(FindDrive(*this, current[0]));
}

void DriveListBox::OnListIndexChanged() {
  Raise(onChange);
}

}  // namespace ui
