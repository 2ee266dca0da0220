#include "app/application.h"

#include <array>
#include <utility>

#include "balance/verdict.h"
#include "workfile/workfile.h"

namespace tamo::app {

namespace {

using Kind = FormRegistry::Kind;

using OnReset = FormRegistry::OnReset;

// Every panel and side dialog in creation order. closeallotherforms hides the dialogs marked
// hidden, in this order; a deletion question and the guards stay where they are.
struct FormDeclaration {
  Kind kind;
  const char* name;
  const char* caption;
  OnReset on_reset;
};
constexpr std::array kForms{
    FormDeclaration{Kind::panel, "room", "", OnReset::stays},
    FormDeclaration{Kind::panel, "monster", "", OnReset::stays},
    FormDeclaration{Kind::panel, "item", "", OnReset::stays},
    FormDeclaration{Kind::panel, "description", "", OnReset::stays},
    FormDeclaration{Kind::panel, "mud", "", OnReset::stays},
    FormDeclaration{Kind::dialog, "Form3", "Szoba törlése", OnReset::stays},
    FormDeclaration{Kind::dialog, "Form2", "Szoba jellemzők", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form4", "Tárgyak", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form5", "Kijáratszerkesztő", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form6", "Élőlény törlése", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form7", "A szoba tartalma", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form8", "Azonosítók", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form9", "Amiket a lény mond...", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form10", "Amiket a lények csinálgatnak...", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form11", "Tárgy törlése", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form12", "Azonosítók", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form13", "Nem engedélyezett osztályok, jellemek",
                    OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form14", "Bónuszok", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form15", "Felszerelés", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form16", "A munka adatai", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form17", "Névjegy", OnReset::hidden},
    FormDeclaration{Kind::dialog, "Form18", "Őrök", OnReset::stays},
};

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
  register_forms();
  build_menus();
}

// The shell's own forms take their places at once; the editors install theirs later.
void Application::register_forms() {
  for (const FormDeclaration& d : kForms)
    forms_.add_placeholder(d.kind, d.name, d.caption, d.on_reset);
  for (controls::Form* own : {&description_.panel, &creator_data_.form, &about_.form})
    forms_.install(*own);
}

void Application::build_menus() {
  auto entry = [](const char* name, const char* caption, controls::Handler handler) {
    return MenuItem{name, caption, {}, std::move(handler)};
  };
  MenuBar& m = menu_bar_;
  m.add_menu("Munka1", "Munka");
  m.add_item("Munka1", entry("j1", "Ú&j", [this] { j1Click(); }));
  m.add_item("Munka1", entry("Betlts1", "Betöltés", [this] { Betlts1Click(); }));
  m.add_item("Munka1", entry("Ments1", "Mentés", [this] { Ments1Click(); }));
  m.add_separator("Munka1", "N2");
  m.add_item("Munka1", entry("Kilps1", "Ment és kilép", [this] { Kilps1Click(); }));
  m.add_menu("Szerkeszts1", "Szerkesztés");
  m.add_item("Szerkeszts1", entry("Szoba1", "Szoba", [this] { Szoba1Click(); }));
  m.add_item("Szerkeszts1", entry("llny1", "Élőlény", [this] { llny1Click(); }));
  m.add_item("Szerkeszts1", entry("Trgy1", "Tárgy", [this] { Trgy1Click(); }));
  m.add_item("Szerkeszts1", entry("Lers1", "Leírás", [this] { Lers1Click(); }));
  m.add_separator("Szerkeszts1", "N1");
  m.add_item("Szerkeszts1", entry("Teszt1", "Teszt", [this] { Teszt1Click(); }));
  m.add_menu("Belltsok1", "Beállítások");
  m.add_item("Belltsok1", entry("Kszt1", "Munka", [this] { Kszt1Click(); }));
  m.add_menu("Sg1", "Súgó");
  m.add_item("Sg1", entry("Nvjegy1", "Névjegy", [this] { Nvjegy1Click(); }));
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
  for (const auto& e : forms_.entries())
    if (e.on_reset == OnReset::hidden) e.form->hide();
}

void Application::set_main_enabled(bool enabled) {
  form1_.set_enabled(enabled);
}

void Application::initeverything() {
  reset_work(work_);
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item})
    run_if_set(e->fill_filename_choices);
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item}) run_if_set(e->init);
  for (const auto& e : forms_.entries())
    if (e.kind == Kind::panel) e.form->hide();
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
  remember_saved_state();
  // The file on disk still holds what the work lacks, so the work is not what was saved.
  lacks_from_file_ = !result.complete && result.opened;
  for (const std::string& message : result.messages) debug(message);
  if (result.opened && !result.ended_early)
    form1_.set_caption(work_.project + " - " + std::string(kAppCaption));
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
  return lacks_from_file_ || clean_point_.changed(work_);
}

void Application::remember_saved_state() {
  lacks_from_file_ = false;
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
