#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tamo {
namespace {

TEST(Numbers, Str2IntReadsTheEmptyTextAsZero) {
  EXPECT_EQ(str2int(""), 0);
  EXPECT_EQ(str2int("01"), 1);
  EXPECT_EQ(str2int("-1500"), -1500);
  EXPECT_EQ(str2int("2147483647"), 2147483647);
  EXPECT_EQ(str2int("-2147483648"), -2147483647 - 1);
}

TEST(Numbers, Str2IntRefusesAnythingElseNamingTheText) {
  for (const char* bad :
       {"-", "1a", " 1", "1 ", "2147483648", "-2147483649", "1.0", "99999999999999999999999"}) {
    try {
      str2int(bad);
      ADD_FAILURE() << bad;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.text(), bad);
      EXPECT_NE(std::string(e.what()).find(bad), std::string::npos);
    }
  }
}

TEST(Numbers, Str2Float) {
  EXPECT_EQ(str2float("4"), 4.0L);
  EXPECT_EQ(str2float("1.75"), 1.75L);
  EXPECT_EQ(str2float("0.12727"), round_real48(0.12727L));
  EXPECT_EQ(str2float("0.025"), round_real48(25.0L / 1000.0L));
  EXPECT_EQ(str2float("-1.5"), -0.5L) << "the sign stays with the integer part";
  for (const char* bad : {"", ".5", "5.", "1.2.3", "1,5", "a", "1.-5"})
    EXPECT_THROW(str2float(bad), ConversionError) << bad;
}

TEST(Numbers, Real48KeepsFortySignificantBitsRoundingTiesAwayFromZero) {
  EXPECT_EQ(round_real48(1.0L), 1.0L);
  EXPECT_EQ(round_real48(0.0L), 0.0L);
  long double ulp = std::ldexp(1.0L, -39);
  EXPECT_EQ(round_real48(1.0L + ulp / 2), 1.0L + ulp) << "a tie goes away from zero";
  EXPECT_EQ(round_real48(-1.0L - ulp / 2), -1.0L - ulp);
  EXPECT_EQ(round_real48(1.0L + ulp / 4), 1.0L);
  // The worked values of the balance verdict.
  EXPECT_EQ(static_cast<double>(round_real48(1.0L + 0.005L * 10)), 1.0499999999992724);
  EXPECT_EQ(static_cast<double>(round_real48(1.0L + 0.005L * 20)), 1.1000000000003638);
}

}  // namespace
}  // namespace tamo
