#include "cli/play.h"

#include <string>

#include "cli/console_line.h"
#include "workfile/file_names.h"

namespace tamo::cli {

namespace {

// Messages follow the console lines printed before them.
void print_messages(Session& session, std::size_t& seen, std::ostream& out, std::ostream& err) {
  out.flush();
  for (const std::string& m : session.messages_from(seen)) err << one_line(m) << '\n';
  seen = session.message_count();
}

}  // namespace

int play(Session& session, const PlayCommand& command, std::istream& in, std::ostream& out,
         std::ostream& err, bool colour) {
  app::Workbench& bench = session.bench();
  app::Application& app = session.app();
  // A line is reported once it is whole, also when the 24-line limit later drops it.
  bench.console().output().on_line = [&](const testconsole::ConsoleLine& line) {
    out << render_line(line, colour);
  };
  session.open(workfile::utf8_path(command.file));
  std::size_t seen = 0;
  print_messages(session, seen, out, err);

  if (command.start_room) {
    editors::RoomEditor& room = bench.room_editor();
    app.run_event([&] { app.Szoba1Click(); });
    app.run_event([&] { room.filename.set_text(*command.start_room); });
    if (room_exists(bench.work(), room.filename.text()) == nullptr) {
      err << "tamo-cli play: nincs ilyen szoba: " << *command.start_room << '\n';
      return kExitUsage;
    }
    app.run_event([&] { room.Button3.click(); });
  } else {
    app.run_event([&] { app.Teszt1Click(); });
  }
  print_messages(session, seen, out, err);

  std::string line;
  while (std::getline(in, line)) {
    if (line.ends_with('\r')) line.pop_back();
    bench.mud().inmud.type(line);
    app.run_event([&] { bench.inmud_enter(); });
    print_messages(session, seen, out, err);
  }
  return 0;
}

}  // namespace tamo::cli
