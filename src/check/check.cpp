#include <algorithm>
#include <future>
#include <iterator>
#include <utility>

#include "check/record_verdicts.h"
#include "check/references.h"
#include "check/report.h"
#include "check/value_warnings.h"
#include "workfile/workfile.h"

namespace tamo::check {

namespace {

// The references are judged on the work as the file holds it, before any "Kész" stores what
// its editor shows; the editors then use the work up.
void judge_in_place(Work work, Report& report) {
  report.work_refusal = workfile::creator_refusal(work);
  // Both only read the work: the values are looked at beside the references.
  std::future<std::vector<Warning>> values =
      std::async(std::launch::async, [&work] { return value_warnings(work); });
  report.warnings = reference_warnings(work);
  std::vector<Warning> value_faults = values.get();
  report.warnings.insert(report.warnings.end(), std::make_move_iterator(value_faults.begin()),
                         std::make_move_iterator(value_faults.end()));
  judge_records(std::move(work), report.records, report.warnings);
}

}  // namespace

int Report::status() const {
  if (!complete) return 2;
  if (work_refusal) return 1;
  return std::all_of(records.begin(), records.end(), [](const RecordVerdict& r) { return r.ok(); })
             ? 0
             : 1;
}

std::vector<std::string> texts(const std::vector<Warning>& warnings) {
  std::vector<std::string> out;
  out.reserve(warnings.size());
  for (const Warning& w : warnings) out.push_back(w.text);
  return out;
}

Report check_work(const Work& work) {
  Report report;
  judge_in_place(work, report);
  return report;
}

Report check_file(const std::filesystem::path& file) {
  Report report;
  Work work;
  workfile::LoadResult loaded = workfile::loadfile(work, file);
  report.complete = loaded.complete;
  report.loading = std::move(loaded.messages);
  judge_in_place(std::move(work), report);
  return report;
}

}  // namespace tamo::check
