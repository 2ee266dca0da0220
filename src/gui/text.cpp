#include "gui/text.h"

#include <QList>

#include "workfile/codec.h"

namespace tamo::gui {

QString qs(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

QString plain_caption(const std::string& caption) {
  QString out;
  QString in = qs(caption);
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == '&' && i + 1 < in.size()) ++i;
    out += in[i];
  }
  return out;
}

std::string typed_text(const QString& text) {
  return workfile::cp1250_safe(text.toStdString());
}

QString memo_to_screen(const std::string& text) {
  QString s = qs(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

std::string memo_to_core(const QString& text) {
  QString s = text;
  s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return typed_text(s);
}

std::size_t char_count(const QString& text) {
  return static_cast<std::size_t>(text.toUcs4().size());
}

}  // namespace tamo::gui
