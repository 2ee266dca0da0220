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

struct SaveFileRequest {
  std::filesystem::path start_dir;
  std::string file_name;       // offered in the name box
  std::string filter_caption;  // what the user reads
  std::string pattern;         // what it matches
};

// The common save-file dialog; nothing when the user cancels. It does not ask before
// replacing a file: the application does, knowing where the work came from.
class SaveFileDialog {
 public:
  virtual ~SaveFileDialog() = default;
  virtual std::optional<std::filesystem::path> choose_save(const SaveFileRequest& request) = 0;
};

// Asked before a save replaces a file that may hold what the work lacks: "Igen" gives true;
// "Nem" is the default and Escape's answer.
class ReplaceQuestion {
 public:
  virtual ~ReplaceQuestion() = default;
  virtual bool ask_replace(const std::string& text) = 0;
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
  SaveFileDialog& save_file;
  ReplaceQuestion& replace;
};

}  // namespace tamo::app
