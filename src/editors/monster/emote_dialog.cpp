#include "editors/monster/emote_dialog.h"

#include "editors/common/bindings.h"
#include "editors/monster/sentence_rows.h"

namespace tamo::editors {

MonsEmoteDialog::MonsEmoteDialog(EditorHost& host, const controls::ComboBox& monsfilename)
    : RecordListDialog<dmons>(host, monsfilename, &dmons::emote, "Form10",
                              "Amiket a lények csinálgatnak...") {
  bind_clicks(*this, b1, &MonsEmoteDialog::b1Click, b2, &MonsEmoteDialog::b2Click, b3,
              &MonsEmoteDialog::b3Click, b4, &MonsEmoteDialog::b4Click, Button3,
              &MonsEmoteDialog::Button3Click);
}

void MonsEmoteDialog::open() {
  reload();
  refill_sentences(list(), {posemote, emote}, {poscombatemote, combatemote},
                   OtherValues::in_combat);
  show(&posemote);
}

void MonsEmoteDialog::b1Click() {
  add_sentence(list(), {posemote, emote}, combatemote, kAnyTime);
}

void MonsEmoteDialog::b2Click() {
  take_back_sentence(list(), {posemote, emote});
}

void MonsEmoteDialog::b3Click() {
  add_sentence(list(), {poscombatemote, combatemote}, emote, kInCombat);
}

void MonsEmoteDialog::b4Click() {
  take_back_sentence(list(), {poscombatemote, combatemote});
}

void MonsEmoteDialog::Button3Click() {
  write_through_and_close();
}

}  // namespace tamo::editors
