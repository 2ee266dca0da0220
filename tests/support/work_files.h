#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/storing.h"
#include "model/work.h"
#include "temp_folder.h"
#include "work_builder.h"
#include "workfile/workfile.h"

namespace tamo::testing {

// The creature of the small works below: an ork every editor accepts.
inline CreatureTexts ork_texts() {
  return {.name = "Ork",
          .short_ = "Egy ork",
          .long_ = "Zold es buta.",
          .race = "ork",
          .alignment = "-300",
          .money = "12"};
}

// A small work every editor accepts: two rooms joined east-west with a creature carrying a
// ring, and a key for the door between them.
inline Work clean_work() {
  Work w;
  set_creator(w, "pelda", "epito", "epito@example.com");
  droom* kapu = setup_room(w, "kapu", "A kapu elott", "Egy magas fal elott allsz.");
  add_mixed(kapu->exits, "kelet", "udvar");
  add_mixed(kapu->doors, "kelet", "vaskapu");
  add_mixed(kapu->keys, "kelet", "kulcs");
  add_mixed(kapu->contents, "ork", "1");
  add_mixed(kapu->guard, "guardname", "ork");
  add_mixed(kapu->guard, "guardspeech", "Megallj!");
  add_mixed(kapu->guard, "kelet", "guarddir");
  droom* udvar = setup_room(w, "udvar", "Az udvaron", "Tagas udvar.");
  add_mixed(udvar->exits, "nyugat", "kapu");
  dmons* ork = setup_mons(w, "ork", ork_texts());
  add_mixed(ork->equipment, "gyuru", "1");
  ditem* gyuru = setup_item(w, "gyuru",
                            {.name = "gyuru",
                             .short_ = "egy gyuru",
                             .long_ = "Egy vekony gyuru.",
                             .weight = "5",
                             .value = "500",
                             .itemtype = "gyuru"});
  gyuru->ac = "1";
  setup_item(
      w, "kulcs",
      {.name = "kulcs", .short_ = "egy kulcs", .long_ = "Egy nagy kulcs.", .is_weapon = "5"});
  w.current_room = kapu;
  return w;
}

// A fresh folder of the running test, removed afterwards.
class WorkFileTest : public ::testing::Test {
 protected:
  WorkFileTest() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "tamo_" + std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name)
      if (c == '/') c = '_';  // parameterised tests carry their instance in their names
    folder = fresh_temp_folder(name);
  }
  ~WorkFileTest() override { std::filesystem::remove_all(folder); }

  std::filesystem::path write_bytes(const std::string& name, const std::string& bytes) {
    std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // The work as the writer saves it.
  std::filesystem::path write_work(const Work& work, const std::string& name = "w.tamo") {
    return write_bytes(name, workfile::encode_lines(workfile::work_lines(work)));
  }

  std::filesystem::path folder;
};

}  // namespace tamo::testing
