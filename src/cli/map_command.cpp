#include "cli/map_command.h"

#include "cli/map_painter_module.h"
#include "map/layout.h"
#include "map/scene.h"
#include "workfile/file_names.h"

namespace tamo::cli {

Command parse_map(const std::vector<std::string>& args) {
  MapCommand map;
  bool have_file = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--out" || a == "--start") {
      if (i + 1 >= args.size())
        return UsageError{"tamo-cli: a(z) " + a + " kapcsolóhoz érték kell"};
      (a == "--out" ? map.out : map.start_room) = args[++i];
    } else if (a.starts_with("--out=")) {
      map.out = a.substr(6);
    } else if (a.starts_with("--start=")) {
      map.start_room = a.substr(8);
    } else if (a.size() > 1 && a.front() == '-') {
      return UsageError{"tamo-cli: ismeretlen kapcsoló: " + a};
    } else if (have_file) {
      return UsageError{"tamo-cli map: csak egy fájl adható meg"};
    } else {
      map.file = a;
      have_file = true;
    }
  }
  if (!have_file) return UsageError{"tamo-cli map: nincs megadva fájl"};
  return map;
}

int draw_map(Session& session, const MapCommand& command, std::ostream& out, std::ostream& err) {
  bool whole = session.open(workfile::utf8_path(command.file));
  for (const std::string& m : session.messages_from(0)) err << one_line(m) << '\n';
  app::Workbench& bench = session.bench();
  if (command.start_room) {
    const droom* room = room_exists(bench.work(), *command.start_room);
    if (room == nullptr) {
      err << "tamo-cli map: nincs ilyen szoba: " << *command.start_room << '\n';
      return kExitUsage;
    }
    bench.app().run_event([&] { bench.console().show_room(*room); });
  }
  map::MapLayout layout = map::layout_map(bench.work());
  if (!command.out) {
    out << map::layout_text(layout);
    return whole ? 0 : 2;
  }
  std::string why;
  MapImageWriter paint = load_map_painter(why);
  if (paint == nullptr) {
    err << "tamo-cli map: " << why << '\n';
    return 1;
  }
  map::Scene scene = map::build_scene(layout, map::current_room_index(bench.work()));
  if (std::optional<std::string> error = paint(scene, *command.out)) {
    err << "tamo-cli map: " << *error << '\n';
    return 1;
  }
  out << *command.out << '\n';
  return whole ? 0 : 2;
}

}  // namespace tamo::cli
