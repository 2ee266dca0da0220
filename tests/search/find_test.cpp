#include "search/find.h"

#include <gtest/gtest.h>

#include <array>

#include "work_setup.h"

namespace tamo::search {
namespace {

// A small area written with accents and capitals, as builders write.
Work accented_work() {
  Work w;
  droom* kapu = setup_room(w, "kapu");
  kapu->short_ = "A Kárd-kapu előtt";
  kapu->long_ = "Magas fal.\r\nEgy régi kard lóg rajta.\r\nCsend.";
  add_mixed(kapu->items, "pajzs", "Egy KARD van rajta festve.");
  droom* pince = setup_room(w, "pince");
  pince->short_ = "A pincében";
  pince->long_ = "Sötét.";
  dmons* ork = setup_mons(w, "ork");
  ork->name = "Őrült ork";
  ork->short_ = "Egy ork";
  add_mixed(ork->ids, "kardos", "kardos");
  add_mixed(ork->speech, "Add a kardod!", "0");
  ditem* kard = setup_item(w, "kard");
  kard->name = "kard";
  kard->short_ = "egy kard";
  add_mixed(kard->ids, "penge", "penge");
  return w;
}

std::string kind_name(Kind kind) {
  switch (kind) {
    case Kind::room:
      return "szoba";
    case Kind::creature:
      return "élőlény";
    case Kind::item:
      return "tárgy";
  }
  return {};
}

std::vector<std::string> shown(const std::vector<Hit>& hits) {
  std::vector<std::string> out;
  for (const Hit& h : hits)
    out.push_back(kind_name(h.kind) + " " + h.name + " | " + h.field + " | " + h.text + " | " +
                  h.form);
  return out;
}

std::vector<std::string> found(const Work& work, const char* typed, std::size_t limit = 100) {
  return shown(find_in_work(work, TextMatch(typed), limit).hits);
}

TEST(FindInWork, PlainTypingFindsEveryTextOfEveryKindInWorkOrder) {
  EXPECT_EQ(found(accented_work(), "kard"),
            (std::vector<std::string>{
                "szoba kapu | rövid leírás | A Kárd-kapu előtt | ",
                "szoba kapu | hosszú leírás | Egy régi kard lóg rajta. | ",
                "szoba kapu | nézve | Egy KARD van rajta festve. | Form4",
                "élőlény ork | azonosító | kardos | Form8",
                "élőlény ork | beszéd | Add a kardod! | Form9",
                "tárgy kard | fájlnév | kard | ",
                "tárgy kard | név | kard | ",
                "tárgy kard | rövid leírás | egy kard | ",
            }));
}

TEST(FindInWork, AccentsOrCapitalsTypedFindOnlyThatSpelling) {
  EXPECT_EQ(found(accented_work(), "Kárd"),
            std::vector<std::string>{"szoba kapu | rövid leírás | A Kárd-kapu előtt | "});
  EXPECT_EQ(found(accented_work(), "Őr"),
            std::vector<std::string>{"élőlény ork | név | Őrült ork | "});
  EXPECT_EQ(found(accented_work(), "ő"),
            std::vector<std::string>{"szoba kapu | rövid leírás | A Kárd-kapu előtt | "});
  EXPECT_EQ(found(accented_work(), "KARD"),
            std::vector<std::string>{"szoba kapu | nézve | Egy KARD van rajta festve. | Form4"});
}

// Each text a builder writes is found, and points at the dialog that holds it.
TEST(FindInWork, EveryWrittenTextIsFoundWithItsDialog) {
  Work w;
  droom* r = setup_room(w, "terem");
  r->smelldefault = "dohszag";
  r->listendefault = "csepeges";
  add_mixed(r->items, "lada", "Egy fa doboz.");
  add_mixed(r->smell, "lada", "Penesz.");
  add_mixed(r->listen, "lada", "Kopog.");
  add_mixed(r->search, "lada", "Egy kulcs.");
  add_mixed(r->guard, "guardname", "or");
  add_mixed(r->guard, "guardspeech", "Megallj!");
  dmons* m = setup_mons(w, "or");
  m->long_ = "Magas.\r\nMogorva.";
  add_mixed(m->emote, "Morog.", "0");
  ditem* i = setup_item(w, "sor");
  i->my_mess = "Megiszod.";
  i->your_mess = "Megissza.";
  struct Case {
    const char* typed;
    std::string hit;
  };
  for (const Case& c : {
           Case{"dohszag", "szoba terem | alapszag | dohszag | "},
           Case{"csepeges", "szoba terem | háttérzaj | csepeges | "},
           Case{"lada", "szoba terem | tárgy neve | lada | Form4"},
           Case{"doboz", "szoba terem | nézve | Egy fa doboz. | Form4"},
           Case{"penesz", "szoba terem | szagolva | Penesz. | Form4"},
           Case{"kopog", "szoba terem | hallgatva | Kopog. | Form4"},
           Case{"kulcs", "szoba terem | keresve | Egy kulcs. | Form4"},
           Case{"megallj", "szoba terem | az őr szövege | Megallj! | Form18"},
           Case{"mogorva", "élőlény or | hosszú leírás | Mogorva. | "},
           Case{"morog", "élőlény or | cselekvés | Morog. | Form10"},
           Case{"megiszod", "tárgy sor | amit nekem ír | Megiszod. | "},
           Case{"megissza", "tárgy sor | amit a többieknek ír | Megissza. | "},
       })
    EXPECT_EQ(found(w, c.typed), std::vector<std::string>{c.hit}) << c.typed;
  // The guard's name is a reference, not a text the builder wrote.
  EXPECT_EQ(found(w, "guard"), std::vector<std::string>{});
}

TEST(FindInWork, FileNamesAndIdsAreFoundToo) {
  EXPECT_EQ(found(accented_work(), "pince"),
            (std::vector<std::string>{"szoba pince | fájlnév | pince | ",
                                      "szoba pince | rövid leírás | A pincében | "}));
  EXPECT_EQ(found(accented_work(), "penge"),
            std::vector<std::string>{"tárgy kard | azonosító | penge | Form12"});
}

TEST(FindInWork, NothingTypedFindsNothingAndTheLimitKeepsTheCounts) {
  EXPECT_TRUE(found(accented_work(), "").empty());
  EXPECT_TRUE(found(accented_work(), "sarkany").empty());
  Found first = find_in_work(accented_work(), TextMatch("kard"), 3);
  EXPECT_EQ(first.hits.size(), 3u);
  EXPECT_EQ(first.count, (std::array<std::size_t, 3>{3, 2, 3}));
  EXPECT_EQ(first.total(), 8u);
}

// A huge line shows the part around the match, cut between letters.
TEST(FindInWork, ALongLineShowsAroundTheMatch) {
  Work w;
  droom* r = setup_room(w, "mezo");
  r->long_ = std::string(1000, 'x') + "ő Kard " + std::string(1000, 'y') + "\r\nKard";
  std::vector<Hit> hits = find_in_work(w, TextMatch("kard"), 10).hits;
  ASSERT_EQ(hits.size(), 2u);
  const std::string& shown = hits[0].text;
  EXPECT_LE(shown.size(), kShownText + 2 * std::string("…").size());
  EXPECT_TRUE(shown.starts_with("…x")) << shown;
  EXPECT_TRUE(shown.ends_with("y…")) << shown;
  EXPECT_NE(shown.find("ő Kard"), std::string::npos) << shown;
  EXPECT_EQ(hits[1].text, "Kard");
}

}  // namespace
}  // namespace tamo::search
