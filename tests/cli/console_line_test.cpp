#include "cli/console_line.h"

#include <gtest/gtest.h>

namespace tamo::cli {
namespace {

using testconsole::ConsoleLine;

TEST(RenderLine, PlainIsTheTextAlone) {
  ConsoleLine line{7, "Őr mondja: Megállj!", {{0, 11, 0xFFFF00}, {11, 10, 0xC0C0C0}}};
  EXPECT_EQ(render_line(line, false), "Őr mondja: Megállj!\n");
}

TEST(RenderLine, EachRunInItsColourThenReset) {
  ConsoleLine line{0, "Őr mondja: Megállj!", {{0, 11, 0xFFFF00}, {11, 10, 0x0080C0}}};
  EXPECT_EQ(render_line(line, true),
            "\x1b[38;2;255;255;0mŐr mondja:\x1b[38;2;0;128;192m Megállj!\x1b[0m\n");
}

TEST(RenderLine, BytesNoRunCoversKeepTheTerminalColour) {
  ConsoleLine line{0, "abcdef", {{2, 2, 0x010203}}};
  EXPECT_EQ(render_line(line, true), "\x1b[0mab\x1b[38;2;1;2;3mcd\x1b[0mef\x1b[0m\n");
}

TEST(RenderLine, ControlsOfTheTextShowAsEscapesInEveryRun) {
  ConsoleLine line{0, "a\x1b[2Jb\x07", {{0, 5, 0x010203}}};
  EXPECT_EQ(render_line(line, false), "a\\x1b[2Jb\\x07\n");
  EXPECT_EQ(render_line(line, true), "\x1b[38;2;1;2;3ma\\x1b[2J\x1b[0mb\\x07\x1b[0m\n");
}

TEST(RenderLine, AnEmptyLineIsOnlyItsEnd) {
  EXPECT_EQ(render_line(ConsoleLine{}, true), "\n");
}

}  // namespace
}  // namespace tamo::cli
