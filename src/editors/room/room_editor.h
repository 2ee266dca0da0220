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
#include "editors/common/panel_dialogs.h"
#include "editors/common/panel_record.h"
#include "editors/common/text_fields.h"
#include "editors/room/contents_dialog.h"
#include "editors/room/exit_editor.h"
#include "editors/room/guard_dialog.h"
#include "editors/room/properties_dialog.h"
#include "editors/room/room_context.h"
#include "editors/room/things_dialog.h"

namespace tamo::editors {

// The room panel: the room's five texts, the buttons that open its dialogs, and the room
// commit. The room's ten lists live in the work's tmproom while it is edited.
class RoomEditor {
  // First, so that the dialogs below are built with a ready context.
  EditorHost& host_;
  RoomContext context_{host_, filename};

 public:
  explicit RoomEditor(EditorHost& host);
  RoomEditor(const RoomEditor&) = delete;
  RoomEditor& operator=(const RoomEditor&) = delete;

  controls::Form room{"room", "Szoba"};
  controls::ComboBox filename{"filename", "Fájlnév", controls::ComboBox::Style::editable, true};
  controls::Edit short_{"short", "Rövid leírás"};
  controls::Memo long_{"long", "Hosszú leírás"};
  controls::Edit smelldefault{"smelldefault", "Alapszag"};
  controls::Edit listendefault{"listendefault", "Háttérzaj"};
  controls::Label dialogs_caption{"Label1", "Szoba jellemzők"};
  controls::Button RoomItems{"RoomItems", "Nézhető tárgyak"};
  controls::Button RoomProperties{"RoomProperties", "Jellemzők"};
  controls::Button Button4{"Button4", "Tartalom"};
  controls::Button Button5{"Button5", "Kijáratok"};
  controls::Button Button8{"Button8", "Őrök"};
  // The preview belongs to the test console, which sets its on_click.
  controls::Button Button3{"Button3", "Hogy néz ki?"};
  controls::Button Button7{"Button7", "Törlés"};
  controls::Button Button6{"Button6", "Új szoba"};
  controls::Button Button1{"Button1", "Kész"};

  RoomPropertiesDialog properties{context_};
  ConfirmDeleteDialog deletion;
  RoomThingsDialog things{context_};
  ExitEditor exits{context_};
  ContentsDialog contents{context_};
  GuardDialog guards{context_};

  // The panel and every dialog form of the room editor.
  std::vector<controls::Form*> forms();

  void init_room();
  // "Kész" without its message: stores the panel's room, or returns why it is refused.
  std::optional<std::string> commit_room();
  // Rebuilds the file-name choices from the work's rooms, after a load or a new work.
  void fill_filename_choices();

  // True when "Kész" would change the work: the panel differs from the stored room of its
  // name, or holds typing for a room not stored yet.
  bool pending_edits() const;

  void Button6Click();

 private:
  // Puts a room's texts into the panel and its lists into tmproom.
  void show(const droom& room);
  // The panel's own texts into a room.
  void take_fields(droom& room) const;

  PanelRecord<droom> record_{host_, filename, [this](droom& r) { take_fields(r); },
                             [this](const droom& r) { show(r); }};
  TextFields<droom> texts_{short_,        &droom::short_,       long_,
                           &droom::long_, smelldefault,         &droom::smelldefault,
                           listendefault, &droom::listendefault};
  PanelDialogs dialogs_{room};
};

}  // namespace tamo::editors
