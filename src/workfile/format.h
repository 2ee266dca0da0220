#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/records.h"

// The keys of the work file and the fields they carry, shared by the writer and the reader.
namespace tamo::workfile::format {

inline constexpr std::string_view kCreatorProject = "CREATORPROJECT";
inline constexpr std::string_view kCreatorName = "CREATORNAME";
inline constexpr std::string_view kCreatorMail = "CREATORMAIL";
inline constexpr std::string_view kCreatorDesc = "CREATORDESC";
inline constexpr std::string_view kCreatorDescEnd = "CREATORDESCEND";

enum class Kind {
  kText,  // key line and value line, left out when the value is empty
  kLong,  // key line and the text's lines, left out when empty; the end line always
  kList,  // key line, key and value lines of the non-empty entries, "MIXEDEND"
};

template <class Record>
struct Field {
  std::string_view key;
  Kind kind;
  Text Record::*text = nullptr;       // kText and kLong
  MixedList Record::*list = nullptr;  // kList
  std::string_view long_end = {};     // kLong
};

template <class Record>
struct Block {
  std::string_view begin;
  std::string_view end;
  std::span<const Field<Record>> fields;  // in the order the writer emits them
};

const Block<droom>& room_block();
const Block<dmons>& monster_block();
const Block<ditem>& item_block();

}  // namespace tamo::workfile::format
