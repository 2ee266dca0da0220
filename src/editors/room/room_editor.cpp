#include "editors/room/room_editor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editors/common/field_filter.h"
#include "editors/common/long_text_end.h"
#include "editors/common/panel_record.h"
#include "model/input_rules.h"
#include "model/storing.h"

namespace tamo::editors {

namespace {
constexpr int kFilenameTypingLimit = 8;
}  // namespace

RoomEditor::RoomEditor(EditorHost& host)
    : host_(host),
      deletion(
          host,
          {"Form3", "Szoba törlése", "Label1", "Biztosan törölni akarod a szobát?", "oktorles"},
          [this] { RoomDelete(); }) {
  filename.set_max_length(kFilenameTypingLimit);
  RoomItems.set_hint(
      "Itt adhatod meg a szobában nézhető, kereshető, szagolható és hallgatható tárgyakat.");
  Button4.set_hint(
      "Itt adhatod meg a szoba tartalmát (pl a szobában található előlények és földön lévő "
      "tárgyak).");
  filename.on_change = [this] { filenameChange(); };
  filename.on_select = [this] { record_.forget(); };
  long_.on_change = [this] { longChange(); };
  Button1.on_click = [this] { Button1Click(); };
  Button6.on_click = [this] { Button6Click(); };
  Button7.on_click = [this] { Button7Click(); };
  RoomProperties.on_click = [this] { RoomPropertiesClick(); };
  RoomItems.on_click = [this] { RoomItemsClick(); };
  Button4.on_click = [this] { Button4Click(); };
  Button5.on_click = [this] { Button5Click(); };
  Button8.on_click = [this] { Button8Click(); };
}

std::vector<controls::Form*> RoomEditor::forms() {
  return {&room,       &properties.form, &deletion.form, &things.form,
          &exits.form, &contents.form,   &guards.form};
}

void RoomEditor::init_room() {
  record_.forget();
  filename.set_text({});
  short_.set_text({});
  long_.set_text({});
  smelldefault.set_text({});
  listendefault.set_text({});
  tmproomclear(host_.work());
  host_.closeallotherforms();
}

void RoomEditor::fill_filename_choices() {
  record_.fill_choices();
}

void RoomEditor::filenameChange() {
  record_.follow();
}

void RoomEditor::show(const droom& room) {
  short_.set_text(room.short_);
  long_.set_text(room.long_);
  listendefault.set_text(room.listendefault);
  smelldefault.set_text(room.smelldefault);
  copy_lists(kRoomLists, room, host_.work().tmproom);
}

void RoomEditor::take_fields(droom& room) const {
  room.short_ = short_.text();
  room.long_ = long_.text();
  room.smelldefault = smelldefault.text();
  room.listendefault = listendefault.text();
}

bool RoomEditor::pending_edits() const {
  return record_.pending(droom{});
}

void RoomEditor::longChange() {
  empty_if_holding(long_, long_text_end(workfile::format::room_block()));
}

std::optional<std::string> RoomEditor::commit_room() {
  if (auto refusal = common_store_refusal(host_.work(), RecordKind::room, filename.text()))
    return refusal;
  if (short_.text().empty()) return "Nincs rövid leírás megadva!";
  if (long_.text().empty()) return "Nincs hosszú leírás megadva!";
  record_.store();
  things.itemname.clear();
  return std::nullopt;
}

void RoomEditor::Button1Click() {
  record_.back_to_name(commit_room());
}

void RoomEditor::Button6Click() {
  init_room();
  tmproomclear(host_.work());
  record_.back_to_name();
}

void RoomEditor::Button7Click() {
  deletion.open();
}

void RoomEditor::RoomDelete() {
  Work& work = host_.work();
  std::string name = filename.text();
  if (delete_room(work, name)) {
    init_room();
    record_.drop_choice(name);
  }
  tmproomclear(work);
}

void RoomEditor::RoomPropertiesClick() {
  properties.open();
}

void RoomEditor::RoomItemsClick() {
  things.open();
}

void RoomEditor::Button4Click() {
  contents.open();
}

void RoomEditor::Button5Click() {
  exits.open();
}

void RoomEditor::Button8Click() {
  guards.open();
}

}  // namespace tamo::editors
