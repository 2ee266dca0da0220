#include "model/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace tamo {
namespace {

// Lengths around the switch from the word itself to a block, and bytes a tag could be
// mistaken for.
std::vector<std::string> samples() {
  return {"",
          "a",
          std::string(6, 'x'),
          "hétbájt",  // nine bytes in UTF-8
          "1234567",
          "12345678",
          std::string("\0\0", 2),
          std::string(7, '\xFF'),
          std::string(1, '\x01'),
          std::string("a\0b\0c\0d", 7),
          std::string(1000, 'z')};
}

TEST(Text, KeepsEveryByteOfAnyLength) {
  for (const std::string& s : samples()) {
    Text t = s;
    EXPECT_EQ(t.size(), s.size()) << s;
    EXPECT_EQ(t.empty(), s.empty()) << s;
    EXPECT_EQ(std::string(t.view()), s);
    EXPECT_EQ(t.str(), s);
    EXPECT_TRUE(t == s);
  }
}

TEST(Text, CopiesAndMovesStayIndependent) {
  for (const std::string& s : samples()) {
    Text original = s;
    Text copy = original;
    copy = "másik";
    EXPECT_EQ(original, s);
    Text moved = std::move(copy);
    EXPECT_EQ(moved, "másik");
    Text target = "régi szöveg, ami hosszabb hét bájtnál";
    target = original;
    EXPECT_EQ(target, s);
    target = std::move(moved);
    EXPECT_EQ(target, "másik");
  }
}

TEST(Text, TakesAPieceOfItself) {
  for (const std::string& s : {std::string("abcdef"), std::string(40, 'q') + "vég"}) {
    Text t = s;
    t = t.substr(1);
    EXPECT_EQ(t, s.substr(1));
    Text& same = t;
    t = same;
    EXPECT_EQ(t, s.substr(1));
  }
}

TEST(Text, OrdersAndComparesAsItsBytes) {
  std::vector<std::string> all = samples();
  for (const std::string& a : all)
    for (const std::string& b : all) {
      Text ta = a, tb = b;
      EXPECT_EQ(ta == tb, a == b) << a << " / " << b;
      EXPECT_EQ(ta < tb, a < b) << a << " / " << b;
      EXPECT_EQ(ta < b, a < b) << a << " / " << b;
    }
}

TEST(Text, ClearedIsEmptyAgain) {
  Text t = std::string(50, 'h');
  t.clear();
  EXPECT_TRUE(t.empty());
  EXPECT_EQ(t, "");
  t = "rövid";
  EXPECT_EQ(t, "rövid");
}

// Texts cut from an arena: enough of them to fill several chunks, some too long for one.
std::vector<std::string> many_texts() {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < 40000; ++i)
    out.push_back("szöveg " + std::to_string(i) + std::string(i % 200, 'a' + i % 26));
  for (std::size_t length : {4000, 4090, 4100, 70000, 300000})
    out.push_back(std::string(length, 'k'));
  for (const std::string& s : samples()) out.push_back(s);
  return out;
}

TEST(TextArena, TextsKeepEveryByteAfterTheArenaGoesAndGoInAnyOrder) {
  std::vector<std::string> expected = many_texts();
  std::vector<Text> texts(expected.size());
  {
    TextArena arena;
    for (std::size_t i = 0; i < expected.size(); ++i) arena.assign(texts[i], expected[i]);
  }
  for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(texts[i], expected[i]) << i;

  // Copies, moves and new values mixed with the arena's texts; every text still reads right
  // while the others go one by one in a random order (the sanitizers see any chunk freed
  // early or never).
  std::vector<std::unique_ptr<Text>> held;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i % 3 == 0)
      held.push_back(std::make_unique<Text>(texts[i]));
    else
      held.push_back(std::make_unique<Text>(std::move(texts[i])));
    if (i % 7 == 0) *held.back() = expected[i];
  }
  texts.clear();
  std::vector<std::size_t> order(held.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(16));
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k % 1000 == 0) {
      for (std::size_t i = 0; i < held.size(); ++i) {
        if (held[i]) {
          ASSERT_EQ(*held[i], expected[i]) << i;
        }
      }
    }
    held[order[k]].reset();
  }
}

TEST(TextArena, TextsGoOnAnotherThreadAndTakePiecesOfThemselves) {
  std::vector<Text> texts(20000);
  {
    TextArena arena;
    for (std::size_t i = 0; i < texts.size(); ++i)
      arena.assign(texts[i], "egy hosszabb szöveg " + std::to_string(i));
    // A piece of itself, taken while the arena still cuts.
    arena.assign(texts[5], texts[5].substr(4));
  }
  EXPECT_EQ(texts[5], "hosszabb szöveg 5");
  texts[6] = texts[6].substr(4);
  EXPECT_EQ(texts[6], "hosszabb szöveg 6");
  std::thread([moved = std::move(texts)]() mutable { moved.clear(); }).join();
}

}  // namespace
}  // namespace tamo
