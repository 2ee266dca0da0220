#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tamo::testconsole {

// The Hungarian word for a count or an exit number; from 13 on, and below 0, "Sok ".
std::string szamtoiras(std::int64_t n);

// Where a creature wears an item of that type.
std::string hol_viseli(std::string_view itemtype);

// The experience base value of a creature level.
std::int64_t get_exp(std::int32_t level);

// The points a kill of that level gives: get_exp times 0.05, rounded half to even.
std::int64_t kill_experience(std::int32_t level);

// A typed command with its short form or keypad digit replaced by the word.
std::string expand_short_form(std::string_view command);

}  // namespace tamo::testconsole
