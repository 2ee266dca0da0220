#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "check/report.h"
#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "model/work.h"
#include "search/find.h"

namespace tamo::app {

// "Keresés": a side window that finds records by what they say. Each keystroke lists the
// matching texts grouped by kind, under a heading per kind; Enter or a double-click opens
// the record of the chosen line (the first hit when none is chosen).
class FindBox {
 public:
  explicit FindBox(const Work& work);

  controls::Form form{"findbox", "Keresés"};
  controls::Edit findtext{"findtext", "Keresett szöveg"};
  controls::ListBox found{"found", "Találatok"};
  controls::Button openfound{"openfound", "Megnyitás"};

  // Opens the record and the dialog a hit points at; set by whoever owns the editors.
  std::function<void(const check::Place&)> open_place;
  // Set by a window that calls refresh once the typing pauses, since searching a big work
  // takes longer than a keystroke; otherwise each keystroke searches at once.
  bool search_on_pause = false;

  // "Szerkesztés" > "Keresés": shows the window with its search run again.
  void open();
  // Searches the work again for the typed text; the chosen line stays chosen while it is
  // still there.
  void refresh();
  // The typed text or the work changed since the last search.
  bool stale() const;
  void openfoundClick();

  // The hit each row of `found` shows, or none for a heading or the closing line.
  const search::Hit* hit_at(int row) const;

 private:
  const Work& work_;
  search::Found found_;
  std::vector<int> rows_;  // index into found_.hits per row, -1 for the other lines
  std::uint64_t searched_revision_ = 0;
  std::string searched_text_;
};

// More hits than a builder reads, and a list that fills at once; a last line counts the rest.
inline constexpr std::size_t kMaxListedHits = 500;

}  // namespace tamo::app
