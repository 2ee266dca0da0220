#include "app/application.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "app/event_error.h"
#include "balance/verdict.h"
#include "model/input_rules.h"
#include "model/storing.h"
#include "workfile/file_names.h"
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

std::string shown(const std::filesystem::path& path) {
  return workfile::shown_path(path);
}

void run_if_set(const controls::Handler& handler) {
  if (handler) handler();
}

}  // namespace

Application::Application(Platform platform) : platform_(platform) {
  work_.add_watcher(&clean_point_);
  register_forms();
  build_menus();
  announce(description_.descready, [] { return std::string(kLineDescriptionStored); });
  announce(creator_data_.Button1, [] { return std::string(kLineCreatorDataStored); });
  name_step(description_.descready, "leírás tárolása");
  name_step(creator_data_.Button1, "a munka adatainak tárolása");
  record_typing(description_.maindesc, "gépelés (leírás)");
  for (controls::Edit* field :
       {&creator_data_.cproject, &creator_data_.cname, &creator_data_.cemail})
    record_typing(*field,
                  "gépelés (" + creator_data_.form.caption() + ", " + field->caption() + ")", {},
                  &creator_data_.form);
  show_history_entries();
}

// The shell's own forms take their places at once; the editors install theirs later.
void Application::register_forms() {
  for (const FormDeclaration& d : kForms)
    forms_.add_placeholder(d.kind, d.name, d.caption, d.on_reset);
  for (controls::Form* own : {&description_.panel, &creator_data_.form, &about_.form})
    forms_.install(*own);
}

// Each caption marks a letter of its own within its menu; the shortcuts are the ones every
// desktop program answers to.
void Application::build_menus() {
  auto entry = [](const char* name, const char* caption, const char* shortcut,
                  controls::Handler handler) {
    return MenuItem{name, caption, shortcut, std::move(handler)};
  };
  MenuBar& m = menu_bar_;
  m.add_menu("Munka1", "&Munka");
  m.add_item("Munka1", entry("j1", "Ú&j", "Ctrl+N", [this] { j1Click(); }));
  m.add_item("Munka1", entry("Betlts1", "&Betöltés", "Ctrl+O", [this] { Betlts1Click(); }));
  m.add_item("Munka1", entry("Ments1", "&Mentés", "Ctrl+S", [this] { Ments1Click(); }));
  m.add_item("Munka1", entry("Mentsmsknt1", "Mentés m&ásként…", "Ctrl+Shift+S",
                             [this] { Mentsmsknt1Click(); }));
  m.add_separator("Munka1", "N2");
  m.add_item("Munka1", entry("Kilps1", "Ment és ki&lép", "", [this] { Kilps1Click(); }));
  m.add_item("Munka1", entry("quit", "&Kilépés", "Ctrl+Q", [this] { quit(); }));
  m.add_menu("Szerkeszts1", "&Szerkesztés");
  m.add_item("Szerkeszts1",
             {"Visszavons1", std::string(kUndoCaption), "Ctrl+Z", [this] { undo(); }});
  m.add_item("Szerkeszts1",
             {"jra1", std::string(kRedoCaption), "Ctrl+Shift+Z", [this] { redo(); }, "Ctrl+Y"});
  m.add_separator("Szerkeszts1", "N3");
  m.add_item("Szerkeszts1", entry("Szoba1", "&Szoba", "", [this] { Szoba1Click(); }));
  m.add_item("Szerkeszts1", entry("llny1", "&Élőlény", "", [this] { llny1Click(); }));
  m.add_item("Szerkeszts1", entry("Trgy1", "&Tárgy", "", [this] { Trgy1Click(); }));
  m.add_item("Szerkeszts1", entry("Lers1", "&Leírás", "", [this] { Lers1Click(); }));
  m.add_separator("Szerkeszts1", "N1");
  m.add_item("Szerkeszts1", entry("Teszt1", "T&eszt", "", [this] { Teszt1Click(); }));
  m.add_menu("Belltsok1", "&Beállítások");
  m.add_item("Belltsok1", entry("Kszt1", "&Munka", "", [this] { Kszt1Click(); }));
  m.add_menu("Sg1", "Sú&gó");
  m.add_item("Sg1", entry("Nvjegy1", "&Névjegy", "F1", [this] { Nvjegy1Click(); }));
}

