#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tamo::cli {

enum class ColorMode { automatic, always, never };

struct CheckCommand {
  std::vector<std::string> files;
  bool json = false;
};

struct PlayCommand {
  std::string file;
  std::optional<std::string> start_room;
  ColorMode color = ColorMode::automatic;
};

struct ResaveCommand {
  std::string file;
  std::string out_dir = ".";
  // A file the work did not come from is replaced only when asked for: it may hold another work.
  bool replace = false;
};

// tamo-cli map: the layout as text, or a picture when --out names one.
struct MapCommand {
  std::string file;
  std::optional<std::string> out;
  std::optional<std::string> start_room;
};

struct HelpCommand {};
struct VersionCommand {};

// A usage error: the one-line message to print.
struct UsageError {
  std::string message;
};

using Command = std::variant<CheckCommand, PlayCommand, ResaveCommand, MapCommand, HelpCommand,
                             VersionCommand, UsageError>;

Command parse_command_line(const std::vector<std::string>& args);

// The usage text printed by "tamo-cli --help".
const char* usage_text();
// "tamo-cli" and the project's version, one line.
const char* version_text();

inline constexpr int kExitUsage = 64;

}  // namespace tamo::cli
