#include "testconsole/tables.h"

#include <array>
#include <utility>

namespace tamo::testconsole {

std::string szamtoiras(std::int64_t n) {
  static constexpr std::array<const char*, 13> words = {
      "Nulla", "Egy",   "Ketto",  "Harom", "Negy",     "Ot",        "Hat",
      "Het",   "Nyolc", "Kilenc", "Tiz",   "Tizenegy", "Tizenketto"};
  if (n < 0 || n >= static_cast<std::int64_t>(words.size())) return "Sok ";
  return words[static_cast<std::size_t>(n)];
}

std::string hol_viseli(std::string_view itemtype) {
  static constexpr std::pair<std::string_view, std::string_view> places[] = {
      {"szuro", "megfogva"},
      {"zuzo", "megfogva"},
      {"vago", "megfogva"},
      {"ij", "haton viselve"},
      {"pajzs", "pajzskent viselve"},
      {"pancel", "torzson viselve"},
      {"sisak", "fejen viselve"},
      {"gyuru", "ujjon viselve"},
      {"nyaklanc", "nyak korul viselve"},
      {"kopeny", "torzs korul viselve"},
      {"alkarpancel", "karon viselve"},
      {"karkoto", "csuklon viselve"},
      {"kesztyu", "kezen viselve"},
      {"csizma", "labfejen viselve"},
      {"ov", "ovkent viselve"},
      {"nadrag", "labon viselve"},
  };
  for (const auto& [type, phrase] : places)
    if (type == itemtype) return std::string(phrase);
  return "mittomen hogyan hasznalja";
}

std::int64_t get_exp(std::int32_t level) {
  static constexpr std::array<std::int64_t, 51> table = {
      20,      1000,    2000,    3500,    4500,    7000,    9000,    11000,   14000,
      18000,   24000,   36000,   48000,   70000,   95000,   115000,  130000,  150000,
      170000,  190000,  220000,  250000,  280000,  320000,  360000,  400000,  480000,
      560000,  640000,  720000,  800000,  900000,  1000000, 1100000, 1200000, 1300000,
      1400000, 1500000, 1600000, 1800000, 2000000, 2400000, 2800000, 3200000, 3600000,
      4000000, 4200000, 4400000, 4600000, 4800000, 5000000};
  if (level >= 0 && level <= 50) return table[static_cast<std::size_t>(level)];
  // 64-bit, so that every 32-bit level gives its true value.
  return (std::int64_t{level} - 30) * 150000 + 5000000;
}

std::int64_t kill_experience(std::int32_t level) {
  // Every base value is a multiple of 20, so a twentieth is exact and no rounding is left.
  return get_exp(level) / 20;
}

std::string expand_short_form(std::string_view command) {
  static constexpr std::pair<std::string_view, std::string_view> forms[] = {
      {"k", "kelet"},       {"6", "kelet"},     {"e", "eszak"},
      {"8", "eszak"},       {"ny", "nyugat"},   {"4", "nyugat"},
      {"d", "del"},         {"2", "del"},       {"ek", "eszakkelet"},
      {"9", "eszakkelet"},  {"dk", "delkelet"}, {"3", "delkelet"},
      {"dny", "delnyugat"}, {"1", "delnyugat"}, {"eny", "eszaknyugat"},
      {"7", "eszaknyugat"}, {"f", "fel"},       {"-", "fel"},
      {"l", "le"},          {"+", "le"},        {"5", "ki"},
  };
  for (const auto& [typed, word] : forms)
    if (typed == command) return std::string(word);
  return std::string(command);
}

}  // namespace tamo::testconsole
