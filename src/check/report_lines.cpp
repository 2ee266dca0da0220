#include "check/report_lines.h"

#include <iterator>

namespace tamo::check {

namespace {
constexpr const char* kCreatorDialog = "Form16";
}  // namespace

ReportLine work_refusal_line(const std::string& refusal) {
  return {std::string(kWorkSubject) + ": " + refusal,
          {std::string(kWorkSubject), {}, kCreatorDialog},
          true};
}

ReportLine verdict_line(const RecordVerdict& r) {
  return {r.kind + " " + r.name + ": " + r.refusal.value_or("ok"), {r.kind, r.name, {}}, !r.ok()};
}

ReportLine warning_line(const Warning& w) {
  return {"figyelmeztetés: " + w.text, w.place, true};
}

ReportLine loading_line(const std::string& message) {
  return {"hiba: " + message, {}, true};
}

std::vector<ReportLine> report_lines(const Report& report) {
  std::vector<ReportLine> lines;
  lines.reserve(report.records.size() + report.warnings.size() + report.loading.size() + 1);
  if (report.work_refusal) lines.push_back(work_refusal_line(*report.work_refusal));
  for (const RecordVerdict& r : report.records) lines.push_back(verdict_line(r));
  for (const Warning& w : report.warnings) lines.push_back(warning_line(w));
  for (const std::string& e : report.loading) lines.push_back(loading_line(e));
  return lines;
}

void apply_edits(std::vector<ReportLine>& lines, std::vector<LineEdit> edits) {
  if (edits.empty()) return;
  if (edits.size() == 1 && edits[0].first == 0 && edits[0].removed == lines.size()) {
    lines = std::move(edits[0].added);
    return;
  }
  // One pass that moves the lines kept: many small edits cost one walk, not one each.
  std::vector<ReportLine> out;
  std::size_t added = 0;
  for (const LineEdit& e : edits) added += e.added.size();
  out.reserve(lines.size() + added);
  std::size_t at = 0;
  for (LineEdit& e : edits) {
    std::move(lines.begin() + static_cast<std::ptrdiff_t>(at),
              lines.begin() + static_cast<std::ptrdiff_t>(e.first), std::back_inserter(out));
    std::move(e.added.begin(), e.added.end(), std::back_inserter(out));
    at = e.first + e.removed;
  }
  std::move(lines.begin() + static_cast<std::ptrdiff_t>(at), lines.end(), std::back_inserter(out));
  lines = std::move(out);
}

}  // namespace tamo::check
