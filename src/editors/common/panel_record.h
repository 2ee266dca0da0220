#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/lists.h"
#include "editors/common/field_filter.h"
#include "editors/common/file_name_choices.h"
#include "editors/common/host.h"
#include "editors/common/long_text_end.h"
#include "editors/common/record_lists.h"
#include "editors/common/text_fields.h"
#include "editors/common/typed_name.h"
#include "model/input_rules.h"

namespace tamo::editors {

// The record a panel edits, named by the text of the panel's file-name box, and the rules the
// three panels share around it; the box's changes and choices are bound here. `take_fields` writes
// the panel's own fields into a record; `show` puts a record's fields into the panel and its lists
// into the working copy.
template <class Record>
class PanelRecord {
 public:
  PanelRecord(EditorHost& host, controls::ComboBox& box, std::function<void(Record&)> take_fields,
              std::function<void(const Record&)> show)
      : host_(host), box_(box), take_fields_(std::move(take_fields)), show_(std::move(show)) {
    box_.on_change = [this] { follow(); };
    box_.on_select = [this] { forget(); };
  }
  PanelRecord(const PanelRecord&) = delete;
  PanelRecord& operator=(const PanelRecord&) = delete;

  // The stored record the box names, if any.
  const Record* stored() const { return RecordLists<Record>::stored(host_.work(), box_.text()); }

  // The panel's fields and the working copy's lists as one nameless record.
  Record contents() const {
    Record record = RecordLists<Record>::working(host_.work());
    record.filename.clear();
    take_fields_(record);
    return record;
  }

  // True when "Kész" would change the work: the panel differs from the stored record of its
  // name, or, with none stored, from what an untouched panel (`blank`) would store.
  bool pending(const Record& blank) const {
    Record now = contents();
    if (const Record* record = stored()) {
      now.filename = record->filename;
      return !(now == *record);
    }
    return !(now == blank);
  }

  // A change of the box's text: a name that breaks the file-name rule empties the box; the
  // stored record of a valid name is shown; a name no record has may give back what the
  // panel held before a record reached on the way (see TypedNameMatch).
  void follow() {
    // An emptied name is no name: it loads nothing, but may return what the panel held.
    const std::string name = box_.text();
    const bool valid = validfilename(name);
    if (!valid && !name.empty()) return box_.set_text({});
    const std::uint64_t focus = host_.focus().revision();
    const Record* record = valid ? stored() : nullptr;
    if (!record) {
      if (std::optional<Record> back = typed_.passed(contents(), focus)) show_(*back);
      return;
    }
    typed_.reaching([this] { return contents(); }, focus);
    show_(*record);
    typed_.reached(contents());
  }

  // The name was chosen from the list, or the panel was reset: nothing to give back.
  void forget() { typed_.forget(); }

  // A reset panel: no name, nothing to give back, and its text fields empty.
  void empty(const TextFields<Record>& texts) {
    forget();
    box_.set_text({});
    texts.empty();
  }

  // The box lists each stored name once.
  void fill_choices() { fill_file_name_choices(box_, RecordLists<Record>::records(host_.work())); }

  // Stores the panel under the box's name; a new name joins the choices.
  void store() {
    const std::string name = box_.text();
    if (RecordLists<Record>::store(host_.work(), name, take_fields_).created)
      add_file_name_choice(box_, name);
  }

  // After the record of `name` was deleted: its choice goes unless another record keeps it.
  void drop_choice(const std::string& name) {
    drop_file_name_choice(box_, RecordLists<Record>::records(host_.work()), name);
  }

  // "Igen" of the delete question: the record the box names goes, with what refers to it; then
  // the panel is reset and the name leaves the choices. The working copy is emptied either way.
  void erase(const std::function<void()>& reset) {
    const std::string name = box_.text();
    if (RecordLists<Record>::erase(host_.work(), name)) {
      reset();
      drop_choice(name);
    }
    RecordLists<Record>::clear_working(host_.work());
  }

  // What the panels' long text and "Kész" do alike: the long text refuses the line that would
  // end it early in the work file; "Kész" commits and shows the refusal, if any.
  void bind(controls::Memo& long_text, controls::Button& ready,
            std::function<std::optional<std::string>()> commit) {
    long_text.on_change = [&long_text] {
      empty_if_holding(long_text, long_text_end(RecordLists<Record>::block()));
    };
    ready.on_click = [this, commit = std::move(commit)] { back_to_name(commit()); };
  }

  // How "Kész" and "Új" end: a refusal shown, and the builder back at the file name.
  void back_to_name(const std::optional<std::string>& refusal = std::nullopt) {
    if (refusal) host_.debug(*refusal);
    host_.focus().set(&box_);
  }

 private:
  EditorHost& host_;
  controls::ComboBox& box_;
  std::function<void(Record&)> take_fields_;
  std::function<void(const Record&)> show_;
  TypedNameMatch<Record> typed_;
};

}  // namespace tamo::editors
