#include "editors/monster/creature_choices.h"

#include <algorithm>
#include <array>

namespace tamo::editors {

const std::vector<std::string>& creature_races() {
  // "vakond" stands twice on purpose: stored creatures were made with this very list.
  // clang-format off
  static const std::vector<std::string> races{
    "alakvalto", "angyal", "antilop", "arkangyal", "arnyek", "avatar", "babu", "bagoly", "balna",
    "balrog", "barnamedve", "beka", "boleny", "bolha", "borz", "brownie", "capa", "cickany",
    "csiga", "csillag", "csillagkep", "csimpanz", "csontvaz", "csontvazharcos", "delfin", "demon",
    "demonherceg", "demonur", "denever", "deodant", "diszno", "dzsinn", "eger", "elefant",
    "elemental", "elf", "elohalott", "ember", "faember", "farkas", "farkasember", "felelf",
    "feline", "felogre", "felork", "felszerzet", "fereg", "foka", "foldelemental", "fonix",
    "fulemule", "gargoyle", "gepard", "ghoul", "gnom", "goblin", "golem", "goreny", "gorilla",
    "gremlin", "grizzly", "gyik", "hal", "halember", "hamka", "heja", "hidra", "hiena", "hullafalo",
    "idegen", "isten", "jegesmedve", "kentaur", "keselyu", "kigyomedve", "kobold", "krokodil",
    "kukuc", "kutya", "legelemental", "lelekrablo", "leopard", "leprachun", "lich", "liderc", "lo",
    "macska", "mano", "massza", "meduza", "menyet", "minotaurusz", "mocsari demon", "mocsari torpe",
    "mokus", "mumia", "nimfa", "nyul", "ogre", "ordog", "orias", "oriasfereg", "oriasgyik",
    "oriaskigyo", "oriaspatkany", "oriaspillango", "oriaspok", "oriasteknos", "ork", "oroszlan",
    "orrszarvu", "oz", "papagaj", "patkany", "patkanyember", "pavian", "pingvin", "piranha", "pok",
    "polip", "rak", "rigo", "roka", "rozmar", "sakal", "sarkany", "sarkanyfattyu", "sarkanygyik",
    "sarkanymedve", "sarkcsillag", "sas", "sello", "siklo", "solyom", "sotetelf", "szarvas",
    "szarvasmarha", "szatir", "szellem", "szketemisz", "szunyog", "szurke torpe", "tanar'ri",
    "tapir", "teknosbeka", "teve", "tigris", "titan", "torpe", "troll", "tucsok", "tunder",
    "tundersarkany", "tuzelemental", "twk", "unikornis", "urge", "vaddiszno", "vakond", "vakond",
    "vampir", "vereb", "verfarkas", "verszivo", "vipera", "vizimano", "zerge", "zombi", "zsiraf"};
  // clang-format on
  return races;
}

const std::vector<std::string>& creature_genders() {
  static const std::vector<std::string> genders{"ferfi", "no", "veletlenszeru"};
  return genders;
}

const std::vector<std::string>& creature_classes() {
  static const std::vector<std::string> classes{
      "nincs",       "harcos",    "tolvaj",        "pap",          "magus",
      "lovag",       "erdojaro",  "kardmuvesz",    "barbar",       "paladin",
      "szerzetes",   "druida",    "saman",         "bard",         "arnyjaro",
      "fejvadasz",   "utonallo",  "elementalista", "tuzmagus",     "vizmagus",
      "levegomagus", "foldmagus", "mentalista",    "illuzionista", "nekromanta"};
  return classes;
}

namespace {

using ClassList = std::vector<std::string_view>;

const std::array<ClassList, 3>& class_lists() {
  static const std::array<ClassList, 3> lists{
      ClassList{"", "nincs", "lovag", "erdojaro", "harcos", "kardmuvesz", "bard", "tolvaj", "pap",
                "paladin", "szerzetes", "mentalista", "elementalista", "tuzmagus", "vizmagus",
                "levegomagus", "foldmagus", "magus"},
      ClassList{"",           "nincs",       "erdojaro",    "harcos",
                "kardmuvesz", "barbar",      "bard",        "tolvaj",
                "arnyjaro",   "fejvadasz",   "pap",         "druida",
                "szerzetes",  "saman",       "mentalista",  "elementalista",
                "tuzmagus",   "vizmagus",    "levegomagus", "foldmagus",
                "magus",      "illuzionista"},
      ClassList{"",
                "nincs",
                "harcos",
                "kardmuvesz",
                "barbar",
                "bard",
                "tolvaj",
                "arnyjaro",
                "fejvadasz",
                "pap",
                "saman",
                "mentalista",
                "elementalista",
                "tuzmagus",
                "vizmagus",
                "levegomagus",
                "foldmagus",
                "magus",
                "illuzionista",
                "nekromanta",
                "utonallo"}};
  return lists;
}

bool in(const ClassList& list, std::string_view text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

bool classes_fit(std::string_view class1, std::string_view class2, std::string_view class3) {
  return std::any_of(class_lists().begin(), class_lists().end(), [&](const ClassList& list) {
    return in(list, class1) && in(list, class2) && in(list, class3);
  });
}

}  // namespace tamo::editors
