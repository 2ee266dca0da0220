#include "editors/room/room_editor.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "model/input_rules.h"
#include "model/storing.h"

namespace tamo::editors {

namespace {
constexpr int kFilenameTypingLimit = 8;
constexpr std::string_view kLongEnd = "ROOMLONGEND";
}  // namespace

RoomEditor::RoomEditor(EditorHost& host) : host_(host), deletion(host, [this] { RoomDelete(); }) {
  filename.set_max_length(kFilenameTypingLimit);
  RoomItems.set_hint(
      "Itt adhatod meg a szobában nézhető, kereshető, szagolható és hallgatható tárgyakat.");
  Button4.set_hint(
      "Itt adhatod meg a szoba tartalmát (pl a szobában található előlények és földön lévő "
      "tárgyak).");
  filename.on_change = [this] { filenameChange(); };
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
  filename.set_text({});
  short_.set_text({});
  long_.set_text({});
  smelldefault.set_text({});
  listendefault.set_text({});
  tmproomclear(host_.work());
  host_.closeallotherforms();
}

void RoomEditor::fill_filename_choices() {
  std::vector<std::string> names;
  std::unordered_set<std::string_view> seen;
  for (const droom& r : host_.work().rooms)
    if (seen.insert(r.filename).second) names.push_back(r.filename);
  filename.assign(std::move(names));
}

void RoomEditor::filenameChange() {
  if (!validfilename(filename.text())) {
    filename.set_text({});
    return;
  }
  const droom* stored = context_.stored_room();
  if (!stored) return;
  short_.set_text(stored->short_);
  long_.set_text(stored->long_);
  listendefault.set_text(stored->listendefault);
  smelldefault.set_text(stored->smelldefault);
  droom& t = host_.work().tmproom;
  for (auto [from, to] : {std::pair{&stored->items, &t.items},
                          {&stored->smell, &t.smell},
                          {&stored->listen, &t.listen},
                          {&stored->search, &t.search},
                          {&stored->properties, &t.properties},
                          {&stored->contents, &t.contents},
                          {&stored->exits, &t.exits},
                          {&stored->doors, &t.doors},
                          {&stored->keys, &t.keys},
                          {&stored->guard, &t.guard}})
    copy_mixed(*from, *to);
}

void RoomEditor::longChange() {
  if (long_.text().find(kLongEnd) != std::string::npos) long_.set_text({});
}

std::optional<std::string> RoomEditor::commit_room() {
  Work& work = host_.work();
  std::string name = filename.text();
  if (auto refusal = common_store_refusal(work, RecordKind::room, name)) return refusal;
  if (short_.text().empty()) return "Nincs rövid leírás megadva!";
  if (long_.text().empty()) return "Nincs hosszú leírás megadva!";
  Stored<droom> stored = store_room(work, name, [this](droom& r) {
    r.short_ = short_.text();
    r.long_ = long_.text();
    r.smelldefault = smelldefault.text();
    r.listendefault = listendefault.text();
  });
  if (stored.created && filename.index_of(name) < 0) filename.add(name);
  things.itemname.clear();
  return std::nullopt;
}

void RoomEditor::Button1Click() {
  if (std::optional<std::string> refusal = commit_room()) host_.debug(*refusal);
  host_.focus().set(&filename);
}

void RoomEditor::Button6Click() {
  init_room();
  tmproomclear(host_.work());
  host_.focus().set(&filename);
}

void RoomEditor::Button7Click() {
  deletion.open();
}

void RoomEditor::RoomDelete() {
  Work& work = host_.work();
  std::string name = filename.text();
  if (delete_room(work, name)) {
    init_room();
    // Another room of that name (a loaded work may hold two) keeps its choice.
    if (!work.rooms.contains(name)) filename.remove(filename.index_of(name));
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
