#include "gui/binders.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>

namespace tamo::gui {

namespace {

// The length limit binds typing only: text the program set may be longer, and the user may
// still shorten it.
class TypingLimit : public QValidator {
 public:
  TypingLimit(QObject* parent, std::function<std::size_t()> limit,
              std::function<std::size_t()> current)
      : QValidator(parent), limit_(std::move(limit)), current_(std::move(current)) {}

  State validate(QString& input, int&) const override {
    std::size_t n = char_count(input);
    std::size_t limit = limit_();
    return limit == 0 || n <= limit || n <= current_() ? Acceptable : Invalid;
  }

 private:
  std::function<std::size_t()> limit_;
  std::function<std::size_t()> current_;
};

void set_line_text(QLineEdit* line, const QString& text) {
  if (line->text() == text) return;
  int cursor = line->cursorPosition();
  line->setText(text);
  line->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
}

QString row_text(const QListWidget* list, int row) {
  return list->item(row)->text();
}
QString row_text(const QComboBox* box, int row) {
  return box->itemText(row);
}
void set_row_text(QListWidget* list, int row, const QString& text) {
  list->item(row)->setText(text);
}
void set_row_text(QComboBox* box, int row, const QString& text) {
  box->setItemText(row, text);
}

// Rows rewritten in place at most; a longer changed run is swapped out whole, which the
// view takes as two changes rather than one per row.
constexpr std::size_t kMostRewrites = 64;

// Changes only the run of rows that differs from what the widget shows (the rows before and
// after it stay, with their selection), so that a change to one line of a 100,000-row list
// costs about one row.
template <class Widget>
void write_items(Widget* widget, const std::vector<std::string>& items,
                 std::vector<std::string>& shown) {
  if (items == shown) return;
  const std::size_t most = std::min(items.size(), shown.size());
  std::size_t head = 0;
  while (head < most && items[head] == shown[head]) ++head;
  std::size_t tail = 0;
  while (tail < most - head && items[items.size() - 1 - tail] == shown[shown.size() - 1 - tail])
    ++tail;
  const std::size_t old_rows = shown.size() - head - tail;
  const std::size_t new_rows = items.size() - head - tail;
  const int at = static_cast<int>(head);
  std::size_t rewritten = std::min(old_rows, new_rows);
  if (rewritten > kMostRewrites) rewritten = 0;
  for (std::size_t i = 0; i < rewritten; ++i) {
    const int row = at + static_cast<int>(i);
    QString text = qs(items[head + i]);
    if (row_text(widget, row) != text) set_row_text(widget, row, text);
  }
  if (old_rows > rewritten)
    widget->model()->removeRows(at + static_cast<int>(rewritten),
                                static_cast<int>(old_rows - rewritten));
  if (new_rows > rewritten) {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(new_rows - rewritten));
    for (std::size_t i = head + rewritten; i < head + new_rows; ++i) rows << qs(items[i]);
    widget->insertItems(at + static_cast<int>(rewritten), rows);
  }
  // A list that made room for the rows to come is filled a slice at a time: so is this copy.
  shown.reserve(items.capacity());
  auto from = shown.begin() + static_cast<std::ptrdiff_t>(head);
  from = shown.erase(from, from + static_cast<std::ptrdiff_t>(old_rows));
  shown.insert(from, items.begin() + static_cast<std::ptrdiff_t>(head),
               items.begin() + static_cast<std::ptrdiff_t>(head + new_rows));
}

}  // namespace

Binder::Binder(const controls::Control& control, QWidget* widget)
    : control_(control), widget_(widget) {
  widget_->setObjectName(qs(control.name()));
}

void Binder::sync() {
  if (!stale_ && seen_revision_ == control_.revision()) return;
  stale_ = false;
  seen_revision_ = control_.revision();
  QSignalBlocker block(widget_);
  write_common();
  write();
}

void Binder::set_spoken_name(const QString& name) {
  spoken_name_ = name;
  stale_ = true;
}

void Binder::write_common() {
  const std::string& caption = control_.caption();
  widget_->setAccessibleName(caption.empty() ? spoken_name_ : plain_caption(caption));
  widget_->setToolTip(qs(control_.hint()));
  widget_->setEnabled(control_.enabled());
  // A widget not yet placed in a layout would pop up as a window of its own.
  if (widget_->parentWidget()) widget_->setVisible(control_.visible());
}

