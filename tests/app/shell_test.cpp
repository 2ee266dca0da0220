#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "app_fixture.h"
#include "controls/lists.h"
#include "editors/common/host.h"
#include "model/numbers.h"
#include "work_setup.h"

namespace tamo::app::testing {
namespace {

using Shell = AppTest;

TEST_F(Shell, StartsWithABlankMainWindowAndAnEmptyWork) {
  EXPECT_EQ(app.main_window().caption(), "Tamo");
  EXPECT_TRUE(app.main_window().visible());
  EXPECT_TRUE(app.main_window().enabled());
  EXPECT_EQ(front_panel(), "");
  for (const auto& e : app.forms().entries()) EXPECT_FALSE(e.form->visible()) << e.form->name();
  const Work& w = app.work();
  EXPECT_EQ(w.project + w.name + w.mail + w.desc, "");
  EXPECT_EQ(w.current_room, nullptr);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, EveryWindowExistsUnderItsNameWithItsCaption) {
  const std::vector<std::pair<std::string, std::string>> expected{
      {"Form2", "Szoba jellemzők"},
      {"Form3", "Szoba törlése"},
      {"Form4", "Tárgyak"},
      {"Form5", "Kijáratszerkesztő"},
      {"Form6", "Élőlény törlése"},
      {"Form7", "A szoba tartalma"},
      {"Form8", "Azonosítók"},
      {"Form9", "Amiket a lény mond..."},
      {"Form10", "Amiket a lények csinálgatnak..."},
      {"Form11", "Tárgy törlése"},
      {"Form12", "Azonosítók"},
      {"Form13", "Nem engedélyezett osztályok, jellemek"},
      {"Form14", "Bónuszok"},
      {"Form15", "Felszerelés"},
      {"Form16", "A munka adatai"},
      {"Form17", "Névjegy"},
      {"Form18", "Őrök"}};
  for (const auto& [name, caption] : expected) EXPECT_EQ(app.form(name).caption(), caption);
  for (const char* panel : {"room", "monster", "item", "description", "mud"})
    EXPECT_NO_THROW(app.form(panel));
  EXPECT_THROW(app.form("Form19"), std::out_of_range);
}

std::string without_access_key(std::string caption) {
  std::erase(caption, '&');
  return caption;
}

TEST_F(Shell, MenuHasItsCaptionsInOrderWithSeparators) {
  std::vector<std::string> shown;
  for (const Menu& m : app.menus()) {
    shown.push_back(without_access_key(m.caption) + ":");
    for (const MenuItem& item : m.items) shown.push_back(without_access_key(item.caption));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Munka:",
                                             "Új",
                                             "Betöltés",
                                             "Mentés",
                                             "Mentés másként…",
                                             "-",
                                             "Ment és kilép",
                                             "Kilépés",
                                             "Szerkesztés:",
                                             "Visszavonás",
                                             "Újra",
                                             "-",
                                             "Szoba",
                                             "Élőlény",
                                             "Tárgy",
                                             "Leírás",
                                             "-",
                                             "Teszt",
                                             "Beállítások:",
                                             "Munka",
                                             "Súgó:",
                                             "Névjegy"}));
}

TEST_F(Shell, ThePanelShownLastIsInFrontAndNewWorkBlanksTheArea) {
  app.Szoba1Click();
  EXPECT_EQ(front_panel(), "room");
  app.llny1Click();
  EXPECT_EQ(front_panel(), "monster");
  EXPECT_FALSE(app.form("room").visible()) << "Élőlény hides the room panel";
  app.Trgy1Click();
  EXPECT_EQ(front_panel(), "item");
  app.Lers1Click();
  EXPECT_EQ(front_panel(), "description");
  app.Teszt1Click();
  EXPECT_EQ(front_panel(), "mud");
  app.Trgy1Click();
  EXPECT_EQ(front_panel(), "item") << "a panel shown again comes back to the front";
  app.j1Click();
  EXPECT_EQ(front_panel(), "");
}

