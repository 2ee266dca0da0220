#include "gui/qt_platform.h"

#include <QApplication>
#include <QFile>
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

bool QtPlatform::ask_replace(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, qs(std::string(app::kAppCaption)), qs(text),
                  QMessageBox::NoButton, parent());
  box.setObjectName("replace");
  QPushButton* yes = box.addButton(qs(std::string(app::kAnswerYes)), QMessageBox::YesRole);
  QPushButton* no = box.addButton(qs(std::string(app::kAnswerNo)), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

std::filesystem::path chosen_path(const QString& file) {
  QByteArray bytes = QFile::encodeName(file);
  return std::filesystem::path(
      std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void configure_open_dialog(QFileDialog& dialog, const app::OpenFileRequest& request) {
  dialog.setObjectName("od");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDirectory(QFile::decodeName(request.start_dir.c_str()));
  // Only the last parenthesised group is matched and then hidden, so the user reads the
  // caption while "*.tam*" does the matching.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(qs(request.filter_caption + " (" + request.pattern + ")"));
}

std::optional<std::filesystem::path> QtPlatform::choose(const app::OpenFileRequest& request) {
  QFileDialog dialog(parent());
  configure_open_dialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return chosen_path(dialog.selectedFiles().front());
}

void configure_save_dialog(QFileDialog& dialog, const app::SaveFileRequest& request) {
  dialog.setObjectName("sd");
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDirectory(QFile::decodeName(request.start_dir.c_str()));
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(qs(request.filter_caption + " (" + request.pattern + ")"));
  dialog.setDefaultSuffix("tamo");
  dialog.selectFile(qs(request.file_name));
}

std::optional<std::filesystem::path> QtPlatform::choose_save(const app::SaveFileRequest& request) {
  QFileDialog dialog(parent());
  configure_save_dialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return chosen_path(dialog.selectedFiles().front());
}

}  // namespace tamo::gui
