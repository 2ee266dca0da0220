#include "app/application.h"

#include <array>
#include <cstdint>
#include <utility>

#include "balance/verdict.h"
#include "model/input_rules.h"
#include "workfile/file_names.h"
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

std::string shown(const std::filesystem::path& path) {
  return workfile::shown_path(path);
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
  Mentsmsknt1_.on_click = [this] { Mentsmsknt1Click(); };
  Kilps1_.on_click = [this] { Kilps1Click(); };
  Szoba1_.on_click = [this] { Szoba1Click(); };
  llny1_.on_click = [this] { llny1Click(); };
  Trgy1_.on_click = [this] { Trgy1Click(); };
  Lers1_.on_click = [this] { Lers1Click(); };
  Teszt1_.on_click = [this] { Teszt1Click(); };
  Kszt1_.on_click = [this] { Kszt1Click(); };
  Nvjegy1_.on_click = [this] { Nvjegy1Click(); };
  menus_ = {
      {"Munka1", "Munka", {&j1_, &Betlts1_, &Ments1_, &Mentsmsknt1_, &N2_, &Kilps1_}},
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
  work_file_.clear();
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
  closeallotherforms();
  initeverything();
  workfile::LoadResult result = workfile::loadfile(work_, path);
  load_complete_ = result.complete;
  std::error_code error;
  work_file_ = result.opened ? std::filesystem::absolute(path, error) : std::filesystem::path();
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item})
    run_if_set(e->fill_filename_choices);
  remember_saved_state();
  // The file on disk still holds what the work lacks, so the work is not what was saved.
  lacks_from_file_ = !result.complete && result.opened;
  for (const std::string& message : result.messages) debug(message);
  if (result.opened && !result.ended_early)
    form1_.set_caption(work_.project + " - " + std::string(kAppCaption));
}

std::filesystem::path Application::save_folder() const {
  if (!save_folder_.empty()) return save_folder_;
  if (!work_file_.empty()) return work_file_.parent_path();
  return work_folder_.empty() ? std::filesystem::current_path() : work_folder_;
}

std::string Application::save_place() const {
  std::filesystem::path folder = save_folder();
  if (work_.project.empty()) return "Mentés helye: " + shown(folder / "");
  return "Mentés helye: " + shown(workfile::work_file_path(work_, folder));
}

bool Application::may_replace(const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::exists(target, error)) return true;
  bool own = !work_file_.empty() && std::filesystem::equivalent(target, work_file_, error);
  if (own && !lacks_from_file_) return true;
  std::string text =
      own ? "A munka nem töltődött be hiánytalanul a(z) " + shown(target) +
                " fájlból: ha felülírod, ami kimaradt belőle, elvész. Felülírod mégis?"
          : "Már van " + shown(target) +
                " fájl, de ez a munka nem abból való: más munka is lehet benne. Felülírod?";
  return platform_.replace.ask_replace(text);
}

bool Application::save_into(const std::filesystem::path& folder) {
  if (auto refusal = workfile::creator_refusal(work_)) {
    debug(*refusal);
    return false;
  }
  if (!may_replace(workfile::work_file_path(work_, folder))) return false;
  workfile::SaveResult result = workfile::savetamo(work_, folder);
  closeallotherforms();
  if (result.message) debug(*result.message);
  if (!result.saved) return false;
  saved_path_ = result.path;
  std::error_code error;
  work_file_ = std::filesystem::absolute(result.path, error);
  form1_.set_caption(work_.project + " - " + std::string(kAppCaption));
  remember_saved_state();
  return true;
}

void Application::Ments1Click() {
  if (save()) debug(std::string(kMsgSaved));
}

void Application::Mentsmsknt1Click() {
  std::string offered = work_.project.empty() ? "" : work_.project + ".tamo";
  auto chosen = platform_.save_file.choose_save(
      {save_folder(), offered, std::string(kOpenFilter), std::string(kSavePattern)});
  if (!chosen) return;
  std::u8string file_name = chosen->filename().u8string();
  std::string name(file_name.begin(), file_name.end());
  if (name.ends_with(".tamo")) name.resize(name.size() - 5);
  if (!validfilename(name)) {
    debug("A(z) „" + name +
          "” nem lehet a munka neve: legfeljebb 16 kisbetű, számjegy, kötőjel vagy aláhúzás, "
          "legalább egy betűvel. A munka nincs elmentve.");
    return;
  }
  std::string previous = work_.project;
  work_.project = name;
  if (save_into(chosen->parent_path()))
    debug(std::string(kMsgSaved));
  else
    work_.project = previous;
}

// A work without records is not saved on the way out; if it holds anything unsaved (a
// description, creator data) the user is asked first, as before any other loss.
void Application::Kilps1Click() {
  bool changed = work_changed();
  workfile::apply_exit_defaults(work_);
  if (workfile::has_records(work_)) {
    if (!save()) return;
  } else if (changed && !ask_about_unsaved_work()) {
    return;
  }
  closeallotherforms();
  finished_ = true;
}

bool Application::FormCloseQuery() {
  return may_discard_work();
}

bool Application::may_discard_work() {
  return !work_changed() || ask_about_unsaved_work();
}

bool Application::ask_about_unsaved_work() {
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

namespace {
// A 64-bit FNV-1a digest of the file's lines stands in for the lines themselves, which for a
// large work would keep a second copy of the whole file in memory.
std::uint64_t digest_of(const std::vector<std::string>& lines) {
  std::uint64_t h = 14695981039346656037ULL;
  auto mix = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ULL; };
  for (const std::string& line : lines) {
    for (char c : line) mix(static_cast<unsigned char>(c));
    mix('\n');
  }
  return h;
}
}  // namespace

bool Application::work_changed() const {
  return lacks_from_file_ || digest_of(workfile::work_lines(work_)) != saved_digest_;
}

void Application::remember_saved_state() {
  lacks_from_file_ = false;
  saved_digest_ = digest_of(workfile::work_lines(work_));
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
