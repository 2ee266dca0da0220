#pragma once

#include <string_view>

#include "workfile/format.h"

namespace tamo::editors {

// The line that closes a record's long text in the work file, as the file's block
// description gives it.
template <class Record>
std::string_view long_text_end(const workfile::format::Block<Record>& block) {
  for (const workfile::format::Field<Record>& field : block.fields)
    if (field.kind == workfile::format::Kind::kLong) return field.long_end;
  return {};
}

}  // namespace tamo::editors
