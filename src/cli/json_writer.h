#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamo::cli {

// A small streaming JSON writer: objects, arrays, strings, numbers and booleans, with the
// commas put in for the caller. Strings are UTF-8 and escaped as JSON requires.
class JsonWriter {
 public:
  JsonWriter& begin_object();
  JsonWriter& end_object();
  JsonWriter& begin_array();
  JsonWriter& end_array();
  JsonWriter& key(std::string_view k);
  JsonWriter& value(std::string_view s);
  JsonWriter& value(const char* s) { return value(std::string_view(s)); }
  JsonWriter& value(long long n);
  JsonWriter& value(bool b);

  const std::string& str() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool after_key_ = false;
};

std::string json_escape(std::string_view s);

}  // namespace tamo::cli
