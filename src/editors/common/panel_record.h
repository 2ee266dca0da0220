#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/lists.h"
#include "editors/common/host.h"
#include "editors/common/record_lists.h"
#include "editors/common/typed_name.h"
#include "model/input_rules.h"

namespace tamo::editors {

// A change of a panel's file-name box: a name that breaks the file-name rule empties the
// box; the stored record of a valid name is shown; a name no record has may give back what
// the panel held before a record reached on the way (see TypedNameMatch). `contents()` is
// the panel as one nameless record; `show(record)` puts a record into the panel.
template <class Record, class Contents, class Show>
void follow_file_name(controls::ComboBox& box, EditorHost& host, TypedNameMatch<Record>& typed,
                      Contents contents, Show show) {
  // An emptied name is no name: it loads nothing, but may return what the panel held.
  const std::string name = box.text();
  const bool valid = validfilename(name);
  if (!valid && !name.empty()) return box.set_text({});
  const std::uint64_t focus = host.focus().revision();
  const Record* stored = valid ? RecordLists<Record>::stored(host.work(), name) : nullptr;
  if (!stored) {
    if (std::optional<Record> back = typed.passed(contents(), focus)) show(*back);
    return;
  }
  typed.reaching(contents(), focus);
  show(*stored);
  typed.reached(contents());
}

// True when "Kész" would change the work: the panel (`now`, nameless) differs from the stored
// record of `name`, or, with none stored, from what an untouched panel would store.
template <class Record>
bool pending_edits_of(const Work& work, std::string_view name, Record now, const Record& blank) {
  if (const Record* stored = RecordLists<Record>::stored(work, name)) {
    now.filename = stored->filename;
    return !(now == *stored);
  }
  return !(now == blank);
}

}  // namespace tamo::editors
