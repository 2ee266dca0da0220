#include "gui/console_output.h"

#include <algorithm>
#include <string_view>

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

namespace tamo::gui {

namespace {

// Whether every character takes the width of every other, as on a terminal. Some fixed-width
// faces (Noto Sans Mono) do not say so of themselves, so the widths are measured.
bool keeps_columns(const QFont& font) {
  if (QFontInfo(font).fixedPitch()) return true;
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(QChar('M'));
  for (QChar c : QString::fromUtf8("il.W őÁ_"))
    if (metrics.horizontalAdvance(c) != width) return false;
  return true;
}

}  // namespace

QFont terminal_font() {
  const int pixels = 13;
  QFont font;
  // Liberation Mono has the metrics of Courier New where the latter is not installed; where
  // neither is, the hints ask the font matcher for the machine's own fixed-pitch face.
  font.setFamilies({"Courier New", "Liberation Mono"});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(pixels);
  if (keeps_columns(font)) return font;
  // A matcher that ignores the hints still knows the desktop's fixed-pitch font.
  font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(pixels);
  return font;
}

void paint_as_terminal(QWidget* widget) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, Qt::black);
    palette.setColor(group, QPalette::Window, Qt::black);
    palette.setColor(group, QPalette::Text, Qt::white);
    palette.setColor(group, QPalette::PlaceholderText, Qt::gray);
  }
  widget->setPalette(palette);
  widget->setFont(terminal_font());
}

ConsoleOutput::ConsoleOutput(const testconsole::Output& output, QWidget* parent)
    : QPlainTextEdit(parent), output_(output) {
  paint_as_terminal(this);
  setFrameShape(QFrame::NoFrame);
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
  viewport()->setCursor(Qt::ArrowCursor);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void ConsoleOutput::redraw() {
  const auto& lines = output_.lines();
  std::uint64_t first_held = lines.empty() ? output_.next_seq() : lines.front().seq;
  if (first_held == first_shown_ && output_.next_seq() == next_shown_) return;

  QTextCursor cursor(document());
  cursor.beginEditBlock();
  if (first_held >= next_shown_) {
    // Cleared, or every line on screen scrolled off the top.
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    first_shown_ = next_shown_ = first_held;
  } else if (first_held > first_shown_) {
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor,
                        static_cast<int>(first_held - first_shown_));
    cursor.removeSelectedText();
    first_shown_ = first_held;
  }
  cursor.movePosition(QTextCursor::End);
  for (auto it = lines.begin() + static_cast<std::ptrdiff_t>(next_shown_ - first_held);
       it != lines.end(); ++it)
    append(cursor, *it);
  cursor.endEditBlock();

  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

namespace {

// The first `limit` bytes of the text, or fewer so that no character is cut in two.
std::size_t whole_characters(std::string_view text, std::size_t limit) {
  if (limit >= text.size()) return text.size();
  while (limit > 0 && (static_cast<unsigned char>(text[limit]) & 0xC0) == 0x80) --limit;
  return limit;
}

}  // namespace

void ConsoleOutput::append(QTextCursor& cursor, const testconsole::ConsoleLine& line) {
  if (next_shown_ > first_shown_) cursor.insertBlock();
  std::string_view text = line.text;
  std::size_t shown = whole_characters(text, kShownBytesPerLine);
  for (const testconsole::ColourRun& run : line.runs) {
    if (run.begin >= shown) break;
    std::size_t length = std::min(run.length, shown - run.begin);
    QTextCharFormat format;
    format.setForeground(QColor(static_cast<QRgb>(run.colour)));
    cursor.insertText(QString::fromUtf8(text.data() + run.begin, static_cast<qsizetype>(length)),
                      format);
  }
  if (shown < text.size()) {
    QTextCharFormat format;
    format.setForeground(QColor(static_cast<QRgb>(testconsole::kSilver)));
    cursor.insertText(QString::fromUtf8(kCutMark.data(), static_cast<qsizetype>(kCutMark.size())),
                      format);
  }
  next_shown_ = line.seq + 1;
}

}  // namespace tamo::gui
