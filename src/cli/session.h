#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/platform.h"
#include "app/workbench.h"

namespace tamo::cli {

// The headless program as tamo-cli runs it: what the window would show in a message box is
// recorded, the open-file dialog is never asked, and unsaved work is let go.
class Session : app::MessageSink, app::OpenFileDialog, app::UnsavedWorkQuestion {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  app::Workbench& bench() { return bench_; }
  app::Application& app() { return bench_.app(); }

  // "Betöltés" once this file was chosen; true when the file was read whole.
  bool open(const std::filesystem::path& path);
  // One user event, as the application runs it, except that running out of memory is no
  // message to go on after: it leaves tamo-cli.
  void run_event(const std::function<void()>& handler);

  std::size_t message_count() const { return messages_.size(); }
  // The messages shown since there were `from` of them.
  std::vector<std::string> messages_from(std::size_t from) const;

 private:
  void show_message(const std::string& text) override;
  std::optional<std::filesystem::path> choose(const app::OpenFileRequest&) override;
  app::UnsavedAnswer ask(const std::string&) override;

  std::vector<std::string> messages_;
  app::Workbench bench_;
};

// A message on one output line: its line breaks become blanks, and it is safe to show.
std::string one_line(std::string_view message);

}  // namespace tamo::cli
