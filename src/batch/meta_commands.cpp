#include "batch/meta_commands.h"

#include <array>

#include "runtime/wildcard.h"

namespace batch {

namespace {

constexpr std::array<MetaCommand, 18> kCommands{{
    {"*testrun=true*", "", MetaAction::kTestRunOn, false},
    {"*testrun=false*", "", MetaAction::kTestRunOff, false},
    {"*delay=true*", "", MetaAction::kDelayOn, false},
    {"*delay=false*", "", MetaAction::kDelayOff, false},
    {"*saveas=true*", "", MetaAction::kSaveAsOn, false},
    {"*saveas=false*", "", MetaAction::kSaveAsOff, false},
    {"*saveas.prefix=*", "saveas.prefix=\"", MetaAction::kPrefix, false},
    {"*saveas.suffix=*", "saveas.suffix=\"", MetaAction::kSuffix, false},
    {"*saveas.samelocation=true*", "", MetaAction::kSameLocation, false},
    {"*saveas.thislocation=*", "saveas.thislocation=\"", MetaAction::kThisLocation, false},
    {"*tags.template=*", "TAGs.template=\"", MetaAction::kTemplate, false},
    {"*saveas.overwrite=true*", "", MetaAction::kOverwriteOn, false},
    {"*saveas.overwrite=false*", "", MetaAction::kOverwriteOff, false},
    {"*sort.auto*", "", MetaAction::kSortAuto, true},
    {"*sort.ascending*", "", MetaAction::kSortAscending, true},
    {"*sort.Descending*", "", MetaAction::kSortDescending, true},
    {"*smartsort.ascending*", "", MetaAction::kSmartSortAscending, true},
    {"*smartsort.descending*", "", MetaAction::kSmartSortDescending, true},
}};

}  // namespace

std::span<const MetaCommand> MetaCommands() {
  return kCommands;
}

bool MetaCommandPresent(const MetaCommand& command, std::string_view script) {
  return runtime::Like(script, command.pattern);
}

}  // namespace batch
