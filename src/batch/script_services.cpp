#include "batch/script_services.h"

#include "core/file_helpers.h"

namespace batch {

std::string EngineScriptServices::SubstituteTAGS(std::string_view text, std::int32_t counter,
                                                 std::string_view drawingPath, std::int32_t position) {
  std::string result;
  result.reserve(text.size());  // most values are about as long as their tags
  AppendTAGS(result, text, drawingPath, counter, position);
  return result;
}

// Every tag begins with "$": a text without one comes back as it is. Only the engine's date
// fields, which nothing reads during a build, miss the engine's call.
bool EngineScriptServices::KeepsUnchanged(std::string_view text) {
  return !tags::HoldsDollar(text);
}

void EngineScriptServices::AppendTAGS(std::string& out, std::string_view text, std::string_view drawingPath,
                                      std::int32_t counter, std::int32_t position) {
  if (KeepsUnchanged(text)) {
    out += text;
    return;
  }
  tags::SubstituteTAGSInto(out, sources_, text, counter, drawingPath, position);
}

std::string EngineScriptServices::SubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                                        std::string_view drawingPath) {
  return tags::SubstituteProjectTAGS(sources_, text, counter, drawingPath);
}

// The text is compared with the one prepared last, which is cheaper than looking it up; a
// changed text is prepared afresh. A settled call that passes the last call's string again
// is not compared: nothing can have changed it.
EngineScriptServices::PreparedText& EngineScriptServices::Prepared(std::string_view text, bool settled) {
  const bool same = settled && prepared_ && text.data() == lastText_.data() && text.size() == lastText_.size();
  if (!same && (!prepared_ || prepared_->tags.Text() != text)) {
    prepared_.emplace(PreparedText{tags::HasProjectTag(sources_, text), tags::PreparedTAGS(text)});
  }
  lastText_ = text;
  return *prepared_;
}

// A text without project tags, the usual case, goes to the second pass as it is.
void EngineScriptServices::AppendProjectAndTAGS(std::string& out, std::string_view text, std::string_view drawingPath,
                                                std::int32_t counter, std::int32_t position,
                                                const tags::TextsAround& around) {
  PreparedText& prepared = Prepared(text, around.settled);
  if (!prepared.projectTags && prepared.tags.HoldsDollar()) {
    tags::SubstituteTAGSInto(out, sources_, prepared.tags, counter, drawingPath, position, around);
    return;
  }
  around.AppendBefore(out);
  if (prepared.projectTags) {
    AppendTAGS(out, SubstituteProjectTAGS(text, counter, drawingPath), drawingPath, counter, position);
  } else {
    out += text;  // as AppendTAGS does with a text without "$"
  }
  out += around.tail;
}

std::string EngineScriptServices::SpSubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                                          std::string_view drawingPath) {
  return tags::SpSubstituteProjectTAGS(sources_, text, counter, drawingPath);
}

bool EngineScriptServices::SaveAsTargetExists(const std::string& target, const std::string& fileName) {
  return core::Path_Exists(sources_.services.fileSystem, messages_, target, fileName) != 0;
}

}  // namespace batch
