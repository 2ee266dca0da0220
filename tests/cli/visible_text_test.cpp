#include "cli/visible_text.h"

#include <gtest/gtest.h>

#include "cli/json_writer.h"
#include "cli/session.h"

namespace tamo::cli {
namespace {

struct Shown {
  const char* name;
  std::string text;
  std::string visible;
  std::string json;  // without the quotes
};

const Shown kShown[] = {
    {"plain_and_accented", "Őr áll", "Őr áll", "Őr áll"},
    {"terminal_title_and_clear", "\x1b]0;x\x07\x1b[2J", "\\x1b]0;x\\x07\\x1b[2J",
     "\\u001b]0;x\\u0007\\u001b[2J"},
    {"line_ends_and_tab", "a\r\nb\tc", "a\\x0d\\x0ab\\x09c", "a\\r\\nb\\tc"},
    {"nul_and_del", std::string("a\0b\x7f", 4), "a\\x00b\\x7f", "a\\u0000b\\u007f"},
    {"c1_controls_as_code_points", "\xc2\x81x\xc2\x9b", "\\u0081x\\u009b", "\\u0081x\\u009b"},
    {"bytes_that_are_no_utf8",
     "\x9b"
     "a\xff",
     "\\x9ba\\xff", "\\u009ba\\u00ff"},
    {"truncated_sequence", "\xc5", "\\xc5", "\\u00c5"},
    {"overlong_slash", "\xc0\xaf", "\\xc0\\xaf", "\\u00c0\\u00af"},
    {"no_break_space_is_no_control",
     "a\xc2\xa0"
     "b",
     "a\xc2\xa0"
     "b",
     "a\xc2\xa0"
     "b"},
    {"quotes_and_backslash", "\"\\", "\"\\", "\\\"\\\\"},
};

class VisibleText : public ::testing::TestWithParam<Shown> {};

TEST_P(VisibleText, ControlsNeverReachTheTerminal) {
  EXPECT_EQ(visible(GetParam().text), GetParam().visible);
  EXPECT_EQ(json_escape(GetParam().text), "\"" + GetParam().json + "\"");
}

INSTANTIATE_TEST_SUITE_P(Cases, VisibleText, ::testing::ValuesIn(kShown),
                         [](const auto& info) { return std::string(info.param.name); });

// A message on one output line: each line break (CR LF, CR or LF) is one blank, whatever
// stands beside it.
TEST(OneLine, LineBreaksBecomeBlanksAndTheRestIsVisible) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\nb", "a b"},
      {"a\n\rb", "a  b"},
      {"\r\r\n\n", "   "},
      {"vége\r", "vége "},
      {"\x1b\r\n\x1b", "\\x1b \\x1b"},
      {"\xc5\r\n\x91", "\\xc5 \\x91"},
      {"ő\nő", "ő ő"},
      {"", ""},
  };
  for (const auto& [message, shown] : cases) {
    EXPECT_EQ(one_line(message), shown) << visible(message);
    std::string out = "előtte ";
    append_one_line(out, message);
    EXPECT_EQ(out, "előtte " + shown);
  }
}

}  // namespace
}  // namespace tamo::cli
