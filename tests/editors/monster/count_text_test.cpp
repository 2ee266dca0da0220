#include "editors/monster/count_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tamo::editors {
namespace {

TEST(CountText, PlusOneCarriesAcrossAnyLength) {
  EXPECT_EQ(count_plus_one(""), "1");
  EXPECT_EQ(count_plus_one("0"), "1");
  EXPECT_EQ(count_plus_one("9"), "10");
  EXPECT_EQ(count_plus_one("0099"), "100");
  EXPECT_EQ(count_plus_one(std::string(30, '9')), "1" + std::string(30, '0'));
}

TEST(CountText, MinusOneBorrowsAndDropsLeadingZeros) {
  EXPECT_EQ(count_minus_one("1"), "0");
  EXPECT_EQ(count_minus_one("10"), "9");
  EXPECT_EQ(count_minus_one("1000"), "999");
  EXPECT_EQ(count_minus_one("007"), "6");
  EXPECT_EQ(count_minus_one("1" + std::string(30, '0')), std::string(30, '9'));
}

TEST(CountText, UpToCapsWithoutOverflow) {
  EXPECT_EQ(count_up_to("", 100), 0u);
  EXPECT_EQ(count_up_to("000", 100), 0u);
  EXPECT_EQ(count_up_to("42", 100), 42u);
  EXPECT_EQ(count_up_to("100", 100), 100u);
  EXPECT_EQ(count_up_to("101", 100), 100u);
  EXPECT_EQ(count_up_to(std::string(40, '9'), 100), 100u);
  EXPECT_EQ(count_up_to("0000000000000000000000000000000000000000005", 100), 5u);
}

TEST(CountText, ValidIsEmptyOrDigits) {
  for (const char* ok : {"", "0", "12", "99999999999999999999999"}) EXPECT_TRUE(valid_count(ok));
  for (const char* bad : {"-1", "1a", " 1", "+1", "1.5", "abc"}) EXPECT_FALSE(valid_count(bad));
}

}  // namespace
}  // namespace tamo::editors
