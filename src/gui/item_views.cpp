#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "gui/all_views.h"

namespace tamo::gui {

namespace {

using editors::ItemEditor;

// Wide enough for `digits` characters, so a short number field does not stretch.
void fit_digits(QLineEdit* line, int digits) {
  line->setMaximumWidth(line->fontMetrics().horizontalAdvance(QString(digits + 2, '0')) + 12);
}

// Buttons in a row, pushed to the right.
QHBoxLayout* right_row(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

// Number fields share a small form, one width for all; the hints explain their units.
QFormLayout* number_rows(ItemEditor& e, Screen& s) {
  auto* rows = new QFormLayout;
  for (controls::Edit* box : {&e.itemminlevel, &e.rarity, &e.weight, &e.value}) {
    QLineEdit* line = s.edit(*box);
    fit_digits(line, 5);
    rows->addRow(s.label_for(*box), line);
  }
  return rows;
}

// "Ha fegyver": the damage dice as "wc1 d wc2", then one or two hands.
QGroupBox* weapon_group(ItemEditor& e, Screen& s) {
  QGroupBox* group = s.group(e.ifweapon);
  auto* row = new QHBoxLayout(group);
  row->addWidget(s.label_for(e.wc1));
  for (QLineEdit* line : {s.edit(e.wc1), s.edit(e.wc2)}) fit_digits(line, 2);
  row->addWidget(s.widget_of(e.wc1));
  row->addWidget(s.label(e.wcd));
  row->addWidget(s.widget_of(e.wc2));
  s.set_accessible_name(e.wc2, "Sebzés, a kocka oldalainak száma");
  row->addSpacing(16);
  // Already inside a titled frame: no second frame around the two choices.
  QGroupBox* hands = s.radio(e.two_handed);
  hands->setStyleSheet("QGroupBox#two_handed { border: none; margin: 0; padding: 0; }");
  row->addWidget(hands);
  row->addStretch();
  return group;
}

// "Ha étel vagy ital": the two messages side by side with the strength.
QGroupBox* food_group(ItemEditor& e, Screen& s) {
  QGroupBox* group = s.group(e.ifkajapia);
  auto* grid = new QGridLayout(group);
  grid->addWidget(s.label_for(e.my_mess), 0, 0);
  grid->addWidget(s.edit(e.my_mess), 0, 1);
  grid->addWidget(s.label_for(e.strength), 0, 2);
  QLineEdit* strength = s.edit(e.strength);
  fit_digits(strength, 2);
  grid->addWidget(strength, 0, 3);
  grid->addWidget(s.label_for(e.your_mess), 1, 0);
  grid->addWidget(s.edit(e.your_mess), 1, 1, 1, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

void item_panel_view(ItemEditor& e, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);

  auto* texts = new QFormLayout;
  texts->addRow(s.label_for(e.panel.filename), s.combo(e.panel.filename));
  texts->addRow(s.label_for(e.panel.name), s.edit(e.panel.name));
  texts->addRow(s.label_for(e.panel.short_text), s.edit(e.panel.short_text));
  QPlainTextEdit* long_ = s.memo(e.panel.long_text);
  long_->setMinimumHeight(48);
  texts->addRow(s.label_for(e.panel.long_text), long_);
  column->addLayout(texts, 1);

  auto* kind = new QHBoxLayout;
  kind->addLayout(number_rows(e, s));
  kind->addSpacing(12);
  auto* type = new QFormLayout;
  QComboBox* itemtype = s.combo(e.itemtype);
  itemtype->setMinimumContentsLength(12);
  type->addRow(s.label_for(e.itemtype), itemtype);
  type->addRow(s.check(e.invisitem));
  kind->addLayout(type);
  kind->addSpacing(12);
  kind->addWidget(s.radio(e.is_weapon), 1);
  column->addLayout(kind);

  // Only one of the two groups applies to a kind; the core hides the other.
  column->addWidget(weapon_group(e, s));
  column->addWidget(food_group(e, s));

  auto* buttons = new QHBoxLayout;
  for (controls::Button* b : {&e.panel.ids_button, &e.antis, &e.bonuses})
    buttons->addWidget(s.button(*b));
  buttons->addStretch();
  for (controls::Button* b : {&e.panel.delete_button, &e.panel.new_button, &e.panel.ready_button})
    buttons->addWidget(s.button(*b));
  column->addLayout(buttons);
}

// "Tárgy törlése": "Nem" answers Enter and Escape, so only a deliberate "Igen" deletes.
void delete_view(editors::ConfirmDeleteDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(24, 16, 24, 16);
  column->setSpacing(16);
  column->addWidget(s.label(d.question), 0, Qt::AlignCenter);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(s.button(d.yes));
  row->addWidget(s.button(d.nemtorles));
  row->addStretch();
  column->addLayout(row);
  s.set_dialog_buttons(d.form, &d.nemtorles, &d.nemtorles);
}

// "Azonosítók": the new word, the move buttons, the item's words.
void ids_view(editors::IdsDialog<ditem>& d, Screen& s, QWidget* page) {
  auto* grid = new QGridLayout(page);
  // Both sides are caption-less: the labels name them.
  QLineEdit* word = s.edit(d.word);
  QListWidget* words = s.list(d.words);
  auto name_above = [&](controls::Control& control, QWidget* widget, const QString& name,
                        int column) {
    auto* label = new QLabel(name);
    label->setBuddy(widget);
    grid->addWidget(label, 0, column);
    s.set_accessible_name(control, name);
  };
  name_above(d.word, word, "Új azonosító", 0);
  name_above(d.words, words, "Azonosítók", 2);
  grid->addWidget(word, 1, 0);
  auto* moves = new QVBoxLayout;
  moves->addWidget(s.button(d.Button1));
  moves->addWidget(s.button(d.Button2));
  moves->addStretch();
  grid->addLayout(moves, 1, 1, 2, 1);
  grid->addWidget(words, 1, 2, 2, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  grid->addLayout(right_row({s.button(d.Button3)}), 3, 0, 1, 3);
  s.set_entry_button(d.word, d.Button1);
  page->resize(400, 240);
}

// "Nem engedélyezett osztályok, jellemek": one column per family of classes.
void antis_view(editors::ItemAntisDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  QGroupBox* alignments = s.group(d.jellemek);
  auto* alignment_row = new QHBoxLayout(alignments);
  for (controls::CheckBox* box : d.alignment_boxes()) alignment_row->addWidget(s.check(*box));
  alignment_row->addStretch();
  column->addWidget(alignments);

  QGroupBox* classes = s.group(d.osztalyok);
  auto* grid = new QGridLayout(classes);
  constexpr int kFamilySize = 5;
  int i = 0;
  for (controls::CheckBox* box : d.class_boxes()) {
    grid->addWidget(s.check(*box), i % kFamilySize, i / kFamilySize);
    ++i;
  }
  column->addWidget(classes);

  auto* row = new QHBoxLayout;
  row->addWidget(s.button(d.Button1));
  row->addWidget(s.button(d.Button2));
  row->addStretch();
  row->addWidget(s.button(d.Button3));
  row->addWidget(s.button(d.Button4));
  column->addLayout(row);
  s.set_dialog_buttons(d.form, nullptr, &d.Button4);
}

// "Bónuszok": two columns of seven, in the record's order, the fields all of one width.
void bonuses_view(editors::ItemBonusesDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  auto* halves = new QHBoxLayout;
  constexpr int kPerColumn = 7;
  QFormLayout* rows = nullptr;
  int i = 0;
  for (controls::Edit* box : d.boxes()) {
    if (i++ % kPerColumn == 0) {
      if (rows) halves->addSpacing(16);
      rows = new QFormLayout;
      halves->addLayout(rows);
    }
    QLineEdit* line = s.edit(*box);
    fit_digits(line, 4);
    rows->addRow(s.label_for(*box), line);
  }
  column->addLayout(halves);
  column->addStretch();
  column->addLayout(right_row({s.button(d.Button1), s.button(d.Button2)}));
  s.set_dialog_buttons(d.form, nullptr, &d.Button2);
}

}  // namespace

Views item_views(app::Workbench& bench) {
  ItemEditor& e = bench.item_editor();
  return {
      {"item", [&e](Screen& s, QWidget* page) { item_panel_view(e, s, page); }},
      {"Form11", [&e](Screen& s, QWidget* page) { delete_view(e.panel.delete_dialog, s, page); }},
      {"Form12", [&e](Screen& s, QWidget* page) { ids_view(e.panel.ids_dialog, s, page); }},
      {"Form13", [&e](Screen& s, QWidget* page) { antis_view(e.antis_dialog, s, page); }},
      {"Form14", [&e](Screen& s, QWidget* page) { bonuses_view(e.bonuses_dialog, s, page); }},
  };
}

}  // namespace tamo::gui
