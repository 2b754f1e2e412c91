#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings_model.h"
#include "platform/services.h"
#include "tags/dynamic_tags.h"
#include "tags/queue_view.h"
#include "tags/tag_replacer.h"
#include "tags/text_template.h"

// The tag engine: turns a text into its value for one drawing of the queue.
namespace tags {

// What the engine keeps from one call to the next: the date and time texts of the last
// second, the tag layout of the texts met last (in the replacer) and its working buffers, so
// a build does not format, scan and allocate them for every text. None of it decides a
// result: the inputs are read afresh at every call. Keep one TagSources for as long as texts
// are substituted.
struct TagEngineCache {
  DateTextCache dateTexts;
  std::uint64_t storedDates = 0;  // the generation of the date texts the last call stored
  TagReplacer replacer;
  std::array<std::string, TagVocabulary::kMostTags> values;  // the computed values, by step
  TagValues views;                                           // the values of a prepared text
};

// What the engine reads besides its arguments, afresh at every call.
struct TagSources {
  // Read: the tag settings and TAG1..TAG50. Written: the date and time texts.
  core::SettingsModel& settings;
  // The queue, for "$FILECOUNTINQUEUE$" and the entries around a position.
  const QueueView& queue;
  // Clock, Locale, SystemInfo (user and computer names) and FileSystem (project files).
  platform::Services& services;
  // The program folder, without a trailing backslash; project files lie in its DATA folder.
  std::string programFolder;
  // Every call writes the date and time texts into the settings model. A build, which makes
  // many calls a second and reads none of those fields, sets this: a call then writes them
  // only when the second has changed since the last call that did.
  bool storeDatesOncePerSecond = false;
  mutable TagEngineCache cache{};
};

// Writes the date and time texts into their fields of the settings model, MMDDYY to
// TodayTime_24.
void StoreDateTexts(const DateTexts& texts, core::SettingsModel& settings);

// The placeholder drawing path of a text that belongs to no drawing.
inline constexpr std::string_view kNoDrawing = "-INVALID-    ";

// Replaces the dynamic tags and then "$TAG1$".."$TAG50$" in text, for the drawing at
// drawingPath, which sits at the 1-based position of the queue (0 for no position). Letter
// case is ignored; a value may hold a tag of a later step, which that step then replaces.
// Every call leaves the date and time texts in the settings model, "$" or not. A tag whose
// value cannot be computed (a bad stored count, an unreadable user name) becomes "".
std::string SubstituteTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                           std::string_view drawingPath, std::int32_t position);
// The same, appending the result to out, which must not hold text.
void SubstituteTAGSInto(std::string& out, const TagSources& sources, std::string_view text, std::int32_t counter,
                        std::string_view drawingPath, std::int32_t position);

// A text prepared for SubstituteTAGS, for a text substituted again and again (the user
// script, for every drawing of a build): its tags are found once, and the values that stay the
// same from one drawing to the next are kept joined into its runs while they do. Every
// substitution checks them against the settings, unless its caller vouches that nothing has
// changed (TextsAround::settled).
class PreparedTAGS {
 public:
  explicit PreparedTAGS(std::string_view text);

  const std::string& Text() const { return folding_.text.Text(); }
  // True when the text holds a "$": without one it holds no tag.
  bool HoldsDollar() const { return folding_.text.HoldsDollar(); }

  // The text split once, and its runs with the values that stay the same from one drawing to
  // the next joined in, kept while they do.
  struct Folding {
    TextTemplate text;
    mutable FoldedTemplate folded;
    mutable std::uint64_t dates;  // the generation of the date texts folded in
  };

 private:
  friend void SubstituteTAGSInto(std::string& out, const TagSources& sources, const PreparedTAGS& text,
                                 std::int32_t counter, std::string_view drawingPath, std::int32_t position,
                                 const TextsAround& around);

  Folding folding_;
};

// SubstituteTAGSInto for a prepared text: the same result and the same calls of the services.
// The texts around it are appended before and after the result.
void SubstituteTAGSInto(std::string& out, const TagSources& sources, const PreparedTAGS& text, std::int32_t counter,
                        std::string_view drawingPath, std::int32_t position, const TextsAround& around = {});

// Replaces "$PROJECTTAG1$".."$PROJECTTAG40$" with the values of the first project in the
// index "DATA\PTAGMAN.DAT" whose path pattern matches drawingPath. The counter plays no part.
// A missing index leaves the text as it is; missing project files and blank index lines are
// passed over. A project file that exists but cannot be read throws runtime::Error.
std::string SubstituteProjectTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                                  std::string_view drawingPath);
// True when text holds a project tag, so that SubstituteProjectTAGS could change it.
bool HasProjectTag(const TagSources& sources, std::string_view text);

// The project pass, then SubstituteTAGS with position 0.
std::string SpSubstituteProjectTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                                    std::string_view drawingPath);

}  // namespace tags
