#include "check/report_lines.h"

namespace tamo::check {

namespace {
constexpr const char* kCreatorDialog = "Form16";
}  // namespace

std::vector<ReportLine> report_lines(const Report& report) {
  std::vector<ReportLine> lines;
  lines.reserve(report.records.size() + report.warnings.size() + report.loading.size() + 1);
  if (report.work_refusal)
    lines.push_back({std::string(kWorkSubject) + ": " + *report.work_refusal,
                     {std::string(kWorkSubject), {}, kCreatorDialog},
                     true});
  for (const RecordVerdict& r : report.records)
    lines.push_back(
        {r.kind + " " + r.name + ": " + r.refusal.value_or("ok"), {r.kind, r.name, {}}, !r.ok()});
  for (const Warning& w : report.warnings)
    lines.push_back({"figyelmeztetés: " + w.text, w.place, true});
  for (const std::string& e : report.loading) lines.push_back({"hiba: " + e, {}, true});
  return lines;
}

}  // namespace tamo::check
