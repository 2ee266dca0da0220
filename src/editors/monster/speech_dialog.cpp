#include "editors/monster/speech_dialog.h"

#include "editors/common/bindings.h"
#include "editors/monster/sentence_rows.h"

namespace tamo::editors {

MonsSpeechDialog::MonsSpeechDialog(EditorHost& host, const controls::ComboBox& monsfilename)
    : RecordListDialog<dmons>(host, monsfilename, &dmons::speech, "Form9",
                              "Amiket a lény mond...") {
  bind_clicks(*this, Button1, &MonsSpeechDialog::Button1Click, Button2,
              &MonsSpeechDialog::Button2Click, Button3, &MonsSpeechDialog::Button3Click, Button4,
              &MonsSpeechDialog::Button4Click, Button5, &MonsSpeechDialog::Button5Click);
}

void MonsSpeechDialog::open() {
  reload();
  refill_sentences(list(), {posspeech, speech}, {poscombatspeech, combatspeech},
                   OtherValues::hidden);
  show(&posspeech);
}

void MonsSpeechDialog::Button1Click() {
  add_sentence(list(), {posspeech, speech}, combatspeech, kAnyTime);
}

void MonsSpeechDialog::Button2Click() {
  take_back_sentence(list(), {posspeech, speech});
}

void MonsSpeechDialog::Button3Click() {
  write_through_and_close();
}

void MonsSpeechDialog::Button4Click() {
  add_sentence(list(), {poscombatspeech, combatspeech}, speech, kInCombat);
}

void MonsSpeechDialog::Button5Click() {
  take_back_sentence(list(), {poscombatspeech, combatspeech});
}

}  // namespace tamo::editors
