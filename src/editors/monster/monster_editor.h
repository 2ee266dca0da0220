#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/confirm_delete_dialog.h"
#include "editors/common/host.h"
#include "editors/common/ids_dialog.h"
#include "editors/common/number_box.h"
#include "editors/common/panel_dialogs.h"
#include "editors/common/panel_record.h"
#include "editors/common/text_fields.h"
#include "editors/monster/emote_dialog.h"
#include "editors/monster/equipment_dialog.h"
#include "editors/monster/speech_dialog.h"
#include "model/input_rules.h"
#include "model/records.h"

namespace tamo::editors {

// The creature panel and its dialogs. The panel shows one creature, named by the text of
// `monsfilename`; its four lists live in the working copy `tmpmons`, which the dialogs edit.
class MonsterEditor {
 public:
  explicit MonsterEditor(EditorHost& host);
  MonsterEditor(const MonsterEditor&) = delete;
  MonsterEditor& operator=(const MonsterEditor&) = delete;

  controls::Form monster{"monster", "Élőlény"};
  controls::ComboBox monsfilename{"monsfilename", "Fájlnév", controls::ComboBox::Style::editable,
                                  true};
  controls::Edit level{"level", "Szint"};
  controls::Button Button13{"Button13", "Azonosítók"};
  controls::Edit monsname{"monsname", "Név"};
  controls::Edit monsshort{"monsshort", "Rövid leírás"};
  controls::Memo monslong{"monslong", "Hosszú leírás"};
  controls::ComboBox race{"race", "Faja", controls::ComboBox::Style::drop_down_list, true};
  controls::ComboBox gender{"gender", "Neme", controls::ComboBox::Style::drop_down_list};
  // The three class boxes share one label.
  controls::ComboBox class1{"class1", "Osztálya", controls::ComboBox::Style::drop_down_list};
  controls::ComboBox class2{"class2", "Osztálya", controls::ComboBox::Style::drop_down_list};
  controls::ComboBox class3{"class3", "Osztálya", controls::ComboBox::Style::drop_down_list};
  NumberBox money{"money", "Pénz", validnumber, 5};
  NumberBox aggressive{"aggressive", "Agresszivitás", validnumber, 2};
  NumberBox alignment{"alignment", "Jellem", isvalidanynumber, 5};
  NumberBox speed{"speed", "Sebesség", validnumber};
  NumberBox spemspeed{"spemspeed", "Beszéd és érzési sebesség", validnumber};
  // Frames the three list buttons below.
  controls::Group further_traits{"further_traits", "További jellemzők"};
  controls::Button Button10{"Button10", "Amit mond"};
  controls::Button Button9{"Button9", "Amiket csinál"};
  controls::Button Button12{"Button12", "Ami van nála"};
  controls::Button bt{"bt", "Törlés"};
  controls::Button Button2{"Button2", "Új előlény"};
  controls::Button monsready{"monsready", "Kész"};

  ConfirmDeleteDialog delete_dialog;
  IdsDialog<dmons> ids_dialog;
  MonsSpeechDialog speech_dialog;
  MonsEmoteDialog emote_dialog;
  MonsEquipmentDialog equipment_dialog;

  // The panel first, then every dialog form.
  std::vector<controls::Form*> forms();

  // Empties the fields (not tmpmons) and hides the side dialogs.
  void init_mons();
  // The file-name choices become the names of the work's creatures.
  void fill_filename_choices();
  // Puts the creature's file name and fields into the panel and its lists into tmpmons.
  void show_creature(const dmons& creature);
  // "Kész" without its message: stores the panel's creature, or returns why it is refused.
  std::optional<std::string> commit_creature();
  // Deletes the creature named in the panel, after taking it out of every room's contents,
  // resets the panel and drops the name from the choices. Nothing when no creature has it.
  void MonsDelete();

  // True when "Kész" would change the work: the panel differs from the stored creature of its
  // name, or holds typing for a creature not stored yet.
  bool pending_edits() const;

  void levelonchange();
  void Button2Click();

 private:
  void show_fields(const dmons& creature);
  // The panel's own checks after the common ones, in order: the first refusal, if any.
  std::optional<std::string> own_refusal() const;
  void take_fields(dmons& creature) const;

  EditorHost& host_;
  PanelRecord<dmons> record_{host_, monsfilename, [this](dmons& m) { take_fields(m); },
                             [this](const dmons& m) { show_fields(m); }};
  TextFields<dmons> texts_;
  PanelDialogs dialogs_{monster};
};

}  // namespace tamo::editors
