#include "cli/play.h"

#include <string>

#include "cli/console_line.h"
#include "cli/visible_text.h"
#include "model/input_rules.h"
#include "workfile/codec.h"
#include "workfile/file_names.h"

namespace tamo::cli {

namespace {

// Messages follow the console lines printed before them.
void print_messages(Session& session, std::size_t& seen, std::ostream& out, std::ostream& err) {
  out.flush();
  for (const std::string& m : session.messages_from(seen)) err << one_line(m) << '\n';
  seen = session.message_count();
}

// A line in the work's own encoding is read as such rather than matching nothing.
std::string as_utf8(std::string line) {
  if (line.ends_with('\r')) line.pop_back();
  return is_utf8(line) ? line : workfile::cp1250_to_utf8(line);
}

}  // namespace

int play(Session& session, const PlayCommand& command, std::istream& in, std::ostream& out,
         std::ostream& err, bool colour) {
  app::Workbench& bench = session.bench();
  // A line is reported once it is whole, also when the 24-line limit later drops it.
  bench.console().output().on_line = [&](const testconsole::ConsoleLine& line) {
    out << render_line(line, colour);
  };
  session.open(workfile::utf8_path(command.file));
  std::size_t seen = 0;
  print_messages(session, seen, out, err);

  if (command.start_room) {
    const std::string& name = *command.start_room;
    // The room editor empties a file-name box that breaks the rule, so "Hogy néz ki?"
    // can never show such a room, even when the file holds one.
    if (!validfilename(name)) {
      err << one_line("tamo-cli play: a(z) " + name +
                      " nem érvényes szoba-fájlnév (1-16 kisbetű, számjegy, - vagy _), a "
                      "szerkesztő nem nyithatja meg")
          << '\n';
      return kExitUsage;
    }
    const droom* room = room_exists(bench.work(), name);
    if (room == nullptr) {
      err << one_line("tamo-cli play: nincs ilyen szoba: " + name) << '\n';
      return kExitUsage;
    }
    session.run_event([&] { bench.console().show_room(*room); });
  } else {
    session.run_event([&] { bench.console().enter(); });
  }
  print_messages(session, seen, out, err);

  controls::Edit& input = bench.mud().inmud;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    line = as_utf8(std::move(line));
    session.run_event([&] { input.type(line); });
    if (input.text() != line) {
      out.flush();
      err << one_line("tamo-cli play: a(z) " + std::to_string(number) +
                      ". sor hosszabb, mint amit a parancssor elfogad (" +
                      std::to_string(input.max_length()) + " karakter); ennyi maradt belőle: \"" +
                      input.text() + "\"")
          << '\n';
    }
    session.run_event([&] { bench.inmud_enter(); });
    print_messages(session, seen, out, err);
  }
  return 0;
}

}  // namespace tamo::cli