TEST_F(Shell, EditorCommandsGoThroughTheEditorHooks) {
  std::vector<std::string> calls;
  controls::ComboBox filename("filename", "Fájlnév", controls::ComboBox::Style::editable);
  controls::ComboBox monsfilename("monsfilename", "Fájlnév", controls::ComboBox::Style::editable);
  controls::ComboBox itemfilename("itemfilename", "Fájlnév", controls::ComboBox::Style::editable);
  Hooks& h = app.hooks();
  h.room = {[&] { calls.push_back("init_room"); }, [&] { calls.push_back("fill_room"); },
            &filename};
  h.monster = {[&] { calls.push_back("init_mons"); }, [&] { calls.push_back("fill_mons"); },
               &monsfilename};
  h.item = {[&] { calls.push_back("init_item"); }, [&] { calls.push_back("fill_item"); },
            &itemfilename};
  h.start_console = [&] { calls.push_back("console"); };
  h.clear_console = [&] { calls.push_back("clear_console"); };

  app.Szoba1Click();
  EXPECT_TRUE(app.focus().on(filename));
  app.llny1Click();
  EXPECT_TRUE(app.focus().on(monsfilename));
  app.Trgy1Click();
  EXPECT_TRUE(app.focus().on(itemfilename));
  app.Teszt1Click();
  EXPECT_EQ(calls, (std::vector<std::string>{"init_room", "console"}))
      << "Élőlény and Tárgy only show their panels";
  calls.clear();
  app.j1Click();
  EXPECT_EQ(calls, (std::vector<std::string>{"fill_room", "fill_mons", "fill_item", "init_room",
                                             "init_mons", "init_item", "clear_console"}));
}

TEST_F(Shell, CreatorDataDialogStoresOnOkOnly) {
  CreatorDataDialog& d = app.creator_data();
  setup_data(app.work()).project = "regi";
  app.Kszt1Click();
  EXPECT_TRUE(d.form.visible());
  EXPECT_EQ(d.cproject.text(), "regi");
  EXPECT_TRUE(app.main_window().enabled()) << "the creator data leave the main window enabled";

  d.cproject.type("uj");
  d.cname.type("Valaki");
  d.cemail.type("v@example.org");
  d.Button2.click();
  EXPECT_FALSE(d.form.visible());
  EXPECT_EQ(app.work().project, "regi");
  EXPECT_EQ(app.work().name, "");

  app.Kszt1Click();
  EXPECT_EQ(d.cproject.text(), "regi") << "reopening shows the stored values again";
  EXPECT_EQ(d.cname.text(), "");
  d.cname.type("Valaki");
  d.cemail.type("v@example.org");
  d.Button1.click();
  EXPECT_FALSE(d.form.visible());
  EXPECT_EQ(app.work().project, "regi");
  EXPECT_EQ(app.work().name, "Valaki");
  EXPECT_EQ(app.work().mail, "v@example.org");
}

TEST_F(Shell, ARefusedCharacterEmptiesTheWholeWorkName) {
  CreatorDataDialog& d = app.creator_data();
  app.Kszt1Click();
  for (const char* typed : {"pelda1X", "pel ", "pelé", "abcdefghijklmnopq"}) {
    d.cproject.set_text("");
    d.cproject.type(typed);
    EXPECT_EQ(d.cproject.text(), "") << typed;
  }
  d.cproject.type("pelda_1-b");
  EXPECT_EQ(d.cproject.text(), "pelda_1-b");
  EXPECT_TRUE(platform.messages.empty()) << "the work name is emptied silently";
}

TEST_F(Shell, DescriptionIsStoredByKeszAndRestoredOnReopening) {
  DescriptionPanel& p = app.description();
  setup_data(app.work()).desc = "elso\r\nmasodik";
  app.Lers1Click();
  EXPECT_EQ(p.maindesc.text(), "elso\r\nmasodik");
  p.maindesc.type("\nharmadik");
  app.Lers1Click();
  EXPECT_EQ(p.maindesc.text(), "elso\r\nmasodik") << "unstored typing is dropped";
  p.maindesc.type("\nharmadik");
  p.descready.click();
  EXPECT_EQ(app.work().desc, "elso\r\nmasodik\r\nharmadik");
  EXPECT_EQ(front_panel(), "description") << "the panel stays shown";
}

