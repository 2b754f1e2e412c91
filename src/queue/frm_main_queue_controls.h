#pragma once

#include <optional>
#include <string>
#include <string_view>

// Which queue-dependent buttons and menu entries are enabled, computed from what the queue,
// the drawing browser and the script panel hold.
namespace queue {

struct QueueFacts {
  int count = 0;                // entries in the queue
  int selected = 0;             // selected entries
  int browserFiles = 0;         // entries of the browser's file list
  bool scriptEmpty = true;      // the user script is empty
  bool scriptReadOnly = false;  // the Read-Only box is ticked
  bool allTextFiles = false;    // every entry ends in "csv" or "txt"
};

// Enabled states to set; an empty one leaves the control as it is.
struct QueueControlStates {
  std::optional<bool> cmdRemoveDwg;
  bool cmdRemoveAllDwg = false;
  bool cmdQueueQuickPick = false;
  std::optional<bool> buildButtons;  // Command1_Compile and cmdCreateAndRun
  bool cmdAddAll = false;
  std::optional<bool> cmdAddDwg;
  bool scriptFileButtons = false;  // cmdSAVESCR and cmdDeleteSCR
  // Entries that need a non-empty queue: the Queue menu's, "&File Renamer" and the pop-up's
  // submenus with the entries under them.
  bool queueEntries = false;
  std::optional<bool> copyAllNames;  // mnuCopyWithExt, mnuCopyWOExtension
  bool mnuOpen = false;
  bool singleSelection = false;  // mnuSkip, mnuGotoDir, mnuOpenDirInExplorer
  bool mnuRemoveSelectedFiles = false;
  std::optional<bool> mnuSelected;
  std::optional<bool> mnuCopySelectedtoClip;
  bool mnuCombineText = false;
  std::string countCaption;
};

QueueControlStates ComputeQueueControls(const QueueFacts& facts);

// Whether a queue entry counts as a text file for "Combine &Text Files": its last three
// characters are "csv" or "txt", letter case ignored.
bool IsTextFileEntry(std::string_view entry);

}  // namespace queue