void Application::announce(controls::Button& button,
                           std::function<std::optional<std::string>()> line) {
  button.on_click = [this, handler = std::move(button.on_click), line = std::move(line)] {
    std::uint64_t shown = messages_shown_;
    if (handler) handler();
    // A refusal said why in its box; the line no longer tells of an earlier success.
    if (messages_shown_ != shown) return tell({});
    if (std::optional<std::string> text = line()) tell(std::move(*text));
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
  typed_ = false;
  fields_stepped_ = false;
  try {
    std::vector<HeldBefore> held = held_before();
    // Whatever one event changes is one step; one that fails leaves the work as it was.
    UndoStep step(history_, {});
    handler();
    keep_held_changes(held);
  } catch (...) {
    debug(event_error_text(std::current_exception()));
  }
  // Anything but typing ends a run of typing.
  if (!typed_) history_.end_typing();
  show_history_entries();
  run_if_set(hooks_.after_event);
}

void Application::name_step(controls::Button& button, std::string label) {
  button.on_click = [this, handler = std::move(button.on_click), label = std::move(label)] {
    UndoStep step(history_, label);
    if (handler) handler();
  };
}

Application::~Application() {
  work_.remove_watcher(&clean_point_);
}

void Application::record_typing(controls::Edit& field, std::string label,
                                std::function<std::string()> record, const controls::Form* dialog) {
  const TypedField& typed =
      typed_fields_.emplace_back(&field, std::move(label), std::move(record), dialog);
  field.on_user_edit = [this, &typed](const std::string& before) {
    typed_ = true;
    fields_stepped_ = true;
    history_.typed(typed, before, focus_.revision());
  };
}

void Application::record_held(controls::UserValue& value, std::string label,
                              std::function<std::string()> record, const controls::Form* dialog) {
  typed_fields_.emplace_back(&value, std::move(label), std::move(record), dialog, true);
}

// Only while a dialog is open: the panels' own buttons store, load or empty whole records,
// which are steps of the work or no steps at all.
std::vector<Application::HeldBefore> Application::held_before() const {
  std::vector<HeldBefore> before;
  bool dialog_open =
      std::any_of(typed_fields_.begin(), typed_fields_.end(),
                  [](const TypedField& t) { return t.dialog && t.dialog->visible(); });
  if (!dialog_open) return before;
  for (const TypedField& t : typed_fields_)
    if (t.held || t.dialog)
      before.push_back({&t, t.field->value(), t.record ? t.record() : "", t.live()});
  return before;
}

// A field counts when it was and stayed live and its panel kept its record: a dialog opening
// or closing, or a panel turning to another record, is no change of the builder's. The
// dialog's own fields come first, so its step is named for it.
void Application::keep_held_changes(const std::vector<HeldBefore>& before) {
  if (before.empty() || fields_stepped_) return;
  std::vector<std::pair<const TypedField*, std::string>> changes;
  for (bool dialogs : {true, false})
    for (const HeldBefore& b : before) {
      const TypedField& t = *b.field;
      if ((t.dialog != nullptr) != dialogs || !b.live || !t.live()) continue;
      if ((t.record ? t.record() : "") != b.record || t.field->value() == b.value) continue;
      changes.emplace_back(&t, b.value);
    }
  history_.also_changed(changes);
}

void Application::record_choice(controls::UserValue& choice, std::string label,
                                std::function<std::string()> record) {
  const TypedField& chosen =
      typed_fields_.emplace_back(&choice, std::move(label), std::move(record));
  // What every field held before the choice: its handler may empty others, and taking the
  // choice back must bring those back too.
  auto was = std::make_shared<std::vector<std::string>>();
  choice.before_user_edit = [this, was] {
    was->clear();
    for (const TypedField& t : typed_fields_) was->push_back(t.field->value());
  };
  choice.on_user_edit = [this, was, &chosen](const std::string& before) {
    fields_stepped_ = true;
    std::vector<std::pair<const TypedField*, std::string>> changes{{&chosen, before}};
    for (std::size_t i = 0; i < was->size() && i < typed_fields_.size(); ++i)
      if (&typed_fields_[i] != &chosen && typed_fields_[i].field->value() != (*was)[i])
        changes.emplace_back(&typed_fields_[i], (*was)[i]);
    history_.chose(changes);
  };
}

void Application::undo() {
  turn_history(&UndoHistory::undo, "Visszavonva: ");
}

void Application::redo() {
  turn_history(&UndoHistory::redo, "Újra elvégezve: ");
}

void Application::undo_in(const controls::Form& dialog) {
  history_.drop_stale_typing();
  if (history_.undo_is_from(dialog)) return undo();
  tell(std::string(kNothingToUndoHere));
}

void Application::redo_in(const controls::Form& dialog) {
  history_.drop_stale_typing();
  if (history_.redo_is_from(dialog)) return redo();
  tell(std::string(kNothingToRedoHere));
}

void Application::turn_history(bool (UndoHistory::*turn)(), std::string_view done) {
  fields_stepped_ = true;
  history_.drop_stale_typing();
  std::string label = turn == &UndoHistory::undo ? history_.undo_label() : history_.redo_label();
  std::array editors{&hooks_.room, &hooks_.monster, &hooks_.item};
  // A panel whose edits are not stored keeps them: the builder's typing is not this step.
  std::array<bool, 3> kept{};
  for (std::size_t i = 0; i < editors.size(); ++i)
    kept[i] = editors[i]->pending_edits && editors[i]->pending_edits();
  if (!(history_.*turn)()) return;
  // Typed text is the builder's own: only a typing step changes it, never a reload.
  std::vector<std::string> turned;
  std::vector<std::string> turned_records;
  for (const TypedField& t : typed_fields_) {
    turned.push_back(t.field->value());
    turned_records.push_back(t.record ? t.record() : "");
  }
  for (const WorkPart& part : history_.turned_parts()) {
    if (part.target != Change::Target::record) continue;
    EditorHooks* editor = part.kind == RecordKind::room      ? &hooks_.room
                          : part.kind == RecordKind::monster ? &hooks_.monster
                                                             : &hooks_.item;
    if (editor->follow_choice) editor->follow_choice(part.name);
  }
  for (std::size_t i = 0; i < editors.size(); ++i)
    if (!kept[i]) run_if_set(editors[i]->reload);
  for (std::size_t i = 0; i < typed_fields_.size(); ++i) {
    const TypedField& t = typed_fields_[i];
    // A working copy goes back only into the record it was taken from.
    if (t.held && (t.record ? t.record() : "") != turned_records[i]) continue;
    t.field->set_value(turned[i]);
  }
  if (creator_data_.form.visible()) creator_data_.open();
  tell(std::string(done) + label);
  show_history_entries();
}

void Application::show_history_entries() {
  history_.drop_stale_typing();
  auto caption = [](std::string_view base, const std::string& label) {
    return label.empty() ? std::string(base) : std::string(base) + ": " + label;
  };
  menu_bar_.set_entry("Visszavons1", caption(kUndoCaption, history_.undo_label()),
                      history_.can_undo());
  menu_bar_.set_entry("jra1", caption(kRedoCaption, history_.redo_label()), history_.can_redo());
}

void Application::debug(const std::string& text) {
  ++messages_shown_;
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
  work_file_.clear();
  load_messages_.clear();
  form1_.set_caption(std::string(kAppCaption));
  remember_saved_state();
  tell(std::string(kLineNewWork));
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
  std::error_code error;
  work_file_ = result.opened ? std::filesystem::absolute(path, error) : std::filesystem::path();
  for (EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item})
    run_if_set(e->fill_filename_choices);
  remember_saved_state();
  // The file on disk still holds what the work lacks, so the work is not what was saved.
  lacks_from_file_ = !result.complete && result.opened;
  load_messages_ = result.messages;
  for (const std::string& message : result.messages) debug(message);
  // A work read in part still comes from its file; one that could not be opened does not.
  if (result.opened) {
    if (error) work_file_ = path;
    tell(loaded_line(work_file_, work_, result.complete));
  }
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
  // The save's own pass gives the digest of what the file now holds.
  WorkDigest written;
  workfile::SaveResult result = workfile::savetamo(work_, folder, &written);
  if (result.saved) remember_saved_state(written);
  closeallotherforms();
  if (result.message) debug(*result.message);
  if (!result.saved) return false;
  saved_path_ = result.path;
  // The file now holds the work as it is: what the load skipped is no longer in it.
  load_messages_.clear();
  std::error_code error;
  work_file_ = std::filesystem::absolute(result.path, error);
  if (error) work_file_ = result.path;
  tell(saved_line(work_file_));
  form1_.set_caption(work_.project + " - " + std::string(kAppCaption));
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
  UndoStep step(history_, "mentés másként");
  std::string previous = work_.project;
  set_creator(work_, name, work_.name, work_.mail);
  if (save_into(chosen->parent_path()))
    debug(std::string(kMsgSaved));
  else
    set_creator(work_, previous, work_.name, work_.mail);
}

