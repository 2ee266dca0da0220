#include "editors/monster/count_text.h"

#include <algorithm>

#include "model/input_rules.h"

namespace tamo::editors {

namespace {
std::string without_leading_zeros(std::string_view count) {
  std::size_t first = count.find_first_not_of('0');
  return first == std::string_view::npos ? std::string() : std::string(count.substr(first));
}
}  // namespace

bool valid_count(std::string_view count) {
  return count.empty() || validnumber(count);
}

std::string count_plus_one(std::string_view count) {
  std::string n = without_leading_zeros(count);
  for (auto d = n.rbegin(); d != n.rend(); ++d) {
    if (*d != '9') {
      ++*d;
      return n;
    }
    *d = '0';
  }
  return "1" + n;
}

std::string count_minus_one(std::string_view count) {
  std::string n = without_leading_zeros(count);
  for (auto d = n.rbegin(); d != n.rend(); ++d) {
    if (*d != '0') {
      --*d;
      break;
    }
    *d = '9';
  }
  n = without_leading_zeros(n);
  return n.empty() ? "0" : n;
}

std::size_t count_up_to(std::string_view count, std::size_t cap) {
  std::string n = without_leading_zeros(count);
  std::size_t value = 0;
  for (char d : n) {
    value = value * 10 + static_cast<std::size_t>(d - '0');
    if (value >= cap) return cap;
  }
  return value;
}

}  // namespace tamo::editors
