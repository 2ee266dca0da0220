#include "cli/console_line.h"

#include "cli/visible_text.h"

namespace tamo::cli {

namespace {

constexpr std::string_view kReset = "\x1b[0m";

std::string colour_escape(testconsole::Rgb rgb) {
  return "\x1b[38;2;" + std::to_string((rgb >> 16) & 0xFF) + ";" +
         std::to_string((rgb >> 8) & 0xFF) + ";" + std::to_string(rgb & 0xFF) + "m";
}

}  // namespace

std::string render_line(const testconsole::ConsoleLine& line, bool colour) {
  const std::string& text = line.text;
  if (!colour || line.runs.empty()) return visible(text) + "\n";
  std::string out;
  std::size_t pos = 0;
  for (const testconsole::ColourRun& run : line.runs) {
    if (run.begin >= text.size()) break;
    // Bytes no run covers keep the terminal's own colour.
    if (run.begin > pos) out.append(kReset).append(visible(text.substr(pos, run.begin - pos)));
    out += colour_escape(run.colour);
    out.append(visible(text.substr(run.begin, run.length)));
    pos = std::min(text.size(), run.begin + run.length);
  }
  if (pos < text.size()) out.append(kReset).append(visible(text.substr(pos)));
  return out.append(kReset) + "\n";
}

}  // namespace tamo::cli
