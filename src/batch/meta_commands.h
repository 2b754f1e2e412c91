#pragma once

#include <span>
#include <string_view>

// META commands: comment lines of the user script such as ";SAVEAS=TRUE" that set options of
// the main window, load a tag template or sort the queue when the script is scanned.
namespace batch {

enum class MetaAction {
  kTestRunOn,
  kTestRunOff,
  kDelayOn,
  kDelayOff,
  kSaveAsOn,
  kSaveAsOff,
  kPrefix,
  kSuffix,
  kSameLocation,
  kThisLocation,
  kTemplate,
  kOverwriteOn,
  kOverwriteOff,
  kSortAuto,
  kSortAscending,
  kSortDescending,
  kSmartSortAscending,
  kSmartSortDescending,
};

struct MetaCommand {
  std::string_view pattern;    // matched against the whole script, letter case ignored
  std::string_view startMark;  // key and opening quote of a quoted value; "" for none
  MetaAction action;
  bool sorts;  // applied only by the scans that may reorder the queue
};

// The commands in the order the scan tests them; the sorting ones come last.
std::span<const MetaCommand> MetaCommands();

// True when the key stands anywhere in the script: inside a longer word and outside comment
// lines too, but never with a blank inside it.
bool MetaCommandPresent(const MetaCommand& command, std::string_view script);

}  // namespace batch