EditBinder::EditBinder(Screen& screen, controls::Edit& edit)
    : Binder(edit, new QLineEdit), edit_(edit) {
  QLineEdit* l = line();
  l->setValidator(new TypingLimit(
      l, [&edit] { return edit.max_length(); },
      [&edit] { return controls::utf8_length(edit.text()); }));
  // Any change but the program's own (written with signals blocked) is the user's: typing,
  // undo, a paste from the menu or an accessibility tool setting the text.
  QObject::connect(l, &QLineEdit::textChanged, l, [this, &screen](const QString& text) {
    user_changed();
    screen.run([this, t = typed_text(text)] { edit_.user_set_text(t); });
  });
}

QLineEdit* EditBinder::line() const {
  return static_cast<QLineEdit*>(widget());
}

void EditBinder::write() {
  line()->setReadOnly(edit_.read_only());
  set_line_text(line(), qs(edit_.text()));
}

MemoBinder::MemoBinder(Screen& screen, controls::Memo& memo)
    : Binder(memo, new QPlainTextEdit), memo_(memo) {
  QPlainTextEdit* box = text_box();
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab walks on through the form, as from every other field; a tab in the text is no use.
  box->setTabChangesFocus(true);
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [this, &screen, box] {
    std::string text = memo_to_core(box->toPlainText());
    if (text == memo_.text()) return;
    user_changed();
    screen.run([this, &text] { memo_.user_set_text(text); });
  });
}

QPlainTextEdit* MemoBinder::text_box() const {
  return static_cast<QPlainTextEdit*>(widget());
}

void MemoBinder::write() {
  QPlainTextEdit* box = text_box();
  box->setReadOnly(memo_.read_only());
  QString text = memo_to_screen(memo_.text());
  if (box->toPlainText() == text) return;
  int cursor = box->textCursor().position();
  box->setPlainText(text);
  QTextCursor c = box->textCursor();
  c.setPosition(std::min<int>(cursor, static_cast<int>(text.size())));
  box->setTextCursor(c);
}

ComboBinder::ComboBinder(Screen& screen, controls::ComboBox& combo)
    : Binder(combo, new QComboBox), combo_(combo) {
  QComboBox* b = box();
  b->setInsertPolicy(QComboBox::NoInsert);
  b->setMaxVisibleItems(20);
  if (combo.style() == controls::ComboBox::Style::editable) {
    b->setEditable(true);
    b->setCompleter(nullptr);
    QLineEdit* line = b->lineEdit();
    line->setValidator(new TypingLimit(
        line, [&combo] { return combo.max_length(); },
        [&combo] { return controls::utf8_length(combo.text()); }));
    QObject::connect(line, &QLineEdit::textEdited, b, [this, &screen](const QString& text) {
      user_changed();
      screen.run([this, t = typed_text(text)] { combo_.user_set_text(t); });
    });
  }
  QObject::connect(b, &QComboBox::activated, b, [this, &screen](int index) {
    user_changed();
    screen.run([this, index] { combo_.user_select(index); });
  });
}

QComboBox* ComboBinder::box() const {
  return static_cast<QComboBox*>(widget());
}

void ComboBinder::write() {
  QComboBox* b = box();
  write_items(b, combo_.items(), shown_items_);
  if (b->currentIndex() != combo_.selected()) b->setCurrentIndex(combo_.selected());
  if (b->isEditable()) set_line_text(b->lineEdit(), qs(combo_.text()));
}

ListBinder::ListBinder(Screen& screen, controls::ListBox& list)
    : Binder(list, new QListWidget), list_(list) {
  QListWidget* w = list_widget();
  QObject::connect(w, &QListWidget::currentRowChanged, w, [this, &screen](int row) {
    user_changed();
    screen.run([this, row] { list_.user_select(row); });
  });
  // Double-click, or Enter on a row, as the desktop takes it.
  QObject::connect(w, &QListWidget::itemActivated, w, [this, &screen, w](QListWidgetItem* item) {
    int row = w->row(item);
    screen.run([this, row] { list_.user_activate(row); });
  });
}

QListWidget* ListBinder::list_widget() const {
  return static_cast<QListWidget*>(widget());
}

