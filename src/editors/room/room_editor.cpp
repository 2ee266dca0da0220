#include "editors/room/room_editor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
          [this] { record_.erase([this] { init_room(); }); }) {
  filename.set_max_length(kFilenameTypingLimit);
  RoomItems.set_hint(
      "Itt adhatod meg a szobában nézhető, kereshető, szagolható és hallgatható tárgyakat.");
  Button4.set_hint(
      "Itt adhatod meg a szoba tartalmát (pl a szobában található előlények és földön lévő "
      "tárgyak).");
  record_.bind(long_, Button1, [this] { return commit_room(); });
  Button6.on_click = [this] { Button6Click(); };
  dialogs_.add(RoomProperties, properties, Button7, deletion, RoomItems, things, Button5, exits,
               Button4, contents, Button8, guards);
}

std::vector<controls::Form*> RoomEditor::forms() {
  return dialogs_.forms();
}

void RoomEditor::init_room() {
  record_.empty(texts_);
  tmproomclear(host_.work());
  host_.closeallotherforms();
}

void RoomEditor::fill_filename_choices() {
  record_.fill_choices();
}

void RoomEditor::show(const droom& room) {
  texts_.show(room);
  copy_lists(kRoomLists, room, host_.work().tmproom);
}

void RoomEditor::take_fields(droom& room) const {
  texts_.take(room);
}

bool RoomEditor::pending_edits() const {
  return record_.pending(droom{});
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

void RoomEditor::Button6Click() {
  init_room();
  tmproomclear(host_.work());
  record_.back_to_name();
}

}  // namespace tamo::editors
