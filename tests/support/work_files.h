#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/work.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::testing {

// A small work every editor accepts: two rooms joined east-west with a creature carrying a
// ring, and a key for the door between them.
inline Work clean_work() {
  Work w;
  setup_data(w).project = "pelda";
  setup_data(w).name = "epito";
  setup_data(w).mail = "epito@example.com";
  droom* kapu = setup_room(w, "kapu");
  kapu->short_ = "A kapu elott";
  kapu->long_ = "Egy magas fal elott allsz.";
  add_mixed(kapu->exits, "kelet", "udvar");
  add_mixed(kapu->doors, "kelet", "vaskapu");
  add_mixed(kapu->keys, "kelet", "kulcs");
  add_mixed(kapu->contents, "ork", "1");
  add_mixed(kapu->guard, "guardname", "ork");
  add_mixed(kapu->guard, "guardspeech", "Megallj!");
  add_mixed(kapu->guard, "kelet", "guarddir");
  droom* udvar = setup_room(w, "udvar");
  udvar->short_ = "Az udvaron";
  udvar->long_ = "Tagas udvar.";
  add_mixed(udvar->exits, "nyugat", "kapu");
  dmons* ork = setup_mons(w, "ork");
  ork->name = "Ork";
  ork->short_ = "Egy ork";
  ork->long_ = "Zold es buta.";
  ork->race = "ork";
  ork->gender = "ferfi";
  ork->class1 = "harcos";
  ork->level = "5";
  ork->alignment = "-300";
  ork->money = "12";
  add_mixed(ork->equipment, "gyuru", "1");
  ditem* gyuru = setup_item(w, "gyuru");
  gyuru->name = "gyuru";
  gyuru->short_ = "egy gyuru";
  gyuru->long_ = "Egy vekony gyuru.";
  gyuru->minlevel = "0";
  gyuru->rarity = "0";
  gyuru->weight = "5";
  gyuru->value = "500";
  gyuru->itemtype = "gyuru";
  gyuru->is_weapon = "0";
  gyuru->invisitem = "0";
  gyuru->two_handed = "0";
  gyuru->ac = "1";
  ditem* kulcs = setup_item(w, "kulcs");
  kulcs->name = "kulcs";
  kulcs->short_ = "egy kulcs";
  kulcs->long_ = "Egy nagy kulcs.";
  kulcs->minlevel = "0";
  kulcs->rarity = "0";
  kulcs->weight = "1";
  kulcs->value = "10";
  kulcs->is_weapon = "5";
  kulcs->invisitem = "0";
  kulcs->two_handed = "0";
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
    folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
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
