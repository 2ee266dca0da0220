#include <string>

#include "model/numbers.h"
#include "testconsole/console.h"
#include "testconsole/tables.h"

namespace tamo::testconsole {

namespace {

std::string exit_sentence(const MixedList& exits) {
  if (exits.empty()) return "Nem latsz kijaratot.";
  std::string sentence = szamtoiras(static_cast<std::int64_t>(exits.size())) + " kijaratot latsz: ";
  for (std::size_t i = 0; i < exits.size(); ++i) {
    if (i > 0) sentence += i + 1 == exits.size() ? " es " : ", ";
    sentence += exits[i].key;
  }
  return sentence + ".";
}

// Only the exact text "1" goes without a number word; "01" still reads "Egy ".
std::string counted(const std::string& count, const std::string& short_) {
  if (count == "1") return short_;
  return szamtoiras(str2int(count)) + " " + short_;
}

}  // namespace

void Console::describe_current_room() {
  const droom* room = work_.current_room;
  if (room == nullptr) return;
  output_.add_text(room->filename, kSilver);
  output_.add_text(room->short_, kBrightBlue);
  output_.add_text(room->long_, kSilver);
  output_.add_text(room->smelldefault, kOlive);
  output_.add_text(room->listendefault, kTeal);
  output_.add_text("", kSilver);
  output_.add_text(exit_sentence(room->exits), kGreen);
  for (const dmixed& entry : room->contents) {
    for (const dmons* creature : work_.monsters.all_named(entry.key))
      output_.add_text(counted(entry.value, creature->short_), kBrightRed);
    for (const ditem* item : work_.items.all_named(entry.key))
      output_.add_text(counted(entry.value, item->short_), kBrightRed);
  }
  output_.add_text("", kSilver);
  host_.focus_input();
}

}  // namespace tamo::testconsole
