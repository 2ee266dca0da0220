#include "cli/options.h"

#include "cli/map_command.h"

#include <string_view>

namespace tamo::cli {

namespace {

UsageError unknown_option(std::string_view arg) {
  return {"tamo-cli: ismeretlen kapcsoló: " + std::string(arg)};
}

UsageError missing_value(std::string_view option) {
  return {"tamo-cli: a(z) " + std::string(option) + " kapcsolóhoz érték kell"};
}

bool is_option(std::string_view arg) {
  return arg.size() > 1 && arg.front() == '-';
}

Command parse_check(const std::vector<std::string>& args) {
  CheckCommand check;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      check.json = true;
    } else if (a == "--") {
      check.files.insert(check.files.end(), args.begin() + i + 1, args.end());
      break;
    } else if (is_option(a)) {
      return unknown_option(a);
    } else {
      check.files.push_back(a);
    }
  }
  if (check.files.empty()) return UsageError{"tamo-cli check: nincs megadva fájl"};
  return check;
}

std::optional<ColorMode> color_mode(std::string_view value) {
  if (value == "auto") return ColorMode::automatic;
  if (value == "always") return ColorMode::always;
  if (value == "never") return ColorMode::never;
  return std::nullopt;
}

Command parse_play(const std::vector<std::string>& args) {
  PlayCommand play;
  bool have_file = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--start") {
      if (i + 1 >= args.size()) return missing_value(a);
      play.start_room = args[++i];
    } else if (a.starts_with("--start=")) {
      play.start_room = a.substr(8);
    } else if (a == "--color" || a.starts_with("--color=")) {
      std::string value = a == "--color" ? (i + 1 < args.size() ? args[++i] : "") : a.substr(8);
      auto mode = color_mode(value);
      if (!mode) return UsageError{"tamo-cli play: a --color értéke auto, always vagy never"};
      play.color = *mode;
    } else if (is_option(a)) {
      return unknown_option(a);
    } else if (have_file) {
      return UsageError{"tamo-cli play: csak egy fájl adható meg"};
    } else {
      play.file = a;
      have_file = true;
    }
  }
  if (!have_file) return UsageError{"tamo-cli play: nincs megadva fájl"};
  return play;
}

Command parse_resave(const std::vector<std::string>& args) {
  ResaveCommand resave;
  bool have_file = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--out") {
      if (i + 1 >= args.size()) return missing_value(a);
      resave.out_dir = args[++i];
    } else if (a.starts_with("--out=")) {
      resave.out_dir = a.substr(6);
    } else if (a == "--replace") {
      resave.replace = true;
    } else if (is_option(a)) {
      return unknown_option(a);
    } else if (have_file) {
      return UsageError{"tamo-cli resave: csak egy fájl adható meg"};
    } else {
      resave.file = a;
      have_file = true;
    }
  }
  if (!have_file) return UsageError{"tamo-cli resave: nincs megadva fájl"};
  return resave;
}

// Asking for help anywhere before "--" wins over everything else on the line.
bool asks_for_help(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

}  // namespace

Command parse_command_line(const std::vector<std::string>& args) {
  if (asks_for_help(args) || (!args.empty() && args.front() == "help")) return HelpCommand{};
  if (args.empty()) return UsageError{"tamo-cli: adj meg egy parancsot (check, play, resave, map)"};
  const std::string& verb = args.front();
  if (verb == "--version") return VersionCommand{};
  if (verb == "check") return parse_check(args);
  if (verb == "play") return parse_play(args);
  if (verb == "resave") return parse_resave(args);
  if (verb == "map") return parse_map(args);
  return UsageError{"tamo-cli: ismeretlen parancs: " + verb};
}

const char* usage_text() {
  return "Használat:\n"
         "  tamo-cli check [--json] FÁJL...\n"
         "      minden rekordot úgy ítél meg, ahogy a szerkesztő \"Kész\" gombja, a\n"
         "      készítő adatait úgy, ahogy a \"Mentés\"\n"
         "  tamo-cli play FÁJL [--start SZOBA] [--color=auto|always|never]\n"
         "      a teszt konzol: a szabványos bemenet minden sora egy parancs\n"
         "  tamo-cli resave FÁJL [--out MAPPA] [--replace]\n"
         "      betölti és újra elmenti a munkát; más fájlt csak --replace mellett ír felül\n"
         "  tamo-cli map FÁJL [--out KÉP.svg|KÉP.png] [--start SZOBA]\n"
         "      a terület térképe: szövegként, vagy --out esetén képként\n"
         "  tamo-cli --help | --version\n"
         "Kilépési kód: 0 rendben, 1 elutasított rekord vagy mentés, 2 nem teljes fájl\n"
         "vagy hiba, 64 hibás használat. Részletek: man tamo-cli\n";
}

const char* version_text() {
  return "tamo-cli " TAMO_VERSION "\n";
}

}  // namespace tamo::cli
