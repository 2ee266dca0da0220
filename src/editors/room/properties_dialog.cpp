#include "editors/room/properties_dialog.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "editors/common/check_keys.h"
#include "model/mixed_list.h"
#include "model/numbers.h"
#include "model/storing.h"

namespace tamo::editors {

namespace {

// A stored choice as a radio-group index: an empty or missing value reads as the default;
// a value far outside int range must not overflow on the way to the group's own clamping.
int stored_position(const MixedList& list, std::string_view key, std::string_view fallback,
                    int offset) {
  std::string value = query_mixed(list, key);
  std::int64_t position = std::int64_t{str2int(value.empty() ? fallback : value)} + offset;
  return static_cast<int>(std::clamp<std::int64_t>(position, -1, std::numeric_limits<int>::max()));
}

// With no choice shown (a stored value below the first choice) the stored value is kept
// rather than replaced by a number the builder never picked.
void store_position(MixedList& list, std::string_view key, int index, int offset) {
  if (index < 0 && !query_mixed(list, key).empty()) return;
  add_mixed(list, key, std::to_string(index - offset));
}

}  // namespace

RoomPropertiesDialog::RoomPropertiesDialog(RoomContext context) : context_(context) {
  attach_dialog_protocol(context_.host, form);
  OkProperties.on_click = [this] { OkPropertiesClick(); };
}

std::array<std::pair<std::string_view, controls::CheckBox*>, 8> RoomPropertiesDialog::flags() {
  return {{{"no attack", &noattack},
           {"no magic", &nomagic},
           {"no steal", &nosteal},
           {"no teleport", &noteleport},
           {"no rest", &norest},
           {"no sleep", &nosleep},
           {"no talk", &notalk},
           {"no communicate", &nocommunicate}}};
}

void RoomPropertiesDialog::open() {
  const droom* stored = context_.stored_room();
  const MixedList& source = stored ? stored->properties : context_.tmproom().properties;
  int indoors_index = 0;
  int light_index = 0;
  try {
    indoors_index = stored_position(source, "indoors", "0", 0);
    light_index = stored_position(source, "light", "2", kLightOffset);
  } catch (const ConversionError& e) {
    context_.host.debug(e.what());
    return;
  }
  MixedList& properties = context_.tmproom().properties;
  if (stored) copy_mixed(stored->properties, properties);
  indoors.set_index(indoors_index);
  light.set_index(light_index);
  show_checks(properties, flags());
  open_dialog(context_.host, form);
  context_.host.focus().set(&indoors);
}

void RoomPropertiesDialog::OkPropertiesClick() {
  MixedList& properties = context_.tmproom().properties;
  store_position(properties, "indoors", indoors.index(), 0);
  store_position(properties, "light", light.index(), kLightOffset);
  store_checks(properties, flags());
  if (const droom* stored = context_.stored_room())
    set_room_list(context_.work(), stored->filename, &droom::properties, properties);
  form.close();
}

}  // namespace tamo::editors
