#include "model/input_rules.h"

#include <gtest/gtest.h>

namespace tamo {
namespace {

TEST(InputRules, ValidFilename) {
  for (const char* ok : {"a", "kapu1", "1a", "a-b_c", "abcdefghijklmnop", "9-_z"})
    EXPECT_TRUE(validfilename(ok)) << ok;
  for (const char* bad :
       {"", "1", "-", "_", "12-", "abcdefghijklmnopq", "Kapu", "a b", "á", "kapu.tamo", "a\r"})
    EXPECT_FALSE(validfilename(bad)) << bad;
}

TEST(InputRules, ValidNumber) {
  for (const char* ok : {"0", "007", "12345678901234567890"}) EXPECT_TRUE(validnumber(ok)) << ok;
  for (const char* bad : {"", "-1", "+1", "1a", " 1", "1.5"}) EXPECT_FALSE(validnumber(bad)) << bad;
}

TEST(InputRules, IsValidAnyNumber) {
  for (const char* ok : {"", "-", "-12", "12", "0"}) EXPECT_TRUE(isvalidanynumber(ok)) << ok;
  for (const char* bad : {"1-2", "--", "--1", "+1", "1-", "a", " -1"})
    EXPECT_FALSE(isvalidanynumber(bad)) << bad;
}

}  // namespace
}  // namespace tamo
