#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monster_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

// The speech and the emote dialog work alike; this names the parts of either.
struct SentenceDialog {
  controls::Form& form;
  controls::Button& opener;
  controls::Edit& anytime_edit;
  controls::Button& anytime_add;
  controls::Button& anytime_remove;
  controls::ListBox& anytime;
  controls::Edit& combat_edit;
  controls::Button& combat_add;
  controls::Button& combat_remove;
  controls::ListBox& combat;
  controls::Button& ready;
  MixedList dmons::*list;
};

enum class Which { speech, emote };

class SentenceDialogTest : public MonsterEditorTest, public ::testing::WithParamInterface<Which> {
 protected:
  SentenceDialog d = GetParam() == Which::speech ? speech() : emote();

  SentenceDialog speech() {
    MonsSpeechDialog& s = ed.speech_dialog;
    return {s.form,    ed.Button10,    s.posspeech,       s.Button1,
            s.Button2, s.speech,       s.poscombatspeech, s.Button4,
            s.Button5, s.combatspeech, s.Button3,         &dmons::speech};
  }
  SentenceDialog emote() {
    MonsEmoteDialog& e = ed.emote_dialog;
    return {e.form,           ed.Button9, e.posemote, e.b1,          e.b2,      e.emote,
            e.poscombatemote, e.b3,       e.b4,       e.combatemote, e.Button3, &dmons::emote};
  }
  MixedList& tmp() { return work().tmpmons.*d.list; }

  void add_anytime(const char* s) {
    d.anytime_edit.type(s);
    d.anytime_add.click();
  }
  void add_combat(const char* s) {
    d.combat_edit.type(s);
    d.combat_add.click();
  }
};

INSTANTIATE_TEST_SUITE_P(Form9AndForm10, SentenceDialogTest,
                         ::testing::Values(Which::speech, Which::emote));

TEST_P(SentenceDialogTest, OpeningEmptiesTheEditsAndDisablesTheMainWindow) {
  d.anytime_edit.type("félbe");
  d.combat_edit.type("hagyott");
  d.opener.click();
  EXPECT_TRUE(d.form.visible());
  EXPECT_FALSE(host.main_enabled);
  EXPECT_TRUE(host.focus().on(d.anytime_edit));
  EXPECT_EQ(d.anytime_edit.text(), "");
  EXPECT_EQ(d.combat_edit.text(), "");
  d.ready.click();
  EXPECT_FALSE(d.form.visible());
  EXPECT_TRUE(host.main_enabled);
}

TEST_P(SentenceDialogTest, ACombatSentenceIsStoredWithOneAndShownOnlyAmongCombatLines) {
  ASSERT_NE(commit_creature("ork"), nullptr);
  d.opener.click();
  add_combat("Kotrodj innen!");
  EXPECT_EQ(query_mixed(tmp(), "Kotrodj innen!"), "1");
  EXPECT_EQ(d.combat_edit.text(), "");
  d.ready.click();
  const dmons& stored = *work().monsters.find_last("ork");
  EXPECT_EQ(query_mixed(stored.*d.list, "Kotrodj innen!"), "1") << "written through";
  d.opener.click();
  EXPECT_EQ(d.combat.items(), Strings{"Kotrodj innen!"});
  EXPECT_TRUE(d.anytime.items().empty());
}

TEST_P(SentenceDialogTest, OneSentenceIsOneEntry) {
  d.opener.click();
  add_anytime("Hahó!");
  add_combat("Hahó!");
  EXPECT_EQ(tmp().size(), 1u);
  EXPECT_EQ(query_mixed(tmp(), "Hahó!"), "1");
  EXPECT_TRUE(d.anytime.items().empty()) << "the sentence moved to the combat lines";
  EXPECT_EQ(d.combat.items(), Strings{"Hahó!"});
  d.form.close();
  d.opener.click();
  EXPECT_TRUE(d.anytime.items().empty());
  EXPECT_EQ(d.combat.items(), Strings{"Hahó!"});
}

TEST_P(SentenceDialogTest, ListsAreSortedAndEmptyOrRepeatedSentencesAreIgnored) {
  d.opener.click();
  add_anytime("b mondat");
  add_anytime("a mondat");
  add_anytime("b mondat");
  d.anytime_add.click();
  EXPECT_EQ(d.anytime.items(), (Strings{"a mondat", "b mondat"}));
  EXPECT_EQ(tmp().size(), 2u);
  EXPECT_EQ(tmp()[0].key, "b mondat") << "the list keeps insertion order";
  EXPECT_EQ(d.anytime_edit.text(), "") << "emptied in every case";
}

