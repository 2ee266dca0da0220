#include "model/numbers.h"

#include <cmath>
#include <limits>

namespace tamo {

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' nem érvényes egész szám."), text_(text) {}

namespace {

std::int32_t strict_int(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) throw ConversionError(text);
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') throw ConversionError(text);
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
      throw ConversionError(text);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) throw ConversionError(text);
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t str2int(std::string_view text) {
  return text.empty() ? 0 : strict_int(text);
}

long double round_real48(long double x) {
  if (x == 0 || !std::isfinite(x)) return x;
  int exponent = 0;
  long double mantissa = std::frexp(x, &exponent);  // in [0.5, 1)
  long double scaled = std::round(std::ldexp(mantissa, 40));
  return std::ldexp(scaled, exponent - 40);
}

long double str2float(std::string_view text) {
  std::size_t point = text.find('.');
  if (point == std::string_view::npos) return round_real48(strict_int(text));
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = text.substr(point + 1);
  if (whole.empty() || fraction.empty()) throw ConversionError(text);
  for (char c : fraction)
    if (c < '0' || c > '9') throw ConversionError(text);
  std::int32_t i = strict_int(whole);
  std::int32_t f = strict_int(fraction);
  long double scale = std::pow(10.0L, static_cast<long double>(fraction.size()));
  return round_real48(static_cast<long double>(i) + static_cast<long double>(f) / scale);
}

}  // namespace tamo
