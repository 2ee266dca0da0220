#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tamo {

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "the balance verdict needs the 80-bit extended type");

// A text that should have been a number; what() is the sentence the user sees.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The empty text reads as 0; otherwise an optional sign and decimal digits within the
// 32-bit range, or ConversionError.
std::int32_t str2int(std::string_view text);

// Rounds to the 6-byte real of the balance tables: 40 significant bits, ties away from zero.
long double round_real48(long double x);

// I, or I.F read as I + F / 10^n (n the number of digits of F), held as a 6-byte real.
long double str2float(std::string_view text);

}  // namespace tamo
