#include "tags/tag_replacer.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/text.h"

namespace tags {
namespace {

TEST(TagVocabularyTest, FindsTheFirstTagThatOccurs) {
  const TagVocabulary vocabulary({"$A$", "$BB$", "$c$"});
  EXPECT_EQ(vocabulary.FirstIn("x $C$ y $bb$"), 1u);
  EXPECT_EQ(vocabulary.FirstIn("x $C$ y $bb$", 2), 2u);
  EXPECT_EQ(vocabulary.FirstIn("$$A$$"), 0u);
  EXPECT_EQ(vocabulary.FirstIn("$A $B$ BB$ $"), TagVocabulary::kNone);
  EXPECT_EQ(vocabulary.FirstIn(""), TagVocabulary::kNone);
}

TEST(TagVocabularyTest, RefusesWhatIsNotATag) {
  for (const char* bad : {"TAG", "$TAG", "$A$B$", "$$", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(TagVocabulary({bad}), std::invalid_argument);
  }
}

// The plain algorithm: every step replaces its tag, present or not.
std::string ReplaceEveryStep(std::string text, const std::vector<std::string>& tags,
                             const std::vector<std::string>& values) {
  for (std::size_t i = 0; i < tags.size(); ++i) text = runtime::ReplaceAllNoCase(text, tags[i], values[i]);
  return text;
}

// Texts and values built from pieces of tags, so that replacements open, close, join and
// split tags: skipping the steps whose tag is absent, and replacing tags that stand apart in
// one pass, must give exactly the plain result. One replacer serves every text.
TEST(TagReplacerTest, GivesThePlainResult) {
  const std::vector<std::string> tags = {"$A$", "$TAG1$", "$TAG2$", "$TAG10$", "$B$", "$TAG3$"};
  const std::vector<std::string> pieces = {"$", "A", "a", "TAG",    "tag", "1", "2",
                                           "0", "3", "B", "$TAG2$", "$a$", " ", "long filler "};
  const TagVocabulary vocabulary(tags);
  TagReplacer replacer;
  std::mt19937 random(20261210);
  auto text = [&](int length) {
    std::string result;
    for (int i = 0; i < length; ++i) result += pieces[random() % pieces.size()];
    return result;
  };
  for (int round = 0; round < 5000; ++round) {
    std::vector<std::string> values;
    for (std::size_t i = 0; i < tags.size(); ++i) values.push_back(text(static_cast<int>(random() % 4)));
    const std::string input = text(static_cast<int>(random() % 16));
    const std::string fast = replacer.Run(vocabulary, input, [&](std::size_t index) { return values[index]; });
    ASSERT_EQ(fast, ReplaceEveryStep(input, tags, values)) << "text " << input;
  }
}

TEST(TagReplacerTest, AsksOnlyForValuesOfTagsThatOccur) {
  const TagVocabulary vocabulary({"$A$", "$B$", "$C$"});
  std::vector<std::size_t> asked;
  const std::string result = ReplaceInOrder("$c$ $a$", vocabulary, [&](std::size_t index) {
    asked.push_back(index);
    return std::string(index == 0 ? "$B$" : index == 1 ? "b" : "c");
  });
  EXPECT_EQ(result, "c b");
  EXPECT_EQ(asked, (std::vector<std::size_t>{0, 1, 2}));
}

}  // namespace
}  // namespace tags
