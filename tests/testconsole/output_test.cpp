#include "testconsole/output.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tamo::testconsole {
namespace {

std::vector<std::string> texts(const Output& out) {
  std::vector<std::string> v;
  for (const ConsoleLine& l : out.lines()) v.push_back(l.text);
  return v;
}

// The colour of every byte of a line, for comparing against expectations word by word.
Rgb colour_of_word(const ConsoleLine& line, const std::string& word) {
  std::size_t at = line.text.find(word);
  EXPECT_NE(at, std::string::npos) << word;
  Rgb colour = line.colour_at(at);
  for (std::size_t i = at; i < at + word.size(); ++i) EXPECT_EQ(line.colour_at(i), colour) << word;
  return colour;
}

TEST(Output, KeepsTheLastTwentyFiveOneLineTexts) {
  Output out;
  for (int i = 1; i <= 30; ++i) out.add_text(std::to_string(i), kSilver);
  std::vector<std::string> expected;
  for (int i = 6; i <= 30; ++i) expected.push_back(std::to_string(i));
  EXPECT_EQ(texts(out), expected);
}

TEST(Output, AMultiLineTextArrivesWholeAndTheNextOutputTrims) {
  Output out;
  out.add_text("a", kSilver);
  std::string long_text;
  for (int i = 0; i < 30; ++i) long_text += (i ? "\r\n" : "") + std::to_string(i);
  out.add_text(long_text, kTeal);
  EXPECT_EQ(out.lines().size(), 31u);
  EXPECT_EQ(out.lines()[1].runs, (std::vector<ColourRun>{{0, 1, kTeal}}));
  out.add_text("end", kSilver);
  ASSERT_EQ(out.lines().size(), 25u);
  EXPECT_EQ(out.lines().front().text, "6");
  EXPECT_EQ(out.lines().back().text, "end");
}

TEST(Output, AnEmptyTextIsAnEmptyLineWithoutSpans) {
  Output out;
  out.add_text("", kTeal);
  ASSERT_EQ(out.lines().size(), 1u);
  EXPECT_EQ(out.lines()[0].text, "");
  EXPECT_TRUE(out.lines()[0].runs.empty());
  for (const ColourSpan& s : out.spans()) EXPECT_EQ(s.length, 0u);
}

TEST(Output, ColoursWordsByTheCodeBeforeThem) {
  struct Case {
    std::string text;
    std::string word;
    Rgb colour;
  };
  const Case cases[] = {
      {"Elso %^BOLD%^%^RED%^masodik%^RESET%^ harmadik", "Elso", kTeal},
      {"Elso %^BOLD%^%^RED%^masodik%^RESET%^ harmadik", "masodik", 0xFF0000},
      {"Elso %^BOLD%^%^RED%^masodik%^RESET%^ harmadik", "harmadik", kSilver},
      {"%^RED%^%^BOLD%^szo", "szo", 0xFF0000},
      {"%^BOLD%^RED%^szo", "szo", 0xFF0000},
      {"%^RED%^szo", "szo", 0xAA0000},
      {"%^ORANGE%^szo", "szo", 0x808000},
      {"%^ORANGE%^BOLD%^szo", "szo", 0xFFFF00},
      {"%^BLACK%^szo", "szo", 0x808080},
      {"%^BOLD%^%^BLACK%^szo", "szo", 0x808080},
      {"%^red%^szo %^GREEN%^x", "%^red%^szo", kTeal},
      {"%^BOLD%^szo %^GREEN%^x", "%^BOLD%^szo", kTeal},
  };
  for (const Case& c : cases) {
    Output out;
    out.add_text(c.text, kTeal);
    ASSERT_EQ(out.lines().size(), 1u) << c.text;
    EXPECT_EQ(colour_of_word(out.lines()[0], c.word), c.colour) << c.text;
  }
}

TEST(Output, CodesNeverShow) {
  Output out;
  out.add_text("Elso %^BOLD%^%^RED%^masodik%^RESET%^ harmadik", kTeal);
  out.add_text("%^RED%^%^BLUE%^", kTeal);
  out.add_text("%^bold%^ marad", kTeal);
  EXPECT_EQ(texts(out), (std::vector<std::string>{"Elso masodik harmadik", "", "%^bold%^ marad"}));
  EXPECT_TRUE(out.lines()[1].runs.empty());
  for (const ColourSpan& s : out.spans()) EXPECT_EQ(s.length, 0u);
}

TEST(Output, AColourCarriesAcrossALineBreak) {
  Output out;
  out.add_text("a%^GREEN%^b\r\nc%^RESET%^d", kTeal);
  ASSERT_EQ(texts(out), (std::vector<std::string>{"ab", "cd"}));
  EXPECT_EQ(out.lines()[0].colour_at(0), kTeal);
  EXPECT_EQ(out.lines()[0].colour_at(1), 0x00AA00u);
  EXPECT_EQ(out.lines()[1].colour_at(0), 0x00AA00u);
  EXPECT_EQ(out.lines()[1].colour_at(1), kSilver);
}

TEST(Output, PiecesBeyondTheSpanSlotsKeepTheirColour) {
  Output out;
  std::string text;
  for (int i = 0; i < 60; ++i)
    text += (i % 2 ? "%^RED%^" : "%^BLUE%^") + std::string(1, 'a' + i % 26);
  out.add_text(text, kSilver);
  const ConsoleLine& line = out.lines().back();
  ASSERT_EQ(line.text.size(), 60u);
  for (std::size_t i = 0; i < 60; ++i)
    EXPECT_EQ(line.colour_at(i), i % 2 ? 0xAA0000u : 0x0000AAu) << i;
}

TEST(Output, PrintsALineWithAHundredThousandCodes) {
  Output out;
  std::string text;
  for (int i = 0; i < 100000; ++i) text += i % 2 ? "%^RED%^x" : "%^BOLD%^BLUE%^y";
  out.add_text(text, kSilver);
  const ConsoleLine& line = out.lines().back();
  ASSERT_EQ(line.text.size(), 100000u);
  EXPECT_EQ(line.colour_at(0), 0x0000FFu);
  EXPECT_EQ(line.colour_at(99999), 0xAA0000u);
  EXPECT_EQ(line.runs.size(), 100000u);
}

// Texts of random words, line breaks and colour codes, more pieces than there are span slots:
// every byte keeps the colour in force when it was written, and each line's runs cover its
// text in order with no two neighbours of one colour.
TEST(Output, EveryByteKeepsItsColourWhateverTheMixOfCodesAndBreaks) {
  struct Code {
    const char* text;
    Rgb colour;
  };
  const Code codes[] = {{"%^RED%^", 0xAA0000},
                        {"%^GREEN%^", 0x00AA00},
                        {"%^BLUE%^", 0x0000AA},
                        {"%^RESET%^", kSilver}};
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string text;
    std::vector<std::vector<Rgb>> expected(1);
    Rgb current = kTeal;
    int pieces = std::uniform_int_distribution<int>(1, 120)(random);
    for (int p = 0; p < pieces; ++p) {
      switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0:
        case 1: {
          const Code& code = codes[std::uniform_int_distribution<int>(0, 3)(random)];
          text += code.text;
          current = code.colour;
          break;
        }
        case 2:
          text += "\r\n";
          expected.emplace_back();
          break;
        default: {
          int letters = std::uniform_int_distribution<int>(1, 4)(random);
          for (int k = 0; k < letters; ++k) {
            text += static_cast<char>('a' + k);
            expected.back().push_back(current);
          }
        }
      }
    }
    text += "%^RESET%^";
    Output out;
    out.add_text(text, kTeal);
    ASSERT_EQ(out.lines().size(), expected.size()) << text;
    for (std::size_t l = 0; l < expected.size(); ++l) {
      const ConsoleLine& line = out.lines()[l];
      ASSERT_EQ(line.text.size(), expected[l].size()) << text;
      std::size_t covered = 0;
      for (std::size_t r = 0; r < line.runs.size(); ++r) {
        const ColourRun& run = line.runs[r];
        EXPECT_EQ(run.begin, covered) << text;
        EXPECT_GT(run.length, 0u) << text;
        if (r > 0) {
          EXPECT_NE(run.colour, line.runs[r - 1].colour) << text;
        }
        for (std::size_t i = run.begin; i < run.begin + run.length && i < expected[l].size(); ++i)
          EXPECT_EQ(run.colour, expected[l][i]) << text << " line " << l << " byte " << i;
        covered = run.begin + run.length;
      }
      EXPECT_EQ(covered, line.text.size()) << text;
    }
  }
}

