#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/workbench.h"
#include "app_fixture.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::app::testing {

// Two rooms joined by exits, each holding an ork, and the creator data: a work whose every
// change the history should take back.
class UndoTest : public ::testing::Test {
 protected:
  UndoTest() {
    folder = std::filesystem::temp_directory_path() /
             ("tamo_undo_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    app.set_work_folder(folder);
    app.start();
    Work& w = bench.work();
    droom* kapu = setup_room(w, "kapu");
    kapu->short_ = "A kapu elott";
    kapu->long_ = "Egy magas fal.";
    add_mixed(kapu->exits, "kelet", "udvar");
    add_mixed(kapu->contents, "ork", "1");
    droom* udvar = setup_room(w, "udvar");
    udvar->short_ = "Az udvaron";
    udvar->long_ = "Tagas udvar.";
    add_mixed(udvar->exits, "nyugat", "kapu");
    add_mixed(udvar->contents, "ork", "1");
    dmons* ork = setup_mons(w, "ork");
    ork->name = "Ork";
    w.current_room = w.rooms.head();
    set_creator(w, "falu", "Bela", "bela@example.org");
    bench.room_editor().fill_filename_choices();
    bench.monster_editor().fill_filename_choices();
  }
  ~UndoTest() override { std::filesystem::remove_all(folder); }

  std::vector<std::string> lines() { return workfile::work_lines(bench.work()); }
  void event(const std::function<void()>& handler) { app.run_event(handler); }
  void choose(std::string_view entry) {
    event([&] { app.menu_bar().choose(entry); });
  }
  const MenuItem& undo_entry() { return app.menu_bar().item("Visszavons1"); }
  const MenuItem& redo_entry() { return app.menu_bar().item("jra1"); }

  void open_room(const std::string& name) {
    event([&] {
      app.Szoba1Click();
      bench.room_editor().filename.user_set_text(name);
    });
  }

  std::filesystem::path folder;
  ScriptedPlatform platform;
  Workbench bench{platform.ports()};
  Application& app = bench.app();
};

}  // namespace tamo::app::testing
