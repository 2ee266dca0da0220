#include "editors/room/contents_dialog.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editors/common/bindings.h"
#include "model/mixed_list.h"
#include "model/numbers.h"
#include "model/storing.h"

namespace tamo::editors {

namespace {

std::string too_many_message(const dmixed& entry) {
  return "Túl nagy darabszám a szoba tartalmában: " + entry.key + " (" + entry.value + ").";
}

}  // namespace

ContentsDialog::ContentsDialog(RoomContext context) : context_(context) {
  attach_dialog_protocol(context_.host, form);
  bind_clicks(*this, Button2, &ContentsDialog::Button2Click, Button3, &ContentsDialog::Button3Click,
              Button4, &ContentsDialog::Button4Click, kesz, &ContentsDialog::keszClick);
}

std::optional<std::int64_t> ContentsDialog::count_of(const std::string& value) {
  try {
    return str2int(value);
  } catch (const ConversionError& error) {
    context_.host.debug(error.what());
    return std::nullopt;
  }
}

void ContentsDialog::open() {
  // Every count is read before anything changes, so a bad one leaves the dialog as it was.
  std::vector<std::pair<std::string, int>> rows;
  for (const dmixed& e : context_.tmproom().contents) {
    std::optional<std::int64_t> count = count_of(e.value);
    if (!count) return;
    if (*count > kMaxCount) {
      context_.host.debug(too_many_message(e));
      return;
    }
    rows.emplace_back(e.key, static_cast<int>(*count));
  }
  posmons.clear();
  for (const dmons& m : context_.work().monsters) posmons.add(m.filename);
  positem.clear();
  for (const ditem& i : context_.work().items) positem.add(i.filename);
  contents.clear();
  for (const auto& [name, count] : rows)
    for (int n = 0; n < count; ++n) contents.add(name);
  open_dialog(context_.host, form);
  context_.host.focus().set(&posmons);
}

void ContentsDialog::add_one(const controls::ComboBox& choice) {
  std::string name = choice.text();
  if (name.empty()) return;
  MixedList& list = context_.tmproom().contents;
  std::optional<std::int64_t> count = count_of(query_mixed(list, name));
  if (!count) return;
  contents.add(name);
  add_mixed(list, name, std::to_string(*count + 1));
}

void ContentsDialog::Button2Click() {
  add_one(posmons);
}

void ContentsDialog::Button3Click() {
  add_one(positem);
}

void ContentsDialog::Button4Click() {
  int row = contents.selected();
  if (row < 0) return;
  MixedList& list = context_.tmproom().contents;
  std::string name = contents.selected_text();
  std::string value = query_mixed(list, name);
  if (value.empty()) return;
  std::optional<std::int64_t> count = count_of(value);
  if (!count) return;
  if (*count - 1 < 1) {
    delete_mixed(list, name);
  } else {
    add_mixed(list, name, std::to_string(*count - 1));
  }
  contents.remove(row);
}

void ContentsDialog::keszClick() {
  if (const droom* stored = context_.stored_room())
    set_room_list(context_.work(), stored->filename, &droom::contents, context_.tmproom().contents);
  form.close();
}

}  // namespace tamo::editors
