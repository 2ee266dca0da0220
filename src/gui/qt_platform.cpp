#include "gui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/application.h"
#include "gui/text.h"

namespace tamo::gui {

QWidget* QtPlatform::parent() const {
  if (before_modal_) before_modal_();
  return QApplication::activeWindow();
}

void QtPlatform::show_message(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, qs(std::string(app::kAppCaption)), memo_to_screen(text),
                  QMessageBox::Ok, parent());
  box.setObjectName("debug");
  box.exec();
}

app::UnsavedAnswer QtPlatform::ask(const std::string& text) {
  QMessageBox box(QMessageBox::Question, qs(std::string(app::kAppCaption)), qs(text),
                  QMessageBox::NoButton, parent());
  box.setObjectName("unsaved");
  QPushButton* save = box.addButton(qs(std::string(app::kAnswerSave)), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(qs(std::string(app::kAnswerDiscard)), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(qs(std::string(app::kAnswerCancel)), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return app::UnsavedAnswer::save;
  if (box.clickedButton() == discard) return app::UnsavedAnswer::discard;
  return app::UnsavedAnswer::cancel;
}

void configure_open_dialog(QFileDialog& dialog, const app::OpenFileRequest& request) {
  dialog.setObjectName("od");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDirectory(QString::fromStdString(request.start_dir.string()));
  // Only the last parenthesised group is matched and then hidden, so the user reads the
  // caption while "*.tam*" does the matching.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(qs(request.filter_caption + " (" + request.pattern + ")"));
}

std::optional<std::filesystem::path> QtPlatform::choose(const app::OpenFileRequest& request) {
  QFileDialog dialog(parent());
  configure_open_dialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

}  // namespace tamo::gui
