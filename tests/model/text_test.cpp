#include "model/text.h"

#include <gtest/gtest.h>

#include <string>
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

}  // namespace
}  // namespace tamo
