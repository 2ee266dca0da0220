#include "model/input_rules.h"

#include <algorithm>

namespace tamo {

namespace {
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_lower(char c) {
  return c >= 'a' && c <= 'z';
}
}  // namespace

bool validfilename(std::string_view text) {
  if (text.empty() || text.size() > 16) return false;
  bool has_letter = false;
  for (char c : text) {
    if (is_lower(c)) {
      has_letter = true;
    } else if (!is_digit(c) && c != '-' && c != '_') {
      return false;
    }
  }
  return has_letter;
}

bool validnumber(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), is_digit);
}

bool isvalidanynumber(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '-' ? i != 0 : !is_digit(c)) return false;
  }
  return true;
}

}  // namespace tamo
