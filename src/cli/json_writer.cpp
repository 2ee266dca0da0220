#include "cli/json_writer.h"

#include <cstdio>

#include "cli/visible_text.h"

namespace tamo::cli {

std::string json_escape(std::string_view s) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < s.size();) {
    Utf8Char c = utf8_char_at(s, pos);
    if (c.code == '"') {
      out += "\\\"";
    } else if (c.code == '\\') {
      out += "\\\\";
    } else if (c.code == '\n') {
      out += "\\n";
    } else if (c.code == '\r') {
      out += "\\r";
    } else if (c.code == '\t') {
      out += "\\t";
    } else if (!c.valid || is_control(c.code)) {
      // A byte that is no UTF-8 (a file name given on the command line) is written as the
      // character of the same value, so the document stays valid.
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c.code));
      out += buf;
    } else {
      out.append(s, pos, c.length);
    }
    pos += c.length;
  }
  return out + "\"";
}

void JsonWriter::separate() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

JsonWriter& JsonWriter::begin_object() {
  separate();
  out_ += '{';
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::end_object() {
  first_.pop_back();
  out_ += '}';
  return *this;
}

JsonWriter& JsonWriter::begin_array() {
  separate();
  out_ += '[';
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::end_array() {
  first_.pop_back();
  out_ += ']';
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view k) {
  separate();
  out_ += json_escape(k);
  out_ += ':';
  after_key_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view s) {
  separate();
  out_ += json_escape(s);
  return *this;
}

JsonWriter& JsonWriter::value(long long n) {
  separate();
  out_ += std::to_string(n);
  return *this;
}

JsonWriter& JsonWriter::value(bool b) {
  separate();
  out_ += b ? "true" : "false";
  return *this;
}

}  // namespace tamo::cli
