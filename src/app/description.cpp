#include "app/description.h"

#include "editors/common/field_filter.h"
#include "model/storing.h"
#include "workfile/format.h"

namespace tamo::app {

DescriptionPanel::DescriptionPanel(Work& work) : work_(work) {
  maindesc.on_change = [this] { maindescChange(); };
  descready.on_click = [this] { descreadyClick(); };
}

void DescriptionPanel::open() {
  maindesc.set_text(work_.desc);
  panel.show();
}

// A description holding the reader's end line would end the description early on loading
// and lose every record after it.
void DescriptionPanel::maindescChange() {
  editors::empty_if_holding(maindesc, workfile::format::kCreatorDescEnd);
}

void DescriptionPanel::descreadyClick() {
  set_description(work_, maindesc.text());
}

}  // namespace tamo::app