TEST_F(Shell, DescriptionRefusesTheReadersEndLine) {
  DescriptionPanel& p = app.description();
  app.Lers1Click();
  p.maindesc.type("szoveg\nCREATORDESCEN");
  EXPECT_EQ(p.maindesc.text(), "szoveg\r\nCREATORDESCEN");
  p.maindesc.type("D");
  EXPECT_EQ(p.maindesc.text(), "");
  p.maindesc.type("ROOMLONGEND");
  EXPECT_EQ(p.maindesc.text(), "ROOMLONGEND");
}

TEST_F(Shell, AboutBoxOpensInFrontAndOkHidesIt) {
  app.Kszt1Click();
  app.Nvjegy1Click();
  AboutBox& a = app.about();
  EXPECT_TRUE(a.form.visible());
  EXPECT_GT(a.form.front_order(), app.creator_data().form.front_order());
  EXPECT_TRUE(app.main_window().enabled());
  a.ok.click();
  EXPECT_FALSE(a.form.visible());
}

TEST_F(Shell, CloseallotherformsHidesExactlyItsDialogsWithoutCloseHandlers) {
  controls::Form room_properties("Form2", "Szoba jellemzők");
  int close_handlers = 0;
  room_properties.on_close = [&] { ++close_handlers; };
  app.install_form(room_properties);
  EXPECT_EQ(&app.form("Form2"), &room_properties);
  for (const auto& e : app.forms().entries())
    if (e.kind == FormRegistry::Kind::dialog) e.form->show();

  app.closeallotherforms();
  for (const auto& e : app.forms().entries()) {
    if (e.kind != FormRegistry::Kind::dialog) continue;
    bool stays = e.form->name() == "Form3" || e.form->name() == "Form18";
    EXPECT_EQ(e.form->visible(), stays) << e.form->name();
  }
  EXPECT_EQ(close_handlers, 0);
}

TEST_F(Shell, NewWorkHidesOpenCreatorDataAndAboutBox) {
  app.Kszt1Click();
  app.Nvjegy1Click();
  setup_data(app.work()).project = "pelda";
  setup_data(app.work()).desc = "leiras";
  app.description().maindesc.set_text("leiras");
  platform.answer = UnsavedAnswer::discard;
  app.j1Click();
  EXPECT_FALSE(app.creator_data().form.visible());
  EXPECT_FALSE(app.about().form.visible());
  EXPECT_EQ(app.work().project, "");
  EXPECT_EQ(app.work().desc, "");
  EXPECT_EQ(app.description().maindesc.text(), "");
  EXPECT_EQ(app.main_window().caption(), "Tamo");
}

TEST_F(Shell, AnEditorDialogDisablesTheMainWindowUntilClosed) {
  controls::Form exits("Form5", "Kijáratszerkesztő");
  app.install_form(exits);
  editors::attach_dialog_protocol(app, exits);
  editors::open_dialog(app, exits);
  EXPECT_FALSE(app.main_window().enabled());
  exits.close();
  EXPECT_TRUE(app.main_window().enabled());
}

TEST_F(Shell, AnEscapedErrorEndsTheHandlerAndBecomesAMessage) {
  bool after = false;
  app.run_event([&] {
    str2int("12x");
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], ConversionError("12x").what());

  app.run_event([] { throw std::runtime_error("Cannot create file x.tamo"); });
  EXPECT_EQ(platform.messages.back(), "Cannot create file x.tamo");

  app.run_event([&] { after = true; });
  EXPECT_TRUE(after) << "the program goes on with the next event";
  EXPECT_EQ(platform.messages.size(), 2u);
}

}  // namespace
}  // namespace tamo::app::testing
