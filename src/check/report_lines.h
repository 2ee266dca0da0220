#pragma once

#include <string>
#include <vector>

#include "check/report.h"

namespace tamo::check {

// One line of a check as it is shown under the file's name, with what it points at.
struct ReportLine {
  std::string text;
  Place place;
  bool problem = false;  // anything but a record's "ok"
};

// The creator-data refusal, each record's verdict, the warnings, then the loading's
// messages: the order and wording every view of the check shares.
std::vector<ReportLine> report_lines(const Report& report);

}  // namespace tamo::check
