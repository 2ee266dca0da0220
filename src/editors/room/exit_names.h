#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/work.h"

namespace tamo::editors {

// The standard exit names in the order the exit editor offers them.
inline constexpr std::array<std::string_view, 10> kExitNames = {
    "kelet",       "nyugat",    "eszak",    "del", "eszakkelet",
    "eszaknyugat", "delnyugat", "delkelet", "fel", "le"};

// The opposite of a standard exit name; the empty text for any other word.
std::string iranypar(std::string_view exit);

// The room the exit leads to (the last room of that file name), or none.
const droom* query_exit(const Work& work, const droom& room, std::string_view exit);

// Exit and door names are words of the letters a to z only.
bool is_exit_word(std::string_view text);

}  // namespace tamo::editors
