#pragma once

#include <string>
#include <string_view>

#include "model/work.h"

namespace tamo::workfile {

// Where the writer's lines go: a list of lines, or bytes on their way to a file.
class LineSink {
 public:
  virtual ~LineSink() = default;
  // "to file": takes the next line of the work file, without its line end.
  virtual void tf(std::string_view line) = 0;
};

// Emits the whole work in file order.
void emit_work(const Work& work, LineSink& sink);
// The pieces of the whole, each as the file holds it: the creator data, the description
// (nothing when empty), one record's block.
void emit_creator(const Work& work, LineSink& sink);
void emit_description(const Work& work, LineSink& sink);
void emit_record(const droom& room, LineSink& sink);
void emit_record(const dmons& mons, LineSink& sink);
void emit_record(const ditem& item, LineSink& sink);

// Appends the line as the file holds it: Windows-1250, then CR LF. Returns how many
// characters became "?".
std::size_t append_encoded_line(std::string& out, std::string_view line);

}  // namespace tamo::workfile
