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

// Texts written around a substituted text, as the batch script writes a drawing's block
// around its user script: lead, the drawing's path, head, the substituted text, tail.
struct TextsAround {
  std::string_view lead;
  std::string_view path;
  std::string_view head;
  std::string_view tail;
  // Not 0: lead, head and tail are the same in every call with this key, so they may be kept
  // joined to the text's runs. Each new set of texts takes a key never used before.
  std::uint64_t key = 0;
  // True when nothing but the drawing's path, counter and position and the clock can have
  // changed since the last call with this key (not the text, the settings or the queue), so
  // what that call checked still holds.
  bool settled = false;

  void AppendBefore(std::string& out) const {
    out += lead;
    out += path;
    out += head;
  }
};

// Appends the texts before, text with every tag of its layout replaced by values[tag] and the
// tail, growing out once.
void AppendJoined(std::string& out, const TextLayout& layout, std::string_view text, const TagValues& values,
                  const TextsAround& around = {});

// A template with the values of some of its tags joined into its runs once, for a text
// substituted again and again whose values partly stay the same from one substitution to the
// next (the date, the static tags): each substitution then asks and joins only the others.
class FoldedTemplate {
 public:
  // Joins values[tag] into the runs for every tag of text in fixed; the other tags stay. With a
  // key, the head and the tail around are joined to the first and the last run.
  void Fold(const TextTemplate& text, const StepSet& fixed, const TagValues& values, const TextsAround& around);
  // The key of the texts around joined in; 0 for none.
  std::uint64_t Key() const { return key_; }
  bool Empty() const { return pieces_.empty(); }
  // The tags joined into the runs, each once, with the value joined.
  const std::vector<std::pair<std::size_t, std::string>>& Fixed() const { return fixed_; }
  // The tags left, each once, in the vocabulary's order.
  const std::vector<std::size_t>& Steps() const { return steps_; }
  // Appends the texts before, the runs with values[tag] for every tag left, and the tail (those
  // of the texts around not joined in).
  void AppendJoined(std::string& out, const TagValues& values, const TextsAround& around) const;

 private:
  // A run of runs_ and the tag after it; after the last run, none (kNone).
  struct Piece {
    std::size_t begin;
    std::size_t size;
    std::size_t tag;
  };
  std::string runs_;
  std::vector<Piece> pieces_;
  std::vector<std::pair<std::size_t, std::string>> fixed_;
  std::vector<std::size_t> steps_;
  std::uint64_t key_ = 0;
};

}  // namespace tags
