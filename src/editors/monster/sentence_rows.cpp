#include "editors/monster/sentence_rows.h"

#include <string>

namespace tamo::editors {

void fill_sentences(const MixedList& list, controls::ListBox& anytime, controls::ListBox& combat,
                    OtherValues others) {
  for (const dmixed& e : list) {
    if (e.value == kAnyTime) {
      anytime.add(e.key);
    } else if (e.value == kInCombat || others == OtherValues::in_combat) {
      combat.add(e.key);
    }
  }
}

void add_sentence(MixedList& list, controls::Edit& edit, controls::ListBox& box,
                  controls::ListBox& other, std::string_view value) {
  std::string sentence = edit.text();
  if (!sentence.empty() && box.index_of(sentence) < 0) {
    add_mixed(list, sentence, value);
    box.add(sentence);
    other.remove(other.index_of(sentence));
  }
  edit.set_text("");
}

void take_back_sentence(MixedList& list, controls::Edit& edit, controls::ListBox& box) {
  int row = box.selected();
  if (row < 0) return;
  std::string sentence = box.selected_text();
  delete_mixed(list, sentence);
  edit.set_text(sentence);
  box.remove(row);
}

}  // namespace tamo::editors
