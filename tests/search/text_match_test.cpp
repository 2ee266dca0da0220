#include "search/text_match.h"

#include <gtest/gtest.h>

namespace tamo::search {
namespace {

TEST(Fold, TakesCapitalsAndAccentsOffEveryHungarianLetter) {
  EXPECT_EQ(fold("ÁÉÍÓÖŐÚÜŰ áéíóöőúüű"), "aeiooouuu aeiooouuu");
  EXPECT_EQ(fold("Kárd a KAPU-nál!"), "kard a kapu-nal!");
  // Other letters of the code page, and what is no letter, stay readable.
  EXPECT_EQ(fold("Čeština Łódź ß € „x”"), "cestina lodz ß € „x”");
  // A lone lead byte or a cut sequence is kept as it is.
  EXPECT_EQ(fold("a\xC3"), "a\xC3");
  EXPECT_EQ(fold("\xC3X"), "\xC3x");
}

struct Case {
  const char* typed;
  const char* text;
  bool found;
};

class Matching : public ::testing::TestWithParam<Case> {};

TEST_P(Matching, PlainTypingFindsEverySpellingAndMarkedTypingOnlyItself) {
  EXPECT_EQ(TextMatch(GetParam().typed).matches(GetParam().text), GetParam().found)
      << GetParam().typed << " in " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, Matching,
                         ::testing::Values(
                             // Typed without capitals or accents: any spelling.
                             Case{"kard", "Egy rozsdás kard", true}, Case{"kard", "A KÁRD", true},
                             Case{"kard", "Kárd", true}, Case{"orult", "Az őrült ork", true},
                             Case{"kard", "kar d", false},
                             // Typed with an accent: that spelling only, small letters included.
                             Case{"kárd", "a kárd", true}, Case{"kárd", "Kárd", false},
                             Case{"kárd", "kard", false}, Case{"ő", "Az őr", true},
                             Case{"ő", "Az or", false}, Case{"ő", "Az ŐR", false},
                             // Typed with a capital: that capital only.
                             Case{"Kard", "Kard", true}, Case{"Kard", "kard", false},
                             Case{"Kard", "Kárd", false}, Case{"KAPU", "a KAPU", true},
                             Case{"KAPU", "a kapu", false}));

// Where the match starts, in the text as written, accents before it included.
TEST(TextMatch, FindGivesTheMatchsPlaceInTheText) {
  EXPECT_EQ(TextMatch("kard").find("Ő és a Kárd"), std::string("Ő és a ").size());
  EXPECT_EQ(TextMatch("Kárd").find("Ő és a Kárd"), std::string("Ő és a ").size());
  EXPECT_EQ(TextMatch("kard").find("semmi"), std::string_view::npos);
}

TEST(TextMatch, NothingTypedIsEmpty) {
  EXPECT_TRUE(TextMatch("").empty());
  EXPECT_FALSE(TextMatch("a").empty());
  EXPECT_FALSE(TextMatch("kard").exact());
  EXPECT_TRUE(TextMatch("Kard").exact());
}

}  // namespace
}  // namespace tamo::search
