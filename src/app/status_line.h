#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/work.h"

namespace tamo::app {

// One short Hungarian line telling what the last user event achieved. It adds to the
// message flows, which stay silent on success, and never replaces a message box.
class StatusLine {
 public:
  const std::string& text() const { return text_; }
  // Grows with every line told, so the same line told twice still shows as new.
  std::uint64_t revision() const { return revision_; }
  void tell(std::string text) {
    text_ = std::move(text);
    ++revision_;
  }

 private:
  std::string text_;
  std::uint64_t revision_ = 0;
};

// The lines themselves.
std::string loaded_line(const std::filesystem::path& path, const Work& work, bool whole);
std::string saved_line(const std::filesystem::path& path);
// "kapu szoba tárolva"; `kind` is "szoba", "élőlény" or "tárgy".
std::string stored_line(std::string_view name, std::string_view kind);

inline constexpr std::string_view kLineNewWork = "Új munka";
inline constexpr std::string_view kLineBalanced = "A tárgy megfelel az egyensúlynak";
inline constexpr std::string_view kLineDescriptionStored = "Leírás tárolva";
inline constexpr std::string_view kLineCreatorDataStored = "A munka adatai tárolva";

}  // namespace tamo::app
