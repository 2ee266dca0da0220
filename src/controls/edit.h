#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/control.h"

namespace tamo::controls {

// The text up to its first CR or LF: what a one-line box keeps of a pasted text.
std::string first_line(std::string text);

// The text with every line break (CR LF, a lone CR or a lone LF) written as CR LF: how a memo
// holds the lines of a pasted text.
std::string crlf_lines(std::string text);

// A one-line edit. Setting a text runs on_change only when the text really changes; the
// length limit (in characters) binds typing only, never text set by the program. Whatever the
// route, a one-line box keeps only the first line of a text given to it.
class Edit : public Control, public UserValue {
 public:
  using Control::Control;

  const std::string& text() const { return text_; }
  void set_text(std::string text);

  std::size_t max_length() const { return max_length_; }  // 0: no limit
  void set_max_length(std::size_t n) { max_length_ = n; }
  bool read_only() const { return read_only_; }
  void set_read_only(bool r) { read_only_ = r; }

  // The user types one character (one UTF-8 sequence) at the end of the text; refused
  // when the limit is reached. Returns whether it was taken.
  bool type_char(std::string_view ch);
  // Types a whole string one character at a time, as keystrokes.
  void type(std::string_view s);
  // The user replaced the whole text at once (paste, delete, a view's edit).
  void user_set_text(std::string text);

  std::string value() const override { return text_; }
  void set_value(std::string value) override { set_text(std::move(value)); }

  Handler on_change;

 protected:
  virtual std::string line_break() const { return {}; }
  // What the box holds of a text given to it.
  virtual std::string accepted(std::string text) const { return first_line(std::move(text)); }

 private:
  std::string text_;
  std::size_t max_length_ = 0;
  bool read_only_ = false;
};

// A multi-line memo: its text holds its lines joined by CR LF.
class Memo : public Edit {
 public:
  using Edit::Edit;
  void clear_lines() { set_text({}); }

 protected:
  // Typing "\n" into a memo breaks the line.
  std::string line_break() const override { return "\r\n"; }
  std::string accepted(std::string text) const override { return crlf_lines(std::move(text)); }
};

// Number of characters of a UTF-8 text.
std::size_t utf8_length(std::string_view s);
// The characters of a UTF-8 text, each as its byte sequence.
std::vector<std::string_view> utf8_chars(std::string_view s);

}  // namespace tamo::controls
