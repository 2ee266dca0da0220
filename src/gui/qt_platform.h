#pragma once

#include <functional>

#include "app/platform.h"

class QFileDialog;
class QString;
class QWidget;

namespace tamo::gui {

// The desktop as the application sees it: message boxes, questions and the file dialogs.
class QtPlatform : public app::MessageSink,
                   public app::OpenFileDialog,
                   public app::UnsavedWorkQuestion,
                   public app::SaveFileDialog,
                   public app::ReplaceQuestion {
 public:
  app::Platform ports() { return {*this, *this, *this, *this, *this}; }
  // Runs before a modal window opens, so the screen behind it is up to date.
  void set_before_modal(std::function<void()> step) { before_modal_ = std::move(step); }

  void show_message(const std::string& text) override;
  std::optional<std::filesystem::path> choose(const app::OpenFileRequest& request) override;
  app::UnsavedAnswer ask(const std::string& text) override;
  std::optional<std::filesystem::path> choose_save(const app::SaveFileRequest& request) override;
  bool ask_replace(const std::string& text) override;

 private:
  QWidget* parent() const;
  std::function<void()> before_modal_;
};

// The open-file dialog as the request describes it; its filter reads filter_caption but
// matches pattern.
void configure_open_dialog(QFileDialog& dialog, const app::OpenFileRequest& request);
// The save-file dialog: the core asks before replacing, so the dialog does not.
void configure_save_dialog(QFileDialog& dialog, const app::SaveFileRequest& request);
// A chosen file's path with the bytes of its name as the system holds them, so that a name
// that is not UTF-8 still opens.
std::filesystem::path chosen_path(const QString& file);

}  // namespace tamo::gui
