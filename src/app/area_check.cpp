#include "app/area_check.h"

#include "app/application.h"
#include "check/report.h"

namespace tamo::app {

AreaCheck::AreaCheck(Application& app) : app_(app) {
  problems.on_activate = [this] { problemsActivate(); };
}

void AreaCheck::open() {
  refresh();
  form.show();
}

void AreaCheck::refresh() {
  check::Report report = check::check_work(app_.work());
  report.loading = app_.load_messages();
  judged_revision_ = app_.work().revision();
  judged_loading_ = report.loading;
  lines_ = check::report_lines(report);
  problem_count_ = 0;
  std::vector<std::string> texts;
  texts.reserve(lines_.size());
  for (const check::ReportLine& line : lines_) {
    texts.push_back(line.text);
    if (line.problem) ++problem_count_;
  }
  std::string chosen = problems.selected_text();
  problems.assign(std::move(texts));
  if (!chosen.empty()) problems.select(problems.index_of(chosen));
}

bool AreaCheck::refresh_if_changed() {
  if (judged_revision_ == app_.work().revision() && judged_loading_ == app_.load_messages())
    return false;
  refresh();
  return true;
}

void AreaCheck::problemsActivate() {
  int row = problems.selected();
  if (row < 0 || static_cast<std::size_t>(row) >= lines_.size() || !open_place) return;
  open_place(lines_[row].place);
}

std::string AreaCheck::summary() const {
  if (problem_count_ == 0) return "Ellenőrzés: nincs probléma";
  return "Ellenőrzés: " + std::to_string(problem_count_) + " probléma";
}

}  // namespace tamo::app
