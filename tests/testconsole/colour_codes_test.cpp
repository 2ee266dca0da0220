#include "testconsole/colour_codes.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace tamo::testconsole {
namespace {

using Pieces = std::vector<std::string>;

TEST(ColourCodeTable, HasTheFortySixEntriesInOrder) {
  const auto& t = colour_codes();
  EXPECT_EQ(t[0].text, "%^RED%^");
  EXPECT_EQ(t[0].colour, 0xAA0000u);
  EXPECT_EQ(t[2].text, "%^ORANGE%^");
  EXPECT_EQ(t[2].colour, 0x808000u);
  EXPECT_EQ(t[9].text, "%^RESET%^");
  EXPECT_EQ(t[9].colour, 0xC0C0C0u);
  EXPECT_EQ(t[10].text, "%^BOLD%^%^RED%^");
  EXPECT_EQ(t[11].text, "%^BOLD%^RED%^");
  EXPECT_EQ(t[12].text, "%^RED%^%^BOLD%^");
  EXPECT_EQ(t[13].text, "%^RED%^BOLD%^");
  EXPECT_EQ(t[14].text, "%^BOLD%^%^BLUE%^");
  EXPECT_EQ(t[22].text, "%^BOLD%^%^ORANGE%^");
  EXPECT_EQ(t[22].colour, 0xFFFF00u);
  EXPECT_EQ(t[30].colour, 0x808080u);  // bold black
  EXPECT_EQ(t[45].text, "%^MAGENTA%^BOLD%^");
  EXPECT_EQ(t[45].colour, 0xFF00FFu);
  std::set<std::string> distinct;
  for (const ColourCode& c : t) {
    EXPECT_NE(c.colour, 0u);
    distinct.insert(c.text);
  }
  EXPECT_EQ(distinct.size(), kColourCodeCount);
}

TEST(QuerySzinkod, AnswersOnlyForAnExactCode) {
  const std::pair<std::string, Rgb> cases[] = {
      {"%^RED%^", 0xAA0000},
      {"%^BOLD%^%^GREEN%^", 0x00FF00},
      {"%^CYAN%^BOLD%^", 0x00FFFF},
      {"%^WHITE%^", 0xC0C0C0},
      {"%^BOLD%^WHITE%^", 0xFFFFFF},
      {"%^BOLD%^", 0},
      {"%^red%^", 0},
      {"%^RED%^ ", 0},
      {"%^PINK%^", 0},
      {"", 0},
  };
  for (const auto& [text, colour] : cases) EXPECT_EQ(query_szinkod(text), colour) << text;
}

TEST(Darabol, SplitsIntoPiecesAndCodes) {
  const std::pair<std::string, Pieces> cases[] = {
      {"Elso %^BOLD%^%^RED%^masodik%^RESET%^ harmadik",
       {"Elso ", "%^BOLD%^%^RED%^", "masodik", "%^RESET%^", " harmadik"}},
      {"%^RED%^x", {"", "%^RED%^", "x"}},
      // At one position the longer bold forms win over the plain code inside them.
      {"%^RED%^%^BOLD%^x", {"", "%^RED%^%^BOLD%^", "x"}},
      {"%^RED%^BOLD%^x", {"", "%^RED%^BOLD%^", "x"}},
      {"%^BOLD%^RED%^x", {"", "%^BOLD%^RED%^", "x"}},
      {"a%^RED%^", {"a", "%^RED%^"}},
      {"%^RED%^%^BLUE%^", {"", "%^RED%^", "", "%^BLUE%^"}},
      {"plain", {"plain"}},
      {"%^BOLD%^ alone", {"%^BOLD%^ alone"}},
      {"", {}},
  };
  for (const auto& [text, pieces] : cases) EXPECT_EQ(darabol(text), pieces) << text;
}

// Texts glued from fragments of codes: the pieces are as if the earliest of all codes were
// taken each time, the later entry of the table where two start at one place.
TEST(Darabol, TakesTheEarliestCodeAndTheLaterEntryAtOnePlace) {
  auto earliest_codes = [](std::string_view text) {
    const auto& codes = colour_codes();
    Pieces out;
    std::size_t from = 0;
    for (;;) {
      std::size_t best = std::string_view::npos;
      std::size_t entry = 0;
      for (std::size_t e = 0; e < kColourCodeCount; ++e) {
        std::size_t at = text.find(codes[e].text, from);
        if (at != std::string_view::npos && (best == std::string_view::npos || at <= best)) {
          best = at;
          entry = e;
        }
      }
      if (best == std::string_view::npos) break;
      out.emplace_back(text.substr(from, best - from));
      out.emplace_back(codes[entry].text);
      from = best + codes[entry].text.size();
    }
    if (from < text.size()) out.emplace_back(text.substr(from));
    return out;
  };
  const char* fragments[] = {"%^",   "%",       "^",        "RED", "BOLD",
                             "BLUE", "%^RED%^", "%^BOLD%^", "x",   " "};
  std::mt19937 random(11);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    int count = std::uniform_int_distribution<int>(0, 14)(random);
    for (int i = 0; i < count; ++i)
      text += fragments[std::uniform_int_distribution<int>(0, 9)(random)];
    Pieces expected = earliest_codes(text);
    EXPECT_EQ(darabol(text), expected) << text;
    // With no code the text stays one piece (or none when empty).
    EXPECT_EQ(contains_colour_code(text), expected.size() > 1) << text;
  }
}

TEST(Darabol, HandlesAHundredThousandCodes) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += i % 2 ? "%^RED%^x" : "%^BOLD%^BLUE%^y";
  Pieces pieces = darabol(text);
  ASSERT_EQ(pieces.size(), 200001u);
  EXPECT_EQ(pieces[1], "%^BOLD%^BLUE%^");
  EXPECT_EQ(pieces.back(), "x");
}

}  // namespace
}  // namespace tamo::testconsole
