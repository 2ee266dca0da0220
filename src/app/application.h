#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/about_box.h"
#include "app/clean_point.h"
#include "app/creator_data.h"
#include "app/description.h"
#include "app/form_registry.h"
#include "app/hooks.h"
#include "app/menu.h"
#include "app/platform.h"
#include "app/status_line.h"
#include "app/undo_history.h"
#include "controls/control.h"
#include "controls/form.h"
#include "editors/common/host.h"
#include "model/work.h"

namespace tamo::app {

inline constexpr std::string_view kAppCaption = "Tamo";
inline constexpr std::string_view kMsgSaved = "A mentés befejeződött.";
inline constexpr std::string_view kMsgUnsaved =
    "A munkában mentetlen változások vannak. Elmented, mielőtt továbblépsz?";
inline constexpr std::string_view kAnswerSave = "Mentés";
inline constexpr std::string_view kAnswerDiscard = "Elvetés";
inline constexpr std::string_view kAnswerCancel = "Mégse";
inline constexpr std::string_view kOpenFilter = "Tamo fájlok (*.tamo)";
inline constexpr std::string_view kOpenPattern = "*.tam*";
inline constexpr std::string_view kSavePattern = "*.tamo";
inline constexpr std::string_view kAnswerYes = "Igen";
inline constexpr std::string_view kAnswerNo = "Nem";
inline constexpr std::string_view kNothingToUndoHere = "Ebben az ablakban nincs mit visszavonni.";
inline constexpr std::string_view kNothingToRedoHere =
    "Ebben az ablakban nincs mit újra elvégezni.";

// The headless program: the one work, the main window with its menu and panels, the side
// dialogs, and every menu command. Build it, wire the editors in (install_form, hooks),
// then start(); every user event then enters through run_event.
class Application : public editors::EditorHost {
 public:
  explicit Application(Platform platform);
  ~Application() override;

  // The main window's creation handler, then the main window is shown.
  void start();
  // Runs one user event to completion; an error escaping it ends it and becomes a message.
  void run_event(const std::function<void()>& handler);

  // EditorHost
  Work& work() override { return work_; }
  void debug(const std::string& text) override;
  void closeallotherforms() override;
  void set_main_enabled(bool enabled) override;
  controls::Focus& focus() override { return focus_; }

  // Menu commands.
  void j1Click();
  void Betlts1Click();
  void Ments1Click();
  // "Mentés másként…": the chosen file's name becomes the work name.
  void Mentsmsknt1Click();
  void Kilps1Click();
  void Szoba1Click();
  void llny1Click();
  void Trgy1Click();
  void Lers1Click();
  void Teszt1Click();
  void Kszt1Click();
  void Nvjegy1Click();
  // "Visszavonás" and "Újra": the last action taken back or done again; the panels that
  // held no edits of their own show the record as it now is.
  void undo();
  void redo();
  // The keys of undo and redo in an open dialog: only steps taken in that dialog turn there.
  void undo_in(const controls::Form& dialog);
  void redo_in(const controls::Form& dialog);
  // Every press of `button` is one action of the history, named `label`.
  void name_step(controls::Button& button, std::string label);
  // The builder's typing into `field` is a step of the history, named `label`; `record`
  // names the record its panel shows. Undo and redo of other steps leave its text as the
  // builder left it.
  void record_typing(controls::Edit& field, std::string label,
                     std::function<std::string()> record = {},
                     const controls::Form* dialog = nullptr);
  // What the buttons of an open dialog change in `value` joins the step of their event:
  // a panel's working copy (no `dialog`), or the rows a dialog shows while it is open.
  void record_held(controls::UserValue& value, std::string label,
                   std::function<std::string()> record, const controls::Form* dialog = nullptr);
  // The builder's change of `choice` is a step of the history, named `label`, as typing is;
  // register choices before the fields their handlers change.
  void record_choice(controls::UserValue& choice, std::string label,
                     std::function<std::string()> record = {});
  // The panels the edit menu brings to the front, and the creator data of "Beállítások >
  // Munka", for callers other than the menu.
  void show_room_panel();
  void show_creature_panel();
  void show_item_panel();
  void open_creator_data();
  // "Kilépés": ends the program after the same unsaved-work question as the close box.
  void quit();

  // The main window's close box: false when the user chose to stay.
  bool FormCloseQuery();
  // "Mentés" without its closing message: writes the work file and shows a refusal or
  // failure itself. True when the file was written.
  bool save_work() { return save(); }
  // Opens a work as "Betöltés" does after its file was chosen.
  void open_work(const std::filesystem::path& path);
  // Empties the work and resets the editors and panels.
  void initeverything();

