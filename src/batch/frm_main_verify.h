#pragma once

#include <string>

namespace app {
class App;
}
namespace ui {
class Context;
class Label;
}  // namespace ui

namespace batch {

// How a queue check ended.
enum class VerifyOutcome {
  kCompleted,  // every queue entry was examined
  kStopped,    // the user pressed Stop in the stop window
  kFailed,     // an unexpected error ended it (the user was told)
};

// The check of the queued files before a build or on request: every queue entry is tested
// for existence, for another program holding it and for the read-only attribute, with the
// stop window showing progress; the problems found go into the file access error report,
// which is shown modally when it lists any. The stop window is shown even while a dialog is
// open, so a build started from a dialog is checked like any other.
// The caller holds the busy guard of its operation.
VerifyOutcome VerifyQueue(app::App& app);

// The progress of the check after done of total entries, in whole percent: the fraction
// rounded to two decimal places, halves to even (1 of 3 gives 33, 1 of 8 gives 12).
int ProgressPercent(int done, int total);
// Whether the file access error report lists any problem; a report never loaded lists none.
bool ReportListsProblems(const app::App& app);
std::string ProgressText(int done, int total);

// Shows a long operation's progress between its items: a new text is painted at once when the
// back end says progress is due; an unchanged one, or one not due, lets events run as the back
// end paces them.
void ShowItemProgress(ui::Context& ctx, ui::Label& label, std::string text);

}  // namespace batch
