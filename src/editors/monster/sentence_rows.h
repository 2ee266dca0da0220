#pragma once

#include <string_view>

#include "controls/edit.h"
#include "controls/lists.h"
#include "model/mixed_list.h"

namespace tamo::editors {

// The values of a speech or emote entry.
inline constexpr std::string_view kAnyTime = "0";
inline constexpr std::string_view kInCombat = "1";

// Which box shows an entry whose value is neither "0" nor "1".
enum class OtherValues { hidden, in_combat };

// A sentence dialog's edit and the box it adds to.
struct SentencePane {
  controls::Edit& edit;
  controls::ListBox& box;
};

// Opening a sentence dialog: both edits are emptied and both boxes refilled from a speech or
// emote list.
void refill_sentences(const MixedList& list, SentencePane anytime, SentencePane combat,
                      OtherValues others);

// Adds the edit's sentence to the list with the box's value, unless it is empty, the list
// end marker, or already listed by the box; the edit is emptied in every case. One sentence
// is one entry, so a sentence the other box lists leaves that box.
void add_sentence(MixedList& list, SentencePane pane, controls::ListBox& other,
                  std::string_view value);

// "Töröl / Átír": the selected sentence leaves the list and its box and goes into the edit.
void take_back_sentence(MixedList& list, SentencePane pane);

}  // namespace tamo::editors
