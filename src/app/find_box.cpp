#include "app/find_box.h"

#include <array>
#include <string>
#include <string_view>

namespace tamo::app {

namespace {

struct Group {
  search::Kind kind;
  std::string_view heading;
  std::string_view place_kind;
};
constexpr std::array kGroups{Group{search::Kind::room, "Szobák", check::kRoomKind},
                             Group{search::Kind::creature, "Élőlények", check::kCreatureKind},
                             Group{search::Kind::item, "Tárgyak", check::kItemKind}};

}  // namespace

FindBox::FindBox(const Work& work) : work_(work) {
  findtext.on_change = [this] {
    if (!search_on_pause) refresh();
  };
  found.on_activate = [this] { openfoundClick(); };
  openfound.on_click = [this] { openfoundClick(); };
}

void FindBox::open() {
  refresh();
  form.show();
}

bool FindBox::stale() const {
  return work_.revision() != searched_revision_ || findtext.text() != searched_text_;
}

void FindBox::refresh() {
  searched_revision_ = work_.revision();
  searched_text_ = findtext.text();
  std::string chosen = found.selected_text();
  found_ = search::find_in_work(work_, search::TextMatch(findtext.text()), kMaxListedHits);
  std::vector<std::string> lines;
  rows_.clear();
  for (const Group& g : kGroups) {
    std::size_t count = found_.count[static_cast<std::size_t>(g.kind)];
    if (count == 0) continue;
    lines.push_back(std::string(g.heading) + " (" + std::to_string(count) + ")");
    rows_.push_back(-1);
    for (std::size_t i = 0; i < found_.hits.size(); ++i) {
      const search::Hit& h = found_.hits[i];
      if (h.kind != g.kind) continue;
      lines.push_back("    " + h.name + " – " + h.field + ": " + h.text);
      rows_.push_back(static_cast<int>(i));
    }
  }
  if (std::size_t rest = found_.total() - found_.hits.size(); rest > 0) {
    lines.push_back("… és még " + std::to_string(rest) +
                    " találat, amely nem fér ide: pontosítsd a keresést");
    rows_.push_back(-1);
  }
  found.assign(std::move(lines));
  if (!chosen.empty()) found.select(found.index_of(chosen));
}

const search::Hit* FindBox::hit_at(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || rows_[row] < 0) return nullptr;
  return &found_.hits[rows_[row]];
}

void FindBox::openfoundClick() {
  // Enter may come before the pause that searches what was typed.
  if (stale()) refresh();
  int row = found.selected();
  // Nothing chosen: Enter opens the first hit.
  const search::Hit* hit =
      row < 0 ? (found_.hits.empty() ? nullptr : &found_.hits.front()) : hit_at(row);
  if (!hit || !open_place) return;
  open_place(
      {std::string(kGroups[static_cast<std::size_t>(hit->kind)].place_kind), hit->name, hit->form});
}

}  // namespace tamo::app
