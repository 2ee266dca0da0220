#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/work.h"
#include "search/text_match.h"

namespace tamo::search {

enum class Kind { room, creature, item };

// One text of a record that the typed text matches.
struct Hit {
  Kind kind;
  std::string name;   // the record's file name
  std::string field;  // what holds the text, as the builder knows it ("rövid leírás")
  std::string text;   // the matching line, cut around the match when long
  std::string form;   // the dialog that holds it, or empty for the record's panel
  bool operator==(const Hit&) const = default;
};

// The longest text a hit keeps, in bytes: a list row, not the whole of a huge text.
inline constexpr std::size_t kShownText = 160;

struct Found {
  std::vector<Hit> hits;               // the first hits, up to the limit
  std::array<std::size_t, 3> count{};  // every hit, of each Kind
  std::size_t total() const { return count[0] + count[1] + count[2]; }
};

// The records' texts the typed text matches: file names, names, short and long texts,
// lookable things, smells and sounds, guard speech, speech and emotes, ids, an item's
// messages. Rooms first, then creatures, then items, each in list order; a long text gives
// one hit per matching line. Keeps at most `limit` hits but counts them all; nothing for an
// empty typed text.
Found find_in_work(const Work& work, const TextMatch& match, std::size_t limit);

}  // namespace tamo::search
