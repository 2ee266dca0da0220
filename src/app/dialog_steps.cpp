#include <string>
#include <vector>

#include "app/workbench.h"

namespace tamo::app {

namespace {

// One dialog's fields: typed text in its boxes, and its rows and ticks that its buttons change.
struct DialogFields {
  controls::Form& form;
  const controls::ComboBox& filename;
  std::vector<controls::Edit*> boxes;
  std::vector<controls::ListBox*> rows;
  std::vector<controls::UserValue*> ticks;
};

template <std::size_t N>
std::vector<controls::UserValue*> ticks_of(const std::array<controls::CheckBox*, N>& boxes) {
  return {boxes.begin(), boxes.end()};
}

}  // namespace

// While a dialog is open, its typing, its rows and what its buttons change in the panel's
// working copy are steps; its "Kész" stays the one step of the work it always was.
void Workbench::record_dialog_steps() {
  Work& work = app_.work();
  auto record_of = [](const controls::ComboBox& box) { return [&box] { return box.text(); }; };
  for (MixedList droom::*list : kRoomLists)
    app_.record_held(working_copies_.emplace_back(work.tmproom.*list), "módosítás (szoba)",
                     record_of(room_.filename));
  for (MixedList dmons::*list : kMonsLists)
    app_.record_held(working_copies_.emplace_back(work.tmpmons.*list), "módosítás (élőlény)",
                     record_of(monster_.panel.filename));
  for (MixedList ditem::*list : kItemLists)
    app_.record_held(working_copies_.emplace_back(work.tmpitem.*list), "módosítás (tárgy)",
                     record_of(item_.panel.filename));
  std::vector<Text*> bonuses;
  for (Text ditem::*bonus : kItemBonuses) bonuses.push_back(&(work.tmpitem.*bonus));
  app_.record_held(working_copies_.emplace_back(std::move(bonuses)), "módosítás (tárgy)",
                   record_of(item_.panel.filename));

  editors::ItemAntisDialog& antis = item_.antis_dialog;
  std::vector<controls::UserValue*> antis_ticks = ticks_of(antis.alignment_boxes());
  for (controls::UserValue* tick : ticks_of(antis.class_boxes())) antis_ticks.push_back(tick);
  editors::RoomPropertiesDialog& properties = room_.properties;
  std::vector<controls::UserValue*> property_ticks{&properties.indoors, &properties.light};
  for (controls::CheckBox* flag :
       {&properties.noattack, &properties.nomagic, &properties.nosteal, &properties.noteleport,
        &properties.norest, &properties.nosleep, &properties.notalk, &properties.nocommunicate})
    property_ticks.push_back(flag);
  auto bonus_boxes = item_.bonuses_dialog.boxes();

  const DialogFields dialogs[] = {
      {room_.exits.form,
       room_.filename,
       {&room_.exits.exitdesc, &room_.exits.doorname},
       {&room_.exits.exitname, &room_.exits.exitdir},
       {}},
      {room_.things.form,
       room_.filename,
       {&room_.things.looked, &room_.things.smelled, &room_.things.listened,
        &room_.things.searched},
       {},
       {}},
      {room_.contents.form, room_.filename, {}, {&room_.contents.contents}, {}},
      {room_.guards.form,
       room_.filename,
       {&room_.guards.guardspeech},
       {&room_.guards.guardexits},
       {}},
      {properties.form, room_.filename, {}, {}, property_ticks},
      {monster_.panel.ids_dialog.form,
       monster_.panel.filename,
       {&monster_.panel.ids_dialog.word},
       {&monster_.panel.ids_dialog.words},
       {}},
      {monster_.speech_dialog.form,
       monster_.panel.filename,
       {&monster_.speech_dialog.posspeech, &monster_.speech_dialog.poscombatspeech},
       {&monster_.speech_dialog.speech, &monster_.speech_dialog.combatspeech},
       {}},
      {monster_.emote_dialog.form,
       monster_.panel.filename,
       {&monster_.emote_dialog.posemote, &monster_.emote_dialog.poscombatemote},
       {&monster_.emote_dialog.emote, &monster_.emote_dialog.combatemote},
       {}},
      {monster_.equipment_dialog.form,
       monster_.panel.filename,
       {},
       {&monster_.equipment_dialog.equipment},
       {}},
      {item_.panel.ids_dialog.form,
       item_.panel.filename,
       {&item_.panel.ids_dialog.word},
       {&item_.panel.ids_dialog.words},
       {}},
      {antis.form, item_.panel.filename, {}, {}, antis_ticks},
      {item_.bonuses_dialog.form,
       item_.panel.filename,
       {bonus_boxes.begin(), bonus_boxes.end()},
       {},
       {}},
  };
  for (const DialogFields& d : dialogs) {
    auto record = record_of(d.filename);
    for (controls::Edit* box : d.boxes) {
      std::string where = d.form.caption();
      if (!box->caption().empty()) where += ", " + box->caption();
      app_.record_typing(*box, "gépelés (" + where + ")", record, &d.form);
    }
    const std::string label = "módosítás (" + d.form.caption() + ")";
    // Each list of rows on its own: a long list nothing changed stays out of the step.
    for (controls::ListBox* box : d.rows)
      app_.record_held(
          dialog_rows_.emplace_back(d.form, std::vector{box}, std::vector<controls::UserValue*>{}),
          label, record, &d.form);
    if (!d.ticks.empty())
      app_.record_held(
          dialog_rows_.emplace_back(d.form, std::vector<controls::ListBox*>{}, d.ticks), label,
          record, &d.form);
  }
}

}  // namespace tamo::app
