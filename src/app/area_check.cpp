#include "app/area_check.h"

#include "app/application.h"
#include "check/report.h"

namespace tamo::app {

namespace {

// More edits than this, or more rows, rewrite the list from the first edit on rather than
// one splice each.
constexpr std::size_t kMostSplices = 32;
// Rows the list gains a call for each record the call may judge: a row costs the list and
// the window about an eighth of judging a record.
constexpr std::size_t kRowsPerRecord = 8;

std::size_t rows_for(std::size_t records) {
  const std::size_t most = std::numeric_limits<std::size_t>::max();
  return records > most / kRowsPerRecord ? most : records * kRowsPerRecord;
}

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
  const std::size_t all = std::numeric_limits<std::size_t>::max();
  show(live_.update(app_.work(), app_.load_messages()), all);
  // Lines still on their way to the list come at once too.
  fill(all);
  judged_revision_ = app_.work().revision();
  judged_loading_ = app_.load_messages();
}

bool AreaCheck::refresh_if_changed(std::size_t records) {
  const bool changed = live_.judging() || judged_revision_ != app_.work().revision() ||
                       judged_loading_ != app_.load_messages();
  if (!changed) {
    if (!filling()) return false;
    fill(rows_for(records));
    return true;
  }
  show(live_.update_some(app_.work(), app_.load_messages(), records), rows_for(records));
  judged_revision_ = app_.work().revision();
  judged_loading_ = app_.load_messages();
  return true;
}

void AreaCheck::show(std::vector<check::LineEdit> edits, std::size_t rows) {
  if (edits.empty()) return;
  std::size_t added = 0;
  for (const check::LineEdit& e : edits) {
    for (std::size_t i = e.first; i < e.first + e.removed; ++i)
      if (lines_[i].problem) --problem_count_;
    for (const check::ReportLine& line : e.added)
      if (line.problem) ++problem_count_;
    added += e.added.size();
  }
  std::string chosen = problems.selected_text();
  if (!filling() && edits.size() <= kMostSplices && added <= rows) {
    // From the last, so that each edit's place still counts the lines before any.
    for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
      std::vector<std::string> rows;
      rows.reserve(e->added.size());
      for (const check::ReportLine& line : e->added) rows.push_back(line.text);
      problems.replace(e->first, e->removed, std::move(rows));
    }
    check::apply_edits(lines_, std::move(edits));
    filled_ = lines_.size();
  } else {
    // The rows from the first edit on give way and come back a slice a call.
    const std::size_t from = edits.front().first;
    check::apply_edits(lines_, std::move(edits));
    if (from < filled_) {
      problems.replace(from, filled_ - from, {});
      filled_ = from;
    }
    problems.reserve(lines_.size());
    if (!chosen.empty() && problems.selected() < 0) chosen_ = chosen;
    fill(rows);
    return;
  }
  if (!chosen.empty() && problems.selected_text() != chosen)
    problems.select(problems.index_of(chosen));
}

void AreaCheck::fill(std::size_t rows) {
  const std::size_t end = lines_.size() - filled_ > rows ? filled_ + rows : lines_.size();
  if (end > filled_) {
    std::vector<std::string> texts;
    texts.reserve(end - filled_);
    for (std::size_t i = filled_; i < end; ++i) texts.push_back(lines_[i].text);
    problems.replace(filled_, 0, std::move(texts));
    filled_ = end;
  }
  if (chosen_.empty()) return;
  // A whole judgement under way brings the lines back later.
  const bool all_there = !filling() && !live_.judging();
  if (problems.selected() < 0)
    if (int row = problems.index_of(chosen_); row >= 0) problems.select(row);
  if (problems.selected() >= 0 || all_there) chosen_.clear();
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
