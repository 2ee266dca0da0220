#include "app/application.h"

#include <array>
#include <utility>

#include "balance/verdict.h"
#include "workfile/workfile.h"

namespace tamo::app {

namespace {

using Kind = FormRegistry::Kind;

// Side dialogs owned by the editors, in the order they are created.
struct DialogCaption {
  const char* name;
  const char* caption;
};
constexpr std::array kEditorDialogsBeforeCreatorData{
    DialogCaption{"Form3", "Szoba törlése"},
    DialogCaption{"Form2", "Szoba jellemzők"},
    DialogCaption{"Form4", "Tárgyak"},
    DialogCaption{"Form5", "Kijáratszerkesztő"},
    DialogCaption{"Form6", "Élőlény törlése"},
    DialogCaption{"Form7", "A szoba tartalma"},
    DialogCaption{"Form8", "Azonosítók"},
    DialogCaption{"Form9", "Amiket a lény mond..."},
    DialogCaption{"Form10", "Amiket a lények csinálgatnak..."},
    DialogCaption{"Form11", "Tárgy törlése"},
    DialogCaption{"Form12", "Azonosítók"},
    DialogCaption{"Form13", "Nem engedélyezett osztályok, jellemek"},
    DialogCaption{"Form14", "Bónuszok"},
    DialogCaption{"Form15", "Felszerelés"},
};

// Not Form3 and not Form18: a deletion question and the guards stay where they are.
constexpr std::array kHiddenByCloseallotherforms{"Form2",  "Form4",  "Form5",  "Form6",  "Form7",
                                                 "Form8",  "Form9",  "Form10", "Form11", "Form12",
                                                 "Form13", "Form14", "Form15", "Form16", "Form17"};

constexpr std::array kPanels{"room", "monster", "item", "description", "mud"};

bool is_creator_refusal(const workfile::SaveResult& result) {
  return result.message &&
         (*result.message == workfile::kMsgNoProject || *result.message == workfile::kMsgNoName ||
          *result.message == workfile::kMsgNoMail);
}

void run_if_set(const controls::Handler& handler) {
  if (handler) handler();
}

}  // namespace

Application::Application(Platform platform) : platform_(platform) {
  forms_.add_placeholder(Kind::panel, "room", "");
  forms_.add_placeholder(Kind::panel, "monster", "");
  forms_.add_placeholder(Kind::panel, "item", "");
  forms_.add(Kind::panel, description_.panel);
  forms_.add_placeholder(Kind::panel, "mud", "");
  for (const auto& d : kEditorDialogsBeforeCreatorData)
    forms_.add_placeholder(Kind::dialog, d.name, d.caption);
  forms_.add(Kind::dialog, creator_data_.form);
  forms_.add(Kind::dialog, about_.form);
  forms_.add_placeholder(Kind::dialog, "Form18", "Őrök");
  build_menus();
}

void Application::build_menus() {
  j1_.on_click = [this] { j1Click(); };
  Betlts1_.on_click = [this] { Betlts1Click(); };
  Ments1_.on_click = [this] { Ments1Click(); };
  Kilps1_.on_click = [this] { Kilps1Click(); };
  Szoba1_.on_click = [this] { Szoba1Click(); };
  llny1_.on_click = [this] { llny1Click(); };
  Trgy1_.on_click = [this] { Trgy1Click(); };
  Lers1_.on_click = [this] { Lers1Click(); };
  Teszt1_.on_click = [this] { Teszt1Click(); };
  Kszt1_.on_click = [this] { Kszt1Click(); };
  Nvjegy1_.on_click = [this] { Nvjegy1Click(); };
  menus_ = {
      {"Munka1", "Munka", {&j1_, &Betlts1_, &Ments1_, &N2_, &Kilps1_}},
      {"Szerkeszts1", "Szerkesztés", {&Szoba1_, &llny1_, &Trgy1_, &Lers1_, &N1_, &Teszt1_}},
      {"Belltsok1", "Beállítások", {&Kszt1_}},
      {"Sg1", "Súgó", {&Nvjegy1_}},
  };
}

void Application::start() {
  reset_work(work_);
  description_.maindesc.set_text("");
  run_if_set(hooks_.fill_colour_table);
  balance::set_db();
  remember_saved_state();
  form1_.show();
}

void Application::run_event(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    debug(e.what());
  }
}

