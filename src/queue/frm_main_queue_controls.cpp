#include "queue/frm_main_queue_controls.h"

#include "mainwindow/frm_main.h"
#include "runtime/text.h"

namespace queue {

QueueControlStates ComputeQueueControls(const QueueFacts& facts) {
  QueueControlStates s;
  const int n = facts.selected;
  const bool empty = facts.count == 0;

  if (n == 0) s.cmdRemoveDwg = false;
  s.mnuOpen = n > 0;
  s.singleSelection = n == 1;
  s.mnuRemoveSelectedFiles = n > 0;
  if (n == 0) s.mnuSelected = false;
  if (n == 1) s.mnuSelected = true;
  if (n > 0) s.mnuCopySelectedtoClip = true;

  s.cmdRemoveAllDwg = !empty;
  if (empty) s.cmdRemoveDwg = false;
  s.cmdQueueQuickPick = !empty;
  if (empty) s.buildButtons = false;
  s.queueEntries = !empty;
  if (!empty) s.copyAllNames = true;
  if (empty) s.mnuCopySelectedtoClip = false;

  s.cmdAddAll = facts.browserFiles > 0;
  if (facts.browserFiles == 0) s.cmdAddDwg = false;
  if (!empty && !facts.scriptEmpty) s.buildButtons = true;
  s.scriptFileButtons = !facts.scriptReadOnly;
  s.countCaption = "Queue = " + std::to_string(facts.count);
  s.mnuCombineText = !empty && facts.allTextFiles;
  return s;
}

bool IsTextFileEntry(std::string_view entry) {
  if (entry.size() < 3) return false;
  std::string_view end = entry.substr(entry.size() - 3);
  return runtime::EqualsNoCase(end, "csv") || runtime::EqualsNoCase(end, "txt");
}

}  // namespace queue

namespace mainwindow {

namespace {

void SetIf(ui::Control& control, std::optional<bool> enabled) {
  if (enabled) control.SetEnabled(*enabled);
}

void SetIf(ui::MenuItem& item, std::optional<bool> enabled) {
  if (enabled) item.SetEnabled(*enabled);
}

}  // namespace

void frmMain::UpdateQueueControls() {
  queue::QueueFacts facts;
  facts.count = List1.ListCount();
  facts.selected = List1.SelCount();
  facts.browserFiles = File1.ListCount();
  facts.scriptEmpty = Text1.Text().empty();
  facts.scriptReadOnly = chkReadOnly.Value() == ui::kChecked;
  facts.allTextFiles = true;
  for (int i = 0; i < facts.count && facts.allTextFiles; ++i)
    facts.allTextFiles = queue::IsTextFileEntry(List1.List(i));
  const queue::QueueControlStates s = queue::ComputeQueueControls(facts);

  SetIf(cmdRemoveDwg, s.cmdRemoveDwg);
  cmdRemoveAllDwg.SetEnabled(s.cmdRemoveAllDwg);
  cmdQueueQuickPick.SetEnabled(s.cmdQueueQuickPick);
  SetIf(Command1_Compile, s.buildButtons);
  SetIf(cmdCreateAndRun, s.buildButtons);
  cmdAddAll.SetEnabled(s.cmdAddAll);
  SetIf(cmdAddDwg, s.cmdAddDwg);
  cmdSAVESCR.SetEnabled(s.scriptFileButtons);
  cmdDeleteSCR.SetEnabled(s.scriptFileButtons);

  for (ui::MenuItem* item : {&mnuSort2,
                             &mnuSmartSort2,
                             &mnuRemoveDuplicates,
                             &mnuVerifyFilesInQueue,
                             &mnuReportDWGVersion,
                             &mnuRenamer,
                             &mnuSort,
                             &mnuSmartSort,
                             &mnuReverseOrder,
                             &mnuFont,
                             &mnuCase,
                             &mnuQueueUpperCase,
                             &mnuQueueLowerCase,
                             &mnuRemove,
                             &mnuReportDWGVersions,
                             &mnuFileSystemChecks,
                             &mnuRemoveDuplicates2,
                             &mnuVerifyFiles2,
                             &mnuCopy,
                             &mnuCopyListtoClip}) {
    item->SetEnabled(s.queueEntries);
  }
  SetIf(mnuCopyWithExt, s.copyAllNames);
  SetIf(mnuCopyWOExtension, s.copyAllNames);
  mnuOpen.SetEnabled(s.mnuOpen);
  mnuSkip.SetEnabled(s.singleSelection);
  mnuGotoDir.SetEnabled(s.singleSelection);
  mnuOpenDirInExplorer.SetEnabled(s.singleSelection);
  mnuRemoveSelectedFiles.SetEnabled(s.mnuRemoveSelectedFiles);
  SetIf(mnuSelected, s.mnuSelected);
  SetIf(mnuCopySelectedtoClip, s.mnuCopySelectedtoClip);

  lblFilesInQueue.SetCaption(s.countCaption);
  mnuCombineText.SetEnabled(s.mnuCombineText);
}

}  // namespace mainwindow
