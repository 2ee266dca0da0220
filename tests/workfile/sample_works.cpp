#include "sample_works.h"

#include <gtest/gtest.h>

#include <iterator>

#include "model/storing.h"
#include "work_builder.h"

namespace tamo::workfile::testing {

Work pelda_work() {
  Work work;
  set_creator(work, "pelda", "valaki", "valaki@example.com");
  droom* room = setup_room(work, "kapu1", "A kapu elott",
                           "Egy magas fal elott allsz.\r\nDelre egy kapu vezet.");
  add_mixed(room->items, "kapu", "Nagy vaskapu.");
  work.current_room = room;
  ditem* item = setup_item(work, "kard1",
                           {.name = "kard",
                            .short_ = "egy rovid kard",
                            .long_ = "Egy egyszeru rovid kard.",
                            .minlevel = "1",
                            .rarity = "10",
                            .weight = "150",
                            .value = "20",
                            .itemtype = "vago",
                            .is_weapon = "1"});
  item->wc1 = "1";
  item->wc2 = "6";
  return work;
}

std::string pelda_bytes() {
  return "CREATORPROJECT\r\npelda\r\nCREATORNAME\r\nvalaki\r\nCREATORMAIL\r\nvalaki@example.com\r\n"
         "ROOMBEGIN\r\nROOMFILENAME\r\nkapu1\r\nROOMSHORT\r\nA kapu elott\r\n"
         "ROOMLONG\r\nEgy magas fal elott allsz.\r\nDelre egy kapu vezet.\r\nROOMLONGEND\r\n"
         "ROOMITEMS\r\nkapu\r\nNagy vaskapu.\r\nMIXEDEND\r\nROOMEND\r\n"
         "ITEMBEGIN\r\nITEMFILENAME\r\nkard1\r\nITEMNAME\r\nkard\r\nITEMSHORT\r\negy rovid kard\r\n"
         "ITEMLONG\r\nEgy egyszeru rovid kard.\r\nITEMLONGEND\r\n"
         "ITEMMINLEVEL\r\n1\r\nITEMRARITY\r\n10\r\nITEMWEIGHT\r\n150\r\nITEMVALUE\r\n20\r\n"
         "ITEMITEMTYPE\r\nvago\r\nITEMIS_WEAPON\r\n1\r\nITEMINVISITEM\r\n0\r\n"
         "ITEMWC1\r\n1\r\nITEMWC2\r\n6\r\nITEMTWO_HANDED\r\n0\r\nITEMEND\r\n";
}

namespace {

// Distinct values, so that a field read into its neighbour shows; the last record's are
// short, as most values in a work are.
void fill(Text& field, const std::string& tag, int n) {
  field = n == 2 ? tag + std::to_string(n) : tag + "-" + std::to_string(n) + " ő";
}
void fill(MixedList& list, const std::string& tag, int n) {
  add_mixed(list, tag + "a", "első " + std::to_string(n));
  add_mixed(list, tag + "b", "MIXEDEND");
  add_mixed(list, "", tag + " üres kulcs");
}

}  // namespace

Work full_work() {
  Work work;
  setup_data(work).project = "nagy_munka-2";
  setup_data(work).name = "Kovács Éva";
  setup_data(work).mail = "eva@example.com";
  setup_data(work).desc = "Első sor: árvíztűrő tükörfúrógép.\r\n\r\nHarmadik sor €.\r\n";
  for (int n = 0; n < 3; ++n) {
    droom* r = setup_room(work, "szoba" + std::to_string(n));
    fill(r->short_, "short", n);
    r->long_ = "Hosszú leírás " + std::to_string(n) + ".\r\nMásodik sor.";
    fill(r->listendefault, "listen", n);
    fill(r->smelldefault, "smell", n);
    int k = 0;
    for (MixedList droom::*l : kRoomLists) fill(r->*l, "l" + std::to_string(k++), n);
    dmons* m = setup_mons(work, "lény" + std::to_string(n));
    for (Text* f : {&m->name, &m->short_, &m->race, &m->gender, &m->class1, &m->class2, &m->class3,
                    &m->level, &m->alignment, &m->aggressive, &m->money, &m->speed, &m->spemspeed})
      fill(*f, "m" + std::to_string(k++), n);
    m->long_ = "Egy ork.";
    for (MixedList dmons::*l : kMonsLists) fill(m->*l, "ml" + std::to_string(k++), n);
    ditem* i = setup_item(work, "tárgy" + std::to_string(n));
    for (Text* f : {&i->name, &i->short_, &i->minlevel, &i->rarity, &i->weight, &i->value,
                    &i->itemtype, &i->is_weapon, &i->invisitem, &i->wc1, &i->wc2, &i->two_handed,
                    &i->my_mess, &i->your_mess, &i->strength})
      fill(*f, "i" + std::to_string(k++), n);
    for (Text* f : bonus_fields(*i)) fill(*f, "b" + std::to_string(k++), n);
    i->long_ = "Kard.\r\n\r\n";
    for (MixedList ditem::*l : kItemLists) fill(i->*l, "il" + std::to_string(k++), n);
  }
  work.current_room = work.rooms.head();
  return work;
}

void expect_same_work(const Work& expected, const Work& actual) {
  EXPECT_EQ(expected.project, actual.project);
  EXPECT_EQ(expected.name, actual.name);
  EXPECT_EQ(expected.mail, actual.mail);
  EXPECT_EQ(expected.desc, actual.desc);
  auto same_list = [](const auto& a, const auto& b) {
    ASSERT_EQ(a.size(), b.size());
    auto it = b.begin();
    for (const auto& record : a) EXPECT_TRUE(record == *it++) << record.filename;
  };
  same_list(expected.rooms, actual.rooms);
  same_list(expected.monsters, actual.monsters);
  same_list(expected.items, actual.items);
  ASSERT_EQ(expected.current_room == nullptr, actual.current_room == nullptr);
  if (expected.current_room) {
    EXPECT_EQ(expected.current_room->filename, actual.current_room->filename);
  }
}

}  // namespace tamo::workfile::testing
