#include <algorithm>

#include "cli/check.h"
#include "cli/json_writer.h"
#include "cli/session.h"

namespace tamo::cli {

int check_status(const std::vector<FileCheck>& files) {
  int status = 0;
  for (const FileCheck& f : files) status = std::max(status, f.report.status());
  return status;
}

std::string check_text(const FileCheck& file) {
  const check::Report& report = file.report;
  std::string out = one_line(file.path) + "\n";
  if (report.work_refusal)
    out += std::string(check::kWorkSubject) + ": " + one_line(*report.work_refusal) + "\n";
  for (const check::RecordVerdict& r : report.records)
    out += one_line(r.kind + " " + r.name + ": " + r.refusal.value_or("ok")) + "\n";
  for (const std::string& w : report.warnings) out += "figyelmeztetés: " + one_line(w) + "\n";
  for (const std::string& e : report.loading) out += "hiba: " + one_line(e) + "\n";
  return out;
}

namespace {

void write_texts(JsonWriter& json, std::string_view key, const std::vector<std::string>& texts) {
  json.key(key).begin_array();
  for (const std::string& t : texts) json.value(t);
  json.end_array();
}

void write_verdict(JsonWriter& json, const std::optional<std::string>& refusal) {
  json.key("ok").value(!refusal).key("result").value(refusal.value_or("ok"));
}

}  // namespace

std::string check_json(const std::vector<FileCheck>& files) {
  JsonWriter json;
  json.begin_object().key("files").begin_array();
  for (const FileCheck& f : files) {
    const check::Report& report = f.report;
    json.begin_object().key("path").value(f.path).key("complete").value(report.complete);
    json.key("work").begin_object();
    write_verdict(json, report.work_refusal);
    json.end_object();
    json.key("records").begin_array();
    for (const check::RecordVerdict& r : report.records) {
      json.begin_object().key("kind").value(r.kind).key("name").value(r.name);
      write_verdict(json, r.refusal);
      json.end_object();
    }
    json.end_array();
    write_texts(json, "warnings", report.warnings);
    write_texts(json, "errors", report.loading);
    json.end_object();
  }
  json.end_array().key("status").value(static_cast<long long>(check_status(files)));
  json.end_object();
  return json.str() + "\n";
}

}  // namespace tamo::cli