  // Whether the last load read its file whole.
  bool load_complete() const { return load_complete_; }
  // What the last load showed, until the work is saved or replaced.
  const std::vector<std::string>& load_messages() const { return load_messages_; }
  // The file the last successful save wrote.
  const std::filesystem::path& saved_path() const { return saved_path_; }
  // The file the work was loaded from or last saved to, in full; empty for a new work.
  const std::filesystem::path& work_file() const { return work_file_; }
  // What the last user event achieved, in one line.
  const StatusLine& status() const { return status_; }
  void tell(std::string line) { status_.tell(std::move(line)); }
  // After `button` ran its handler without showing a message, tells what `line` says it
  // achieved (nothing when it returns nothing).
  void announce(controls::Button& button, std::function<std::optional<std::string>()> line);
  // Where "Mentés" writes: beside the work's file, or for a new work in the work folder.
  std::filesystem::path save_folder() const;
  // Where "Mentés" writes, as the window shows it.
  std::string save_place() const;

  // True once the program should end ("Ment és kilép").
  bool finished() const { return finished_; }
  // True when the work differs from what was last started, loaded or saved, or when its
  // load was not whole and it was not saved since.
  bool work_changed() const;
  // True when a panel holds edits its "Kész" has not stored.
  bool pending_edits() const;

  controls::Form& main_window() { return form1_; }
  FormRegistry& forms() { return forms_; }
  const FormRegistry& forms() const { return forms_; }
  controls::Form& form(std::string_view name) const { return forms_.get(name); }
  void install_form(controls::Form& form) { forms_.install(form); }
  Hooks& hooks() { return hooks_; }
  MenuBar& menu_bar() { return menu_bar_; }
  const std::vector<Menu>& menus() const { return menu_bar_.menus(); }

  // The fields whose typing the history keeps, in the order they were named.
  const std::deque<TypedField>& typed_fields() const { return typed_fields_; }
  UndoHistory& history() { return history_; }
  const UndoHistory& history() const { return history_; }

  CreatorDataDialog& creator_data() { return creator_data_; }
  DescriptionPanel& description() { return description_; }
  AboutBox& about() { return about_; }

  // Where a new work's file is written; the current directory unless set.
  void set_work_folder(std::filesystem::path folder) { work_folder_ = std::move(folder); }
  // Every later save goes into this folder, wherever the work came from (tamo-cli --out).
  void set_save_folder(std::filesystem::path folder) { save_folder_ = std::move(folder); }

 private:
  void show_panel(std::string_view name, const controls::Control* focus_target);
  // Writes the work file; shows a refusal or failure itself. True when the file was written.
  bool save() { return save_into(save_folder()); }
  bool save_into(const std::filesystem::path& folder);
  // Asks before replacing a file the work did not come from, or its own file when the load
  // was not whole; true when the save may go on.
  bool may_replace(const std::filesystem::path& target);
  // Asks about unsaved work; true when the caller may go on.
  bool may_discard_work();
  bool ask_about_unsaved_work();
  void load(const std::filesystem::path& path);
  void remember_saved_state();
  void remember_saved_state(const WorkDigest& written);
  void register_forms();
  // What the fields an open dialog may change hold before an event, to find what it changed.
  struct HeldBefore {
    const TypedField* field;
    std::string value;
    std::string record;
    bool live;
  };
  std::vector<HeldBefore> held_before() const;
  void keep_held_changes(const std::vector<HeldBefore>& before);
  // Undo or redo through `turn`, then the panels and the menu follow.
  void turn_history(bool (UndoHistory::*turn)(), std::string_view done);
  // The two history entries name what they would do, and are off when there is nothing.
  void show_history_entries();
  void build_menus();

  Platform platform_;
  Work work_;
  UndoHistory history_{work_};
  controls::Focus focus_;
  Hooks hooks_;
  FormRegistry forms_;
  controls::Form form1_{"Form1", std::string(kAppCaption)};
  CreatorDataDialog creator_data_{work_};
  DescriptionPanel description_{work_};
  AboutBox about_;
  std::filesystem::path work_folder_;
  CleanPoint clean_point_;  // the last start, save or load
  std::filesystem::path save_folder_;
  std::filesystem::path work_file_;
  bool load_complete_ = false;
  std::vector<std::string> load_messages_;
  bool lacks_from_file_ = false;  // loaded not whole, and not saved since
  std::filesystem::path saved_path_;
  StatusLine status_;
  std::uint64_t messages_shown_ = 0;
  bool finished_ = false;

  MenuBar menu_bar_;
  std::deque<TypedField> typed_fields_;  // the history points at them: they never move
  bool typed_ = false;                   // the running event typed into one of them
  bool fields_stepped_ = false;  // the running event made its own step of fields (or turned one)
};

}  // namespace tamo::app
