#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <QFont>
#include <QPlainTextEdit>

#include "testconsole/output.h"

namespace tamo::gui {

// The fixed-pitch face of the game's terminal.
QFont terminal_font();
// Black background, white text: the colours of the game's terminal.
void paint_as_terminal(QWidget* widget);

// The test console's output as a game terminal: black, fixed-pitch, every character in its
// own colour, the newest line in view. Nobody types or selects in it.
class ConsoleOutput : public QPlainTextEdit {
 public:
  explicit ConsoleOutput(const testconsole::Output& output, QWidget* parent = nullptr);

  // Brings the screen in step with the console's lines. Lines leave the console only from
  // the top or all at once, and a shown line never changes, so only the lines dropped and
  // the lines added since the last redraw are touched.
  void redraw();

  // A line is drawn up to about two screens of text, then the mark; laying out a line of a
  // megabyte or of a hundred thousand colours would freeze the window. The console keeps
  // the whole line.
  static constexpr std::size_t kShownBytesPerLine = 4096;
  static constexpr std::string_view kCutMark = " …";

 private:
  void append(QTextCursor& cursor, const testconsole::ConsoleLine& line);

  const testconsole::Output& output_;
  std::uint64_t first_shown_ = 0;  // seq of the top line on screen
  std::uint64_t next_shown_ = 0;   // seq after the bottom line on screen
};

}  // namespace tamo::gui
