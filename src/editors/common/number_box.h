#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "controls/edit.h"
#include "editors/common/field_filter.h"

namespace tamo::editors {

// A box for a number, declared with its rule and its typing limit: a text that breaks the
// rule empties the box, silently, whatever route it came by.
class NumberBox : public controls::Edit {
 public:
  using Rule = bool (*)(std::string_view);

  NumberBox(std::string name, std::string caption, Rule rule, std::size_t max_length = 0)
      : controls::Edit(std::move(name), std::move(caption)) {
    set_max_length(max_length);
    on_change = [this, rule] { empty_unless(*this, rule); };
  }
};

}  // namespace tamo::editors
