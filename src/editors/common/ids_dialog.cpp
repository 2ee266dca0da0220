#include "editors/common/ids_dialog.h"

#include <algorithm>

#include "editors/common/bindings.h"
#include "editors/common/field_filter.h"

namespace tamo::editors {

bool valid_id_word(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c == ' ' || (c >= 'a' && c <= 'z'); });
}

template <class Record>
IdsDialog<Record>::IdsDialog(EditorHost& host, const controls::ComboBox& file_name,
                             const IdsDialogNames& names)
    : RecordListDialog<Record>(host, file_name, &Record::ids, names.form, "Azonosítók"),
      word(names.word),
      words(names.words, {}, names.sorted),
      focus_word_(names.focus_word) {
  word.on_change = [this] { wordChange(); };
  bind_clicks(*this, Button1, &IdsDialog::Button1Click, Button2, &IdsDialog::Button2Click, Button3,
              &IdsDialog::Button3Click);
}

template <class Record>
void IdsDialog<Record>::open() {
  words.clear();
  this->reload();
  for (const dmixed& e : this->list()) words.add(e.key);
  this->show(focus_word_ ? &word : nullptr);
}

template <class Record>
void IdsDialog<Record>::wordChange() {
  empty_unless(word, valid_id_word);
}

template <class Record>
void IdsDialog<Record>::Button1Click() {
  const std::string id = word.text();
  if (id.empty()) return;
  if (words.index_of(id) < 0) {
    words.add(id);
    add_mixed(this->list(), id, id);
  }
  word.set_text({});
}

template <class Record>
void IdsDialog<Record>::Button2Click() {
  int row = words.selected();
  if (row < 0) return;
  delete_mixed(this->list(), words.selected_text());
  words.remove(row);
}

template <class Record>
void IdsDialog<Record>::Button3Click() {
  this->write_through_and_close();
}

template class IdsDialog<dmons>;
template class IdsDialog<ditem>;

}  // namespace tamo::editors
