#include "editors/monster/sentence_rows.h"

#include <string>

namespace tamo::editors {

void refill_sentences(const MixedList& list, SentencePane anytime, SentencePane combat,
                      OtherValues others) {
  for (SentencePane pane : {anytime, combat}) {
    pane.edit.set_text("");
    pane.box.clear();
  }
  for (const dmixed& e : list) {
    if (e.value == kAnyTime) {
      anytime.box.add(e.key);
    } else if (e.value == kInCombat || others == OtherValues::in_combat) {
      combat.box.add(e.key);
    }
  }
}

void add_sentence(MixedList& list, SentencePane pane, controls::ListBox& other,
                  std::string_view value) {
  std::string sentence = pane.edit.text();
  // The list's end marker as a key would end the list early when the work is read back.
  if (!sentence.empty() && sentence != kMixedEnd && pane.box.index_of(sentence) < 0) {
    add_mixed(list, sentence, value);
    pane.box.add(sentence);
    other.remove(other.index_of(sentence));
  }
  pane.edit.set_text("");
}

void take_back_sentence(MixedList& list, SentencePane pane) {
  int row = pane.box.selected();
  if (row < 0) return;
  std::string sentence = pane.box.selected_text();
  delete_mixed(list, sentence);
  pane.edit.set_text(sentence);
  pane.box.remove(row);
}

}  // namespace tamo::editors