void Application::debug(const std::string& text) {
  platform_.messages.show_message(text);
}

void Application::closeallotherforms() {
  for (const char* name : kHiddenByCloseallotherforms) forms_.get(name).hide();
}

void Application::set_main_enabled(bool enabled) {
  form1_.set_enabled(enabled);
}

void Application::initeverything() {
  reset_work(work_);
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item})
    run_if_set(e->fill_filename_choices);
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item}) run_if_set(e->init);
  for (const char* name : kPanels) forms_.get(name).hide();
  description_.maindesc.set_text("");
  run_if_set(hooks_.clear_console);
}

void Application::j1Click() {
  if (!may_discard_work()) return;
  closeallotherforms();
  initeverything();
  form1_.set_caption(std::string(kAppCaption));
  remember_saved_state();
}

void Application::Betlts1Click() {
  if (!may_discard_work()) return;
  auto path =
      platform_.open_file.choose({".", std::string(kOpenFilter), std::string(kOpenPattern)});
  if (path) load(*path);
}

void Application::open_work(const std::filesystem::path& path) {
  load(path);
}

void Application::load(const std::filesystem::path& path) {
  // Read into a work of its own first: a load that throws leaves the open work, its panels
  // and its caption as they were.
  Work loaded;
  workfile::LoadResult result = workfile::loadfile(loaded, path);
  closeallotherforms();
  initeverything();
  replace_work(work_, std::move(loaded).take_data());
  load_complete_ = result.complete;
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item})
    run_if_set(e->fill_filename_choices);
  // What was read counts as the starting point, even when the file broke off: the file
  // on disk still holds the rest.
  remember_saved_state();
  for (const std::string& message : result.messages) debug(message);
  if (result.complete) form1_.set_caption(work_.project + " - " + std::string(kAppCaption));
}

bool Application::save() {
  std::filesystem::path folder =
      work_folder_.empty() ? std::filesystem::current_path() : work_folder_;
  workfile::SaveResult result = workfile::savetamo(work_, folder);
  if (!is_creator_refusal(result)) closeallotherforms();
  if (result.message) debug(*result.message);
  if (!result.saved) return false;
  saved_path_ = result.path;
  form1_.set_caption(work_.project + " - " + std::string(kAppCaption));
  remember_saved_state();
  return true;
}

void Application::Ments1Click() {
  if (save()) debug(std::string(kMsgSaved));
}

void Application::Kilps1Click() {
  workfile::apply_exit_defaults(work_);
  if (workfile::has_records(work_) && !save()) return;
  closeallotherforms();
  finished_ = true;
}

bool Application::FormCloseQuery() {
  return may_discard_work();
}

bool Application::may_discard_work() {
  if (!work_changed()) return true;
  switch (platform_.unsaved.ask(std::string(kMsgUnsaved))) {
    case UnsavedAnswer::save:
      return save();
    case UnsavedAnswer::discard:
      return true;
    case UnsavedAnswer::cancel:
      break;
  }
  return false;
}

bool Application::work_changed() const {
  return clean_point_.changed(work_);
}

void Application::remember_saved_state() {
  clean_point_.mark(work_);
}

void Application::show_panel(std::string_view name, const controls::Control* focus_target) {
  forms_.get(name).show();
  if (focus_target) focus_.set(focus_target);
}

void Application::Szoba1Click() {
  run_if_set(hooks_.room.init);
  show_panel("room", hooks_.room.filename);
}

void Application::llny1Click() {
  forms_.get("room").hide();
  show_panel("monster", hooks_.monster.filename);
}

void Application::Trgy1Click() {
  show_panel("item", hooks_.item.filename);
}

void Application::Lers1Click() {
  description_.open();
}

void Application::Teszt1Click() {
  forms_.get("mud").show();
  run_if_set(hooks_.start_console);
}

void Application::Kszt1Click() {
  creator_data_.open();
}

void Application::Nvjegy1Click() {
  about_.form.show();
}

}  // namespace tamo::app
