#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "controls/control.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/room/room_context.h"

namespace tamo::editors {

// Form7: the creatures and items in the room, one row per single thing.
class ContentsDialog {
 public:
  explicit ContentsDialog(RoomContext context);

  // A stored count above this is refused at opening rather than listed row by row.
  static constexpr int kMaxCount = 10000;

  controls::Form form{"Form7", "A szoba tartalma"};
  controls::ComboBox posmons{"posmons", "A választható élőlények",
                             controls::ComboBox::Style::drop_down_list, true};
  controls::ComboBox positem{"positem", "A választható tárgyak",
                             controls::ComboBox::Style::drop_down_list, true};
  controls::Button Button2{"Button2", "> >"};
  controls::Button Button3{"Button3", "> >"};
  controls::ListBox contents{"contents", "A szoba tartalma", true};
  controls::Button Button4{"Button4", "< <"};
  controls::Button kesz{"kesz", "Kész"};

  // The panel's "Tartalom".
  void open();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void keszClick();

 private:
  void add_one(const controls::ComboBox& choice);
  // A count as a number, or none after telling the builder it is not one.
  std::optional<std::int64_t> count_of(const std::string& value);

  RoomContext context_;
};

}  // namespace tamo::editors
