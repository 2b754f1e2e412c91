#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tags/tag_vocabulary.h"
#include "tags/text_layout.h"

namespace tags {

// A text split once into its literal runs and the tags of a vocabulary between them, so that
// a text substituted again and again (the user script, once for every drawing of a build)
// is scanned once, and each substitution only joins the runs and the values.
class TextTemplate {
 public:
  // A literal run of the text and the tag that follows it; after the last run, none (kNone).
  struct Piece {
    std::string_view literal;
    std::size_t tag;
    bool operator==(const Piece&) const = default;
  };

  // The vocabulary must outlive the template.
  TextTemplate(const TagVocabulary& vocabulary, std::string_view text);

  const TagVocabulary& Vocabulary() const { return *vocabulary_; }
  const std::string& Text() const { return text_; }
  const TextLayout& Layout() const { return layout_; }
  // True when the text holds a "$": without one it holds no tag and comes out as it is.
  bool HoldsDollar() const { return !layout_.dollars.empty(); }
  // The tags that occur, each once, in the vocabulary's order.
  const std::vector<std::size_t>& Steps() const { return steps_; }

  // The runs and the tags in order, one run more than tags; the runs are views of Text().
  std::vector<Piece> Pieces() const;

 private:
  const TagVocabulary* vocabulary_;
  std::string text_;
  TextLayout layout_;
  std::vector<std::size_t> steps_;
};

// The values of the tags of a vocabulary, by index.
using TagValues = std::array<std::string_view, TagVocabulary::kMostTags>;

// Appends text with every tag of its layout replaced by values[tag], in one pass.
void AppendJoined(std::string& out, const TextLayout& layout, std::string_view text, const TagValues& values);

// A template whose tags stand apart, with the values of some of its tags joined into the runs
// around them, for values that stay the same from one substitution to the next (a date, a
// static tag): a substitution then joins fewer pieces. It gives the template's result for
// any values that hold no "$" and equal the joined ones (Matches).
class FoldedTemplate {
 public:
  // Joins values[tag] for each tag of the set; no value of the template's tags may hold "$".
  FoldedTemplate(const TextTemplate& text, const TagValues& values, const StepSet& fold);

  // True when the joined tags have the same values in values.
  bool Matches(const TagValues& values) const;
  // Appends the runs with values[tag] for each tag left between them.
  void AppendJoined(std::string& out, const TagValues& values) const;

 private:
  struct Piece {
    std::size_t runEnd;  // the run before the tag ends here in runs_
    std::size_t tag;     // kNone after the last run
  };
  std::string runs_;
  std::vector<Piece> pieces_;
  std::vector<std::size_t> foldedTags_;
  std::vector<std::string> foldedValues_;
};

}  // namespace tags