TEST(Output, AddToLastLineRecordsSpansUntilTheSlotsRunOut) {
  Output out;
  out.add_text("x", kSilver);
  out.add_to_last_line("", kTeal);
  EXPECT_EQ(out.spans()[0].length, 0u);
  for (int i = 0; i < 52; ++i) out.add_to_last_line("ab", kTeal);
  EXPECT_EQ(out.spans()[0].start, 1u);
  EXPECT_EQ(out.spans()[0].length, 2u);
  EXPECT_EQ(out.spans()[50].start, 101u);
  EXPECT_EQ(out.lines().back().text.size(), 105u);
  out.make_szin();
  for (const ColourSpan& s : out.spans()) EXPECT_EQ(s.length, 0u);
  EXPECT_EQ(out.lines().back().runs, (std::vector<ColourRun>{{0, 1, kSilver}, {1, 104, kTeal}}));
}

TEST(Output, LinesSinceAPointSurviveClearing) {
  Output out;
  out.add_text("a", kSilver);
  std::uint64_t mark = out.next_seq();
  out.add_text("b\r\nc", kSilver);
  auto since = out.lines_since(mark);
  ASSERT_EQ(since.size(), 2u);
  EXPECT_EQ(since[0].text, "b");
  EXPECT_EQ(since[1].seq, mark + 1);
  out.clear();
  EXPECT_TRUE(out.lines().empty());
  mark = out.next_seq();
  out.add_text("d", kSilver);
  EXPECT_EQ(out.lines_since(mark).size(), 1u);
  EXPECT_EQ(out.lines().front().seq, mark);
}

TEST(Output, ReportsEveryFinishedLineOnceEvenWhenTheLimitDropsIt) {
  Output out;
  std::vector<std::string> seen;
  out.on_line = [&](const ConsoleLine& l) { seen.push_back(l.text); };
  std::string text;
  for (int i = 0; i < 40; ++i) text += std::to_string(i) + "\r\n";
  out.add_text(text, kSilver);
  out.add_text("x %^RED%^piros", kSilver);
  out.add_text("y", kSilver);
  ASSERT_EQ(seen.size(), 43u);
  EXPECT_EQ(seen[0], "0");
  EXPECT_EQ(seen[40], "");
  EXPECT_EQ(seen[41], "x piros");
  EXPECT_EQ(seen[42], "y");
}

}  // namespace
}  // namespace tamo::testconsole
