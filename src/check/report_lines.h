#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/report.h"

namespace tamo::check {

// One line of a check as it is shown under the file's name, with what it points at.
struct ReportLine {
  std::string text;
  Place place;
  bool problem = false;  // anything but a record's "ok"

  friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

// The creator-data refusal, each record's verdict, the warnings, then the loading's
// messages: the order and wording every view of the check shares.
std::vector<ReportLine> report_lines(const Report& report);

// The line of each of those.
ReportLine work_refusal_line(const std::string& refusal);
ReportLine verdict_line(const RecordVerdict& verdict);
ReportLine warning_line(const Warning& warning);
ReportLine loading_line(const std::string& message);

// Lines `first` to `first + removed` of the earlier lines give way to `added`.
struct LineEdit {
  std::size_t first = 0;
  std::size_t removed = 0;
  std::vector<ReportLine> added;
};

// Applies edits given in ascending order of `first`, each counted in the lines before any.
void apply_edits(std::vector<ReportLine>& lines, std::vector<LineEdit> edits);

}  // namespace tamo::check
