#include <algorithm>

#include "check/report_lines.h"
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
  std::string out;
  append_one_line(out, file.path);
  out += '\n';
  for (const check::ReportLine& line : check::report_lines(file.report)) {
    append_one_line(out, line.text);
    out += '\n';
  }
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
    write_texts(json, "warnings", check::texts(report.warnings));
    write_texts(json, "errors", report.loading);
    json.end_object();
  }
  json.end_array().key("status").value(static_cast<long long>(check_status(files)));
  json.end_object();
  return json.str() + "\n";
}

}  // namespace tamo::cli