void ListBinder::write() {
  QListWidget* w = list_widget();
  write_items(w, list_.items(), shown_items_);
  const int chosen = list_.selected();
  if (chosen < 0) {
    if (w->currentRow() != -1) w->setCurrentRow(-1);
    w->clearSelection();
  } else if (w->currentRow() != chosen || !w->item(chosen)->isSelected()) {
    // A row swapped out under the current one leaves the current row unselected.
    w->setCurrentRow(chosen, QItemSelectionModel::ClearAndSelect);
  }
}

RadioBinder::RadioBinder(Screen& screen, controls::RadioGroup& radio)
    : Binder(radio, new QGroupBox), radio_(radio), buttons_(new QButtonGroup(widget())) {
  auto* grid = new QGridLayout(group_box());
  const auto& items = radio.items();
  int count = static_cast<int>(items.size());
  int columns = std::max(1, radio.columns());
  int rows = std::max(1, (count + columns - 1) / columns);
  // Filled down each column first, as a radio group lays out its items.
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(qs(items[i]));
    button->setObjectName(qs(radio.name() + "_" + std::to_string(i)));
    buttons_->addButton(button, i);
    grid->addWidget(button, i % rows, i / rows);
  }
  // Toggled, not clicked: the keyboard's arrows and accessibility actions toggle too.
  QObject::connect(buttons_, &QButtonGroup::idToggled, group_box(),
                   [this, &screen](int id, bool checked) {
                     if (!checked) return;
                     user_changed();
                     screen.run([this, id] { radio_.user_set_index(id); });
                   });
}

QGroupBox* RadioBinder::group_box() const {
  return static_cast<QGroupBox*>(widget());
}

void RadioBinder::write() {
  group_box()->setTitle(qs(radio_.caption()));
  QSignalBlocker block(buttons_);
  if (QAbstractButton* b = buttons_->button(radio_.index())) {
    b->setChecked(true);
    return;
  }
  buttons_->setExclusive(false);
  for (QAbstractButton* b : buttons_->buttons()) b->setChecked(false);
  buttons_->setExclusive(true);
}

CheckBinder::CheckBinder(Screen& screen, controls::CheckBox& check)
    : Binder(check, new QCheckBox), check_(check) {
  auto* box = static_cast<QCheckBox*>(widget());
  QObject::connect(box, &QCheckBox::toggled, box, [this, &screen](bool checked) {
    user_changed();
    screen.run([this, checked] { check_.user_set_checked(checked); });
  });
}

void CheckBinder::write() {
  auto* box = static_cast<QCheckBox*>(widget());
  box->setText(qs(check_.caption()));
  box->setChecked(check_.checked());
}

ButtonBinder::ButtonBinder(Screen& screen, controls::Button& button)
    : Binder(button, new QPushButton) {
  auto* b = static_cast<QPushButton*>(widget());
  b->setAutoDefault(false);
  QObject::connect(b, &QPushButton::clicked, b,
                   [&screen, &button] { screen.run([&button] { button.click(); }); });
}

void ButtonBinder::write() {
  static_cast<QPushButton*>(widget())->setText(qs(control().caption()));
}

LabelBinder::LabelBinder(Screen&, controls::Label& label) : Binder(label, new QLabel) {}

void LabelBinder::write() {
  static_cast<QLabel*>(widget())->setText(qs(control().caption()));
}

GroupBinder::GroupBinder(Screen&, controls::Group& group) : Binder(group, new QGroupBox) {}

void GroupBinder::write() {
  static_cast<QGroupBox*>(widget())->setTitle(qs(control().caption()));
}

FormBinder::FormBinder(controls::Form& form, QWidget* widget, bool top_level, bool marks_unsaved)
    : Binder(form, widget), top_level_(top_level), marks_unsaved_(marks_unsaved) {}

void FormBinder::write_common() {
  widget()->setAccessibleName(plain_caption(control().caption()));
  widget()->setEnabled(control().enabled());
  if (top_level_) widget()->setVisible(control().visible());
}

void FormBinder::write() {
  // "[*]" is where the desktop shows the window-modified marker.
  if (top_level_) widget()->setWindowTitle(qs(control().caption()) + (marks_unsaved_ ? "[*]" : ""));
}

}  // namespace tamo::gui
