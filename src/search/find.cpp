#include "search/find.h"

#include <string_view>

namespace tamo::search {

namespace {

// The dialogs holding a record's lists.
constexpr const char* kThingsDialog = "Form4";
constexpr const char* kCreatureIdsDialog = "Form8";
constexpr const char* kSpeechDialog = "Form9";
constexpr const char* kEmotesDialog = "Form10";
constexpr const char* kItemIdsDialog = "Form12";
constexpr const char* kGuardsDialog = "Form18";
constexpr std::string_view kGuardSpeech = "guardspeech";

class Finder {
 public:
  Finder(const TextMatch& match, std::size_t limit) : match_(match), limit_(limit) {}

  void record(Kind kind, const Text& name) {
    kind_ = kind;
    name_ = &name;
  }
  // A long text shows the line that matched, each line on its own.
  void text(const char* field, std::string_view text, const char* form = "") {
    if (text.empty() || !match_.matches(text)) return;
    for (std::size_t start = 0;;) {
      std::size_t end = text.find("\r\n", start);
      std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
      // A text of one line is the line that matched.
      bool whole = start == 0 && end == std::string_view::npos;
      if (!line.empty() && (whole || match_.matches(line))) {
        ++found_.count[static_cast<std::size_t>(kind_)];
        if (found_.hits.size() < limit_)
          found_.hits.push_back({kind_, *name_, field, excerpt(line, match_, kShownText), form});
      }
      if (end == std::string_view::npos) break;
      start = end + 2;
    }
  }
  void keys(const char* field, const MixedList& list, const char* form) {
    for (const dmixed& e : list) text(field, e.key, form);
  }
  void values(const char* field, const MixedList& list, const char* form) {
    for (const dmixed& e : list) text(field, e.value, form);
  }
  Found take() { return std::move(found_); }

 private:
  const TextMatch& match_;
  std::size_t limit_;
  Kind kind_ = Kind::room;
  const Text* name_ = nullptr;
  Found found_;
};

void room_texts(Finder& f, const droom& r) {
  f.record(Kind::room, r.filename);
  f.text("fájlnév", r.filename);
  f.text("rövid leírás", r.short_);
  f.text("hosszú leírás", r.long_);
  f.text("alapszag", r.smelldefault);
  f.text("háttérzaj", r.listendefault);
  f.keys("tárgy neve", r.items, kThingsDialog);
  f.values("nézve", r.items, kThingsDialog);
  f.values("szagolva", r.smell, kThingsDialog);
  f.values("hallgatva", r.listen, kThingsDialog);
  f.values("keresve", r.search, kThingsDialog);
  for (const dmixed& e : r.guard)
    if (e.key == kGuardSpeech) f.text("az őr szövege", e.value, kGuardsDialog);
}

void creature_texts(Finder& f, const dmons& m) {
  f.record(Kind::creature, m.filename);
  f.text("fájlnév", m.filename);
  f.text("név", m.name);
  f.text("rövid leírás", m.short_);
  f.text("hosszú leírás", m.long_);
  f.keys("azonosító", m.ids, kCreatureIdsDialog);
  f.keys("beszéd", m.speech, kSpeechDialog);
  f.keys("cselekvés", m.emote, kEmotesDialog);
}

void item_texts(Finder& f, const ditem& i) {
  f.record(Kind::item, i.filename);
  f.text("fájlnév", i.filename);
  f.text("név", i.name);
  f.text("rövid leírás", i.short_);
  f.text("hosszú leírás", i.long_);
  f.keys("azonosító", i.ids, kItemIdsDialog);
  f.text("amit nekem ír", i.my_mess);
  f.text("amit a többieknek ír", i.your_mess);
}

}  // namespace

Found find_in_work(const Work& work, const TextMatch& match, std::size_t limit) {
  if (match.empty()) return {};
  Finder f(match, limit);
  for (const droom& r : work.rooms) room_texts(f, r);
  for (const dmons& m : work.monsters) creature_texts(f, m);
  for (const ditem& i : work.items) item_texts(f, i);
  return f.take();
}

}  // namespace tamo::search
