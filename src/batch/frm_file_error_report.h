#pragma once

#include <string>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"

namespace app {
class App;
}

namespace batch {

// What a report entry says about its queue entry. Kept as the entry's item data, so the
// removals go by the problem found and not by how the path happens to begin.
enum class FileProblem : int {
  kMissing = 1,      // the file does not exist; listed in upper case
  kUnavailable = 2,  // held open by another program, hidden, or read-only; listed in lower case
};

// The file access error report of the queue check. Created at the first problem a check finds
// and then only hidden, so its list keeps the entries the user left until the next check clears it.
class frmFileErrorReport : public ui::Form {
 public:
  explicit frmFileErrorReport(app::App& app);

  ui::Frame Frame1{this, "Frame1"};
  ui::Label lblNonExist{&Frame1, "lblNonExist"};
  ui::Label lblReadOnly{&Frame1, "lblReadOnly"};
  ui::ListBox lstFileErrors{&Frame1, "lstFileErrors"};
  ui::CommandButton cmdCopytoClip{&Frame1, "cmdCopytoClip"};
  ui::CommandButton cmdRemoveREADONLY{&Frame1, "cmdRemoveREADONLY"};
  ui::Label lblOR{&Frame1, "lblOR"};
  ui::CommandButton cmdContinue{&Frame1, "cmdContinue"};
  ui::Label Label1{&Frame1, "Label1"};
  ui::CommandButton cmdIgnore{&Frame1, "cmdIgnore"};
  ui::CommandButton cmdCancel{&Frame1, "cmdCancel"};

  // The check's side: an empty list with the kind labels and the remove button greyed, and
  // one entry per problem found.
  void ClearEntries();
  void AddEntry(const std::string& queueEntry, FileProblem problem);
  FileProblem ProblemOf(int index) const;

  void Form_Load();
  void Form_Activate();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void cmdCopytoClip_Click();
  void cmdRemoveREADONLY_Click();
  void cmdContinue_Click();
  void cmdIgnore_Click();
  void cmdCancel_Click();
  // Removes from the queue every missing file still listed, and its report entry.
  void RemoveMissingFiles();

 private:
  void Design();
  // Removes, for each report entry of the kind (last to first), the last queue entry that
  // reads the same in the entry's letter case, and the report entry with it. Returns how
  // many were removed.
  int RemoveFromQueue(FileProblem problem);

  app::App& app_;
};

}  // namespace batch
