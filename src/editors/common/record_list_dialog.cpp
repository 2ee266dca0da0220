#include "editors/common/record_list_dialog.h"

#include <utility>

namespace tamo::editors {

template <class Record>
RecordListDialog<Record>::RecordListDialog(EditorHost& host, const controls::ComboBox& file_name,
                                           MixedList Record::*list, std::string name,
                                           std::string caption)
    : form(std::move(name), std::move(caption)), host_(host), file_name_(file_name), list_(list) {
  attach_dialog_protocol(host_, form);
}

template <class Record>
const Record* RecordListDialog<Record>::stored() const {
  return RecordLists<Record>::stored(host_.work(), file_name_.text());
}

template <class Record>
MixedList& RecordListDialog<Record>::list() const {
  return RecordLists<Record>::working(host_.work()).*list_;
}

template <class Record>
void RecordListDialog<Record>::reload() {
  if (const Record* r = stored()) copy_mixed(r->*list_, list());
}

template <class Record>
void RecordListDialog<Record>::show(const controls::Control* focused) {
  open_dialog(host_, form);
  if (focused) host_.focus().set(focused);
}

template <class Record>
void RecordListDialog<Record>::write_through_and_close() {
  if (const Record* r = stored())
    RecordLists<Record>::write(host_.work(), r->filename, list_, list());
  form.close();
}

template class RecordListDialog<dmons>;
template class RecordListDialog<ditem>;

}  // namespace tamo::editors
