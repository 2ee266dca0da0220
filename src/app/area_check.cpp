#include "app/area_check.h"

#include "app/application.h"
#include "check/report.h"

namespace tamo::app {

namespace {

// More edits than this rewrite the list at once rather than one splice each.
constexpr std::size_t kMostSplices = 32;

}  // namespace

AreaCheck::AreaCheck(Application& app) : app_(app) {
  problems.on_activate = [this] { problemsActivate(); };
  app_.work().add_watcher(&live_);
}

AreaCheck::~AreaCheck() {
  app_.work().remove_watcher(&live_);
}

void AreaCheck::open() {
  refresh();
  form.show();
}

void AreaCheck::refresh() {
  show(live_.update(app_.work(), app_.load_messages()));
  judged_revision_ = app_.work().revision();
  judged_loading_ = app_.load_messages();
}

bool AreaCheck::refresh_if_changed(std::size_t records) {
  if (!live_.judging() && judged_revision_ == app_.work().revision() &&
      judged_loading_ == app_.load_messages())
    return false;
  show(live_.update_some(app_.work(), app_.load_messages(), records));
  judged_revision_ = app_.work().revision();
  judged_loading_ = app_.load_messages();
  return true;
}

void AreaCheck::show(std::vector<check::LineEdit> edits) {
  if (edits.empty()) return;
  for (const check::LineEdit& e : edits) {
    for (std::size_t i = e.first; i < e.first + e.removed; ++i)
      if (lines_[i].problem) --problem_count_;
    for (const check::ReportLine& line : e.added)
      if (line.problem) ++problem_count_;
  }
  std::string chosen = problems.selected_text();
  if (edits.size() <= kMostSplices) {
    // From the last, so that each edit's place still counts the lines before any.
    for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
      std::vector<std::string> rows;
      rows.reserve(e->added.size());
      for (const check::ReportLine& line : e->added) rows.push_back(line.text);
      problems.replace(e->first, e->removed, std::move(rows));
    }
    check::apply_edits(lines_, std::move(edits));
  } else {
    check::apply_edits(lines_, std::move(edits));
    std::vector<std::string> texts;
    texts.reserve(lines_.size());
    for (const check::ReportLine& line : lines_) texts.push_back(line.text);
    problems.assign(std::move(texts));
  }
  if (!chosen.empty() && problems.selected_text() != chosen)
    problems.select(problems.index_of(chosen));
}

void AreaCheck::problemsActivate() {
  int row = problems.selected();
  if (row < 0 || static_cast<std::size_t>(row) >= lines_.size() || !open_place) return;
  open_place(lines_[row].place);
}

std::string AreaCheck::summary() const {
  if (live_.judging()) return "Ellenőrzés: folyamatban (" + std::to_string(live_.progress()) + "%)";
  if (problem_count_ == 0) return "Ellenőrzés: nincs probléma";
  return "Ellenőrzés: " + std::to_string(problem_count_) + " probléma";
}

}  // namespace tamo::app
