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
// recorded, the file dialogs are never asked, unsaved work is let go, and a file in the way
// of a save is replaced: resave names where it writes.
class Session : app::MessageSink,
                app::OpenFileDialog,
                app::UnsavedWorkQuestion,
                app::SaveFileDialog,
                app::ReplaceQuestion {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  app::Workbench& bench() { return bench_; }
  app::Application& app() { return bench_.app(); }

  // "Betöltés" once this file was chosen; true when the file was read whole.
  bool open(const std::filesystem::path& path);
  // One user event, as the application runs it: a text that is no number is shown as a
  // message and tamo-cli goes on; any other failure (out of memory, no thread for the
  // loading) is no message to go on after and leaves the event to the caller.
  void run_event(const std::function<void()>& handler);

  // How a save answers the question before it replaces a file the work did not come from.
  // Nobody is there to ask: unless the caller allowed it, the answer is no, and the question
  // stays among the messages with the refusal.
  void allow_replacing(bool allowed) { replacing_allowed_ = allowed; }

  std::size_t message_count() const { return messages_.size(); }
  // The messages shown since there were `from` of them.
  std::vector<std::string> messages_from(std::size_t from) const;

 private:
  void show_message(const std::string& text) override;
  std::optional<std::filesystem::path> choose(const app::OpenFileRequest&) override;
  app::UnsavedAnswer ask(const std::string&) override;
  std::optional<std::filesystem::path> choose_save(const app::SaveFileRequest&) override;
  bool ask_replace(const std::string& question) override;

  bool replacing_allowed_ = false;
  std::vector<std::string> messages_;
  app::Workbench bench_;
};

// A message on one output line: its line breaks become blanks, and it is safe to show.
std::string one_line(std::string_view message);
// one_line(message) added to the end of `out`.
void append_one_line(std::string& out, std::string_view message);

}  // namespace tamo::cli
