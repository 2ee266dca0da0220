#include "editors/room/exit_names.h"

#include <algorithm>
#include <utility>

#include "model/mixed_list.h"

namespace tamo::editors {

std::string iranypar(std::string_view exit) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kPairs = {{
      {"kelet", "nyugat"},
      {"eszak", "del"},
      {"eszakkelet", "delnyugat"},
      {"eszaknyugat", "delkelet"},
      {"fel", "le"},
  }};
  for (const auto& [a, b] : kPairs) {
    if (exit == a) return std::string(b);
    if (exit == b) return std::string(a);
  }
  return {};
}

const droom* query_exit(const Work& work, const droom& room, std::string_view exit) {
  std::string target = query_mixed(room.exits, exit);
  return target.empty() ? nullptr : room_exists(work, target);
}

bool is_exit_word(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace tamo::editors
