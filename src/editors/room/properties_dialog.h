#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "controls/control.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/room/room_context.h"

namespace tamo::editors {

// Form2: where the room is, how light it is, and what may not be done in it.
class RoomPropertiesDialog {
 public:
  explicit RoomPropertiesDialog(RoomContext context);

  controls::Form form{"Form2", "Szoba jellemzők"};
  controls::RadioGroup indoors{"indoors", "Helyszín", {"Külső", "Belső"}};
  controls::RadioGroup light{
      "light",
      "Fények",
      {"Mágikus sötétség", "Teljes sötétség", "Nagyon sötét", "Sötétség", "Félhomály",
       "Átlagos fényviszonyok", "Világos", "Vakító fényesség", "Mágikus világosság"}};
  controls::Group nemszabad{"nemszabad", "Nem szabad"};
  controls::CheckBox noattack{"noattack", "harcolni"};
  controls::CheckBox nomagic{"nomagic", "varázsolni"};
  controls::CheckBox nosteal{"nosteal", "lopni"};
  controls::CheckBox noteleport{"noteleport", "teleportálni"};
  controls::CheckBox norest{"norest", "pihenni"};
  controls::CheckBox nosleep{"nosleep", "aludni"};
  controls::CheckBox notalk{"notalk", "beszélni"};
  controls::CheckBox nocommunicate{"nocommunicate", "kommunikálni"};
  controls::Button OkProperties{"OkProperties", "Kész"};

  // The panel's "Jellemzők".
  void open();
  void OkPropertiesClick();

 private:
  // The stored "light" is the choice's position minus this.
  static constexpr int kLightOffset = 3;

  std::array<std::pair<std::string_view, controls::CheckBox*>, 8> flags();

  RoomContext context_;
};

}  // namespace tamo::editors
