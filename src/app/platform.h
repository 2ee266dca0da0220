#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tamo::app {

// Where `debug` sends its text: a modal box with one OK button in the window, a recorder in
// tests. Returns when the user dismissed it.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show_message(const std::string& text) = 0;
};

struct OpenFileRequest {
  std::filesystem::path start_dir;
  std::string filter_caption;  // what the user reads
  std::string pattern;         // what it matches
};

// The common open-file dialog; nothing when the user cancels.
class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  virtual std::optional<std::filesystem::path> choose(const OpenFileRequest& request) = 0;
};

enum class UnsavedAnswer { save, discard, cancel };

// Asked before unsaved work would be thrown away.
class UnsavedWorkQuestion {
 public:
  virtual ~UnsavedWorkQuestion() = default;
  virtual UnsavedAnswer ask(const std::string& text) = 0;
};

// Everything the application needs from the desktop around it.
struct Platform {
  MessageSink& messages;
  OpenFileDialog& open_file;
  UnsavedWorkQuestion& unsaved;
};

}  // namespace tamo::app