// A work without records is not saved on the way out; if it holds anything unsaved (a
// description, creator data) the user is asked first, as before any other loss.
void Application::Kilps1Click() {
  // Saving stores no panel's pending edits: the builder is asked before they go; the save
  // below follows either answer but "Mégse".
  if (pending_edits() && platform_.unsaved.ask(std::string(kMsgUnsaved)) == UnsavedAnswer::cancel)
    return;
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

void Application::quit() {
  if (!may_discard_work()) return;
  closeallotherforms();
  finished_ = true;
}

bool Application::FormCloseQuery() {
  return may_discard_work();
}

bool Application::pending_edits() const {
  for (const EditorHooks* e : {&hooks_.room, &hooks_.monster, &hooks_.item})
    if (e->pending_edits && e->pending_edits()) return true;
  return false;
}

// Typing a panel has not stored is lost as surely as an unsaved work, so it is asked about too.
bool Application::may_discard_work() {
  if (!work_changed() && !pending_edits()) return true;
  return ask_about_unsaved_work();
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

bool Application::work_changed() const {
  return lacks_from_file_ || clean_point_.changed(work_);
}

void Application::remember_saved_state() {
  lacks_from_file_ = false;
  clean_point_.mark_watched(work_);
}

void Application::remember_saved_state(const WorkDigest& written) {
  lacks_from_file_ = false;
  clean_point_.mark(work_, written);
}

void Application::show_panel(std::string_view name, const controls::Control* focus_target) {
  forms_.get(name).show();
  if (focus_target) focus_.set(focus_target);
}

void Application::Szoba1Click() {
  show_room_panel();
}

void Application::llny1Click() {
  show_creature_panel();
}

void Application::Trgy1Click() {
  show_item_panel();
}

void Application::show_room_panel() {
  // A half-typed room stays; only a panel with nothing pending starts afresh.
  if (!(hooks_.room.pending_edits && hooks_.room.pending_edits())) run_if_set(hooks_.room.init);
  show_panel("room", hooks_.room.filename);
}

void Application::show_creature_panel() {
  forms_.get("room").hide();
  show_panel("monster", hooks_.monster.filename);
}

void Application::show_item_panel() {
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
  open_creator_data();
}

void Application::open_creator_data() {
  creator_data_.open();
}

void Application::Nvjegy1Click() {
  about_.form.show();
}

}  // namespace tamo::app
