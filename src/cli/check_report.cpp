#include "cli/check.h"
#include "cli/json_writer.h"
#include "cli/session.h"

namespace tamo::cli {

std::string check_text(const FileCheck& file) {
  std::string out = file.path + "\n";
  for (const RecordCheck& r : file.records)
    out += r.kind + " " + r.name + ": " + one_line(r.result) + "\n";
  for (const std::string& w : file.warnings) out += "figyelmeztetés: " + one_line(w) + "\n";
  for (const std::string& e : file.errors) out += "hiba: " + one_line(e) + "\n";
  return out;
}

namespace {

void write_texts(JsonWriter& json, std::string_view key, const std::vector<std::string>& texts) {
  json.key(key).begin_array();
  for (const std::string& t : texts) json.value(t);
  json.end_array();
}

}  // namespace

std::string check_json(const std::vector<FileCheck>& files) {
  JsonWriter json;
  json.begin_object().key("files").begin_array();
  for (const FileCheck& f : files) {
    json.begin_object().key("path").value(f.path).key("complete").value(f.complete);
    json.key("records").begin_array();
    for (const RecordCheck& r : f.records) {
      json.begin_object().key("kind").value(r.kind).key("name").value(r.name);
      json.key("ok").value(r.ok).key("result").value(r.result).end_object();
    }
    json.end_array();
    write_texts(json, "warnings", f.warnings);
    write_texts(json, "errors", f.errors);
    json.end_object();
  }
  json.end_array().key("status").value(static_cast<long long>(check_status(files)));
  json.end_object();
  return json.str() + "\n";
}

}  // namespace tamo::cli
