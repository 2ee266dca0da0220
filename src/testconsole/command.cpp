#include <string>

#include "testconsole/console.h"
#include "testconsole/tables.h"

namespace tamo::testconsole {

namespace {

// What Enter reads from the input line: its last line without blanks and control
// characters at either end. A final line break ends the last line; it starts no new one.
std::string_view typed_command(std::string_view input) {
  if (input.ends_with("\r\n"))
    input.remove_suffix(2);
  else if (input.ends_with('\r') || input.ends_with('\n'))
    input.remove_suffix(1);
  std::size_t line_break = input.find_last_of("\r\n");
  if (line_break != std::string_view::npos) input.remove_prefix(line_break + 1);
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!input.empty() && blank(input.front())) input.remove_prefix(1);
  while (!input.empty() && blank(input.back())) input.remove_suffix(1);
  return input;
}

struct VerbPrefix {
  std::string_view prefix;
  std::string_view verb;
};

constexpr VerbPrefix kVerbPrefixes[] = {
    {"n ", "nez"},       {"nez ", "nez"}, {"hallgat ", "hallgat"}, {"szagol ", "szagol"},
    {"keres ", "keres"}, {"ol ", "ol"},   {"sz ", "szerkeszt"},    {"szerkeszt ", "szerkeszt"},
};

constexpr std::string_view kTildes =
    " ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~";

}  // namespace

void Console::enter() {
  host_.show_console();
  describe_current_room();
  host_.focus_input();
}

void Console::show_room(const droom& room) {
  work_.current_room = &room;
  host_.show_console();
  output_.clear();
  describe_current_room();
  host_.focus_input();
}

void Console::command(std::string_view input) {
  std::string command = expand_short_form(typed_command(input));

  if (command == "kik" || command == "kik halhatatlan" || command == "kik wiz") print_who_list();
  if (command == "n" || command == "nez") describe_current_room();
  if (work_.current_room == nullptr) return;
  if (command == "sz" || command == "szerkeszt") {
    open_in_room_editor(*work_.current_room, true);
    describe_current_room();
  }
  if (command == "hallgat") {
    output_.add_text(work_.current_room->listendefault, kTeal);
    output_.add_text("", kSilver);
  }
  if (command == "szagol") {
    output_.add_text(work_.current_room->smelldefault, kOlive);
    output_.add_text("", kSilver);
  }
  // Exit names are unique within a room, so at most one exit matches.
  for (const dmixed& exit : work_.current_room->exits) {
    if (exit.key != command) continue;
    dmixed taken = exit;  // the move replaces the room whose list this is
    move_through(taken.key, taken.value);
    break;
  }
  run_verb(command);
  if (command == "erzes" || command == "beszed") print_creature_lines(command == "beszed");
}

void Console::run_verb(std::string_view command) {
  for (const VerbPrefix& v : kVerbPrefixes) {
    if (!command.starts_with(v.prefix)) continue;
    // The argument is taken as typed after the single blank, a second blank included.
    std::string result = param_fv(v.verb, command.substr(v.prefix.size()));
    if (!result.empty()) {
      output_.add_text(result, kSilver);
      output_.add_text("", kSilver);
    }
    return;
  }
}

void Console::print_creature_lines(bool speech) {
  for (const dmixed& entry : work_.current_room->contents) {
    for (const dmons* creature : work_.monsters.all_named(entry.key)) {
      for (const dmixed& line : speech ? creature->speech : creature->emote) {
        if (speech)
          output_.add_text("%^YELLOW%^" + creature->name + " mondja: %^RESET%^" + line.key,
                           kSilver);
        else
          output_.add_text(line.key, kSilver);
      }
    }
  }
  output_.add_text("", kSilver);
}

void Console::print_who_list() {
  output_.add_text(kTildes, kGreen);
  output_.add_text("                             Zelvaria Editor", kBrightRed);
  output_.add_text("                 Jelenleg 2 kalandozo talalhato a Tamo-ben.", kSilver);
  output_.add_text(kTildes, kGreen);
  output_.add_text(" [%^GREEN%^Peaceful%^RESET%^   ] Marud varja az uj teruleteket", kSilver);
  output_.add_text(" [Teruletiro ] " + (work_.name.empty() ? std::string("Nevtelen") : work_.name),
                   kSilver);
  output_.add_text(kTildes, kGreen);
  output_.add_text("", kSilver);
}

}  // namespace tamo::testconsole