// The list's end marker as a sentence would end the list early when the work is read back.
TEST_P(SentenceDialogTest, TheListEndMarkerIsRefusedLikeAnEmptySentence) {
  d.opener.click();
  add_anytime("MIXEDEND");
  add_combat("MIXEDEND");
  EXPECT_TRUE(d.anytime.items().empty());
  EXPECT_TRUE(d.combat.items().empty());
  EXPECT_TRUE(tmp().empty());
  EXPECT_EQ(d.anytime_edit.text(), "");
  add_anytime("MIXEDEND!");
  EXPECT_EQ(tmp().size(), 1u);
}

TEST_P(SentenceDialogTest, RemovingPutsTheSentenceBackForRewriting) {
  d.opener.click();
  add_anytime("Kotrodj innen!");
  add_combat("Meghalsz!");
  d.combat_remove.click();  // nothing selected
  EXPECT_EQ(tmp().size(), 2u);

  d.anytime.user_select(0);
  d.anytime_remove.click();
  EXPECT_EQ(d.anytime_edit.text(), "Kotrodj innen!");
  EXPECT_TRUE(d.anytime.items().empty());
  EXPECT_EQ(query_mixed(tmp(), "Kotrodj innen!"), "");

  d.anytime_edit.type(" Most!");
  d.anytime_add.click();
  EXPECT_EQ(query_mixed(tmp(), "Kotrodj innen! Most!"), "0");
  EXPECT_EQ(d.anytime.items(), Strings{"Kotrodj innen! Most!"});
}

TEST_P(SentenceDialogTest, TheCloseBoxKeepsChangesInTmpmonsOnly) {
  ASSERT_NE(commit_creature("ork"), nullptr);
  d.opener.click();
  add_anytime("Hahó!");
  d.form.close();
  EXPECT_TRUE(host.main_enabled);
  EXPECT_TRUE((work().monsters.find_last("ork")->*d.list).empty());
  EXPECT_EQ(query_mixed(tmp(), "Hahó!"), "0");
  d.opener.click();
  EXPECT_TRUE(d.anytime.items().empty()) << "reopening reloads the stored creature's list";
  EXPECT_TRUE(tmp().empty());
}

TEST_P(SentenceDialogTest, AnUncommittedCreatureGetsItsLinesWithThePanelsCommit) {
  d.opener.click();
  add_anytime("Hahó!");
  d.form.close();
  d.opener.click();
  EXPECT_EQ(d.anytime.items(), Strings{"Hahó!"}) << "nothing stored to reload from";
  d.ready.click();
  dmons* m = commit_creature("ork");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(query_mixed(m->*d.list, "Hahó!"), "0");
}

TEST(SentenceDialogs, OtherValuesAreCombatEmotesAndUnlistedSpeech) {
  testing::FakeHost host;
  MonsterEditor ed{host};
  dmons& m = *setup_mons(host.work(), "ork");
  for (MixedList* l : {&m.speech, &m.emote}) {
    add_mixed(*l, "nulla", "0");
    add_mixed(*l, "egy", "1");
    add_mixed(*l, "ketto", "2");
  }
  ed.panel.filename.type("ork");
  ed.Button10.click();
  EXPECT_EQ(ed.speech_dialog.speech.items(), Strings{"nulla"});
  EXPECT_EQ(ed.speech_dialog.combatspeech.items(), Strings{"egy"});
  ed.speech_dialog.Button3.click();
  ed.Button9.click();
  EXPECT_EQ(ed.emote_dialog.emote.items(), Strings{"nulla"});
  EXPECT_EQ(ed.emote_dialog.combatemote.items(), (Strings{"egy", "ketto"}));
}

TEST(SentenceDialogs, CaptionsOfTheListBoxes) {
  testing::FakeHost host;
  MonsterEditor ed{host};
  EXPECT_EQ(ed.speech_dialog.speech.caption(), "Ezeket mondogatja a lény");
  EXPECT_EQ(ed.speech_dialog.combatspeech.caption(), "Ezeket mondogatja a lény harc közben ");
  EXPECT_EQ(ed.emote_dialog.emote.caption(), "Ezeket csinálgatja a lény");
  EXPECT_EQ(ed.emote_dialog.combatemote.caption(), "Ezeket csinálgatja a lény harc közben ");
  EXPECT_EQ(ed.speech_dialog.Button2.caption(), "Töröl / Átír");
  EXPECT_EQ(ed.emote_dialog.b3.caption(), "Hozzáad");
}

}  // namespace
}  // namespace tamo::editors
