#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tags/tag_engine.h"
#include "ui/message_box.h"

namespace batch {

// What writing the batch script asks of the rest of the program: the three passes of the
// tag engine and the test whether a SAVEAS target already exists. Tests put a recording or
// identity version in its place; the build uses EngineScriptServices.
class ScriptServices {
 public:
  virtual ~ScriptServices() = default;

  // The dynamic and static tags of text, for the drawing at drawingPath and position.
  virtual std::string SubstituteTAGS(std::string_view text, std::int32_t counter, std::string_view drawingPath,
                                     std::int32_t position) = 0;
  // The project tags of text, for the drawing at drawingPath.
  virtual std::string SubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                            std::string_view drawingPath) = 0;
  // The project tags, then the other tags with position 0.
  virtual std::string SpSubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                              std::string_view drawingPath) = 0;
  // True when a directory search for target finds a plain file named fileName.
  virtual bool SaveAsTargetExists(const std::string& target, const std::string& fileName) = 0;

  // True when AppendTAGS hands text back as it is without calling anything else, so a build
  // may copy it once for all its drawings. Versions that record every call keep false.
  virtual bool KeepsUnchanged(std::string_view text) { return false; }

  // These append their result to out (which must not hold text), so a build can reuse its
  // buffers. They take the drawing's path before the counter and the position: passed so, a
  // call's texts all travel in registers, which the build, calling them for every drawing,
  // feels. SubstituteTAGS:
  virtual void AppendTAGS(std::string& out, std::string_view text, std::string_view drawingPath, std::int32_t counter,
                          std::int32_t position) {
    out += SubstituteTAGS(text, counter, drawingPath, position);
  }
  // SubstituteProjectTAGS, then SubstituteTAGS on its result, as the user script goes; the
  // texts around it are appended before and after the result:
  virtual void AppendProjectAndTAGS(std::string& out, std::string_view text, std::string_view drawingPath,
                                    std::int32_t counter, std::int32_t position, const tags::TextsAround& around = {}) {
    around.AppendBefore(out);
    out += SubstituteTAGS(SubstituteProjectTAGS(text, counter, drawingPath), counter, drawingPath, position);
    out += around.tail;
  }
};

// The real services: the tag engine over its sources, and the file system's search.
class EngineScriptServices : public ScriptServices {
 public:
  // Both must outlive this object; messages shows a failing search.
  EngineScriptServices(const tags::TagSources& sources, ui::MessageService& messages)
      : sources_(sources), messages_(messages) {}

  std::string SubstituteTAGS(std::string_view text, std::int32_t counter, std::string_view drawingPath,
                             std::int32_t position) override;
  std::string SubstituteProjectTAGS(std::string_view text, std::int32_t counter, std::string_view drawingPath) override;
  std::string SpSubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                      std::string_view drawingPath) override;
  bool SaveAsTargetExists(const std::string& target, const std::string& fileName) override;
  bool KeepsUnchanged(std::string_view text) override;
  void AppendTAGS(std::string& out, std::string_view text, std::string_view drawingPath, std::int32_t counter,
                  std::int32_t position) override;
  void AppendProjectAndTAGS(std::string& out, std::string_view text, std::string_view drawingPath, std::int32_t counter,
                            std::int32_t position, const tags::TextsAround& around = {}) override;

 private:
  // A text of AppendProjectAndTAGS split once; the build passes the same user script for
  // every drawing.
  struct PreparedText {
    bool projectTags;
    tags::PreparedTAGS tags;
  };
  PreparedText& Prepared(std::string_view text, bool settled);

  const tags::TagSources& sources_;
  ui::MessageService& messages_;
  std::optional<PreparedText> prepared_;
  std::string_view lastText_;  // the caller's string of the last call, only compared by address
};

}  // namespace batch
