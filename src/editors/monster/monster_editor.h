#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/host.h"
#include "editors/common/number_box.h"
#include "editors/common/shared_panel.h"
#include "editors/common/text_fields.h"
#include "editors/monster/emote_dialog.h"
#include "editors/monster/equipment_dialog.h"
#include "editors/monster/speech_dialog.h"
#include "model/input_rules.h"
#include "model/records.h"

namespace tamo::editors {

// The creature panel and its dialogs. The panel shows one creature, named by the text of
// the file-name box; its four lists live in the working copy `tmpmons`, which the dialogs edit.
class MonsterEditor {
 public:
  explicit MonsterEditor(EditorHost& host);

  // The form, file-name box, name, descriptions, "Azonosítók", "Törlés", "Új előlény", "Kész"
  // and the delete and id dialogs.
  SharedPanel<dmons> panel;

  controls::Edit level{"level", "Szint"};
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

  // True when "Kész" would change the work: the panel differs from the stored creature of its
  // name, or holds typing for a creature not stored yet.
  bool pending_edits() const;

  void levelonchange();
  void Button2Click();

 private:
  void show_fields(const dmons& creature);
  // The panel's own checks after the common ones, in order: the first refusal, if any.
  std::optional<std::string> own_refusal() const;

  EditorHost& host_;
  TextFields<dmons> texts_;
};

}  // namespace tamo::editors
