#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/all_views.h"

namespace tamo::gui {

namespace {

using editors::MonsterEditor;

// Widgets side by side, for one cell of a grid or one line of a column.
QHBoxLayout* row_of(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : widgets) row->addWidget(w);
  return row;
}

// A dialog's "Kész", on the right.
QHBoxLayout* done_row(QPushButton* done) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(done);
  return row;
}

void creature_view(MonsterEditor& m, Screen& s, QWidget* page) {
  auto* grid = new QGridLayout(page);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  int row = 0;
  auto pair = [&](controls::Control& left, QWidget* left_widget, controls::Control& right,
                  QWidget* right_widget) {
    grid->addWidget(s.label_for(left), row, 0);
    grid->addWidget(left_widget, row, 1);
    grid->addWidget(s.label_for(right), row, 2);
    grid->addWidget(right_widget, row, 3);
    ++row;
  };
  auto wide = [&](controls::Control& control, QWidget* widget) {
    grid->addWidget(s.label_for(control), row, 0);
    grid->addWidget(widget, row, 1, 1, 3);
    ++row;
  };

  grid->addWidget(s.label_for(m.panel.filename), row, 0);
  grid->addWidget(s.combo(m.panel.filename), row, 1);
  grid->addWidget(s.label_for(m.level), row, 2);
  grid->addLayout(row_of({s.edit(m.level), s.button(m.panel.ids_button)}), row, 3);
  ++row;
  wide(m.panel.name, s.edit(m.panel.name));
  wide(m.panel.short_text, s.edit(m.panel.short_text));
  grid->addWidget(s.label_for(m.panel.long_text), row, 0, Qt::AlignTop);
  grid->addWidget(s.memo(m.panel.long_text), row, 1, 1, 3);
  grid->setRowStretch(row++, 1);
  pair(m.race, s.combo(m.race), m.gender, s.combo(m.gender));
  // One label for the three class boxes.
  grid->addWidget(s.label_for(m.class1), row, 0);
  grid->addLayout(row_of({s.combo(m.class1), s.combo(m.class2), s.combo(m.class3)}), row++, 1, 1,
                  3);
  pair(m.money, s.edit(m.money), m.aggressive, s.edit(m.aggressive));
  pair(m.alignment, s.edit(m.alignment), m.speed, s.edit(m.speed));
  grid->addWidget(s.label_for(m.spemspeed), row, 2);
  grid->addWidget(s.edit(m.spemspeed), row++, 3);

  QGroupBox* further = s.group(m.further_traits);
  auto* lists = new QHBoxLayout(further);
  for (controls::Button* b : {&m.Button10, &m.Button9, &m.Button12}) lists->addWidget(s.button(*b));
  grid->addWidget(further, row++, 0, 1, 4);

  auto* commands = new QHBoxLayout;
  commands->addWidget(s.button(m.panel.delete_button));
  commands->addWidget(s.button(m.panel.new_button));
  commands->addStretch();
  commands->addWidget(s.button(m.panel.ready_button));
  grid->addLayout(commands, row, 0, 1, 4);
}

void delete_view(editors::ConfirmDeleteDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  QLabel* question = s.label(d.question);
  question->setAlignment(Qt::AlignCenter);
  column->addWidget(question);
  auto* answers = new QHBoxLayout;
  answers->addStretch();
  answers->addWidget(s.button(d.yes));
  answers->addWidget(s.button(d.nemtorles));
  answers->addStretch();
  column->addLayout(answers);
  // "Nem" is the safe answer to Enter and Escape alike.
  s.set_dialog_buttons(d.form, &d.nemtorles, &d.nemtorles);
  page->resize(320, 110);
}

// A sentence dialog's half: the caption and list above, the edit and its buttons below.
struct SentenceHalf {
  controls::ListBox& box;
  controls::Edit& edit;
  controls::Button& add;
  controls::Button& take_back;
  QString edit_name;  // the edit has no caption of its own
};

// Form9 and Form10: any-time sentences above, combat sentences below.
void sentence_view(Screen& s, QWidget* page, std::initializer_list<SentenceHalf> halves,
                   controls::Button& done) {
  auto* column = new QVBoxLayout(page);
  for (const SentenceHalf& h : halves) {
    column->addWidget(s.label_for(h.box));
    column->addWidget(s.list(h.box), 1);
    column->addLayout(row_of({s.edit(h.edit), s.button(h.add), s.button(h.take_back)}));
    s.set_accessible_name(h.edit, h.edit_name);
    s.set_entry_button(h.edit, h.add);
    column->addSpacing(8);
  }
  column->addLayout(done_row(s.button(done)));
  page->resize(560, 460);
}

// A label above a widget whose control has no caption of its own; a screen reader speaks it.
QLabel* name_label(Screen& s, const controls::Control& control, QWidget* widget,
                   const QString& name) {
  auto* label = new QLabel(name);
  label->setBuddy(widget);
  s.set_accessible_name(control, name);
  return label;
}

// Form8 and Form15: the choice on the left, "> >" and "< <" between, the list on the right,
// each side under its label. Enter in the choice adds it.
struct Side {
  controls::Control& control;
  QWidget* widget;
  QString name;
};
void transfer_view(Screen& s, QWidget* page, Side choice, controls::Button& add,
                   controls::Button& remove, controls::ListBox& box, const QString& box_name,
                   controls::Button& done) {
  auto* column = new QVBoxLayout(page);
  auto* sides = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(name_label(s, choice.control, choice.widget, choice.name));
  left->addWidget(choice.widget);
  left->addStretch();
  sides->addLayout(left, 1);
  auto* middle = new QVBoxLayout;
  middle->addWidget(s.button(add));
  middle->addWidget(s.button(remove));
  middle->addStretch();
  sides->addLayout(middle);
  auto* right = new QVBoxLayout;
  QListWidget* list = s.list(box);
  right->addWidget(name_label(s, box, list, box_name));
  right->addWidget(list, 1);
  sides->addLayout(right, 1);
  column->addLayout(sides, 1);
  s.set_entry_button(choice.control, add);
  column->addLayout(done_row(s.button(done)));
  page->resize(440, 240);
}

}  // namespace

Views monster_views(app::Workbench& bench) {
  MonsterEditor& m = bench.monster_editor();
  return {
      {"monster", [&m](Screen& s, QWidget* page) { creature_view(m, s, page); }},
      {"Form6", [&m](Screen& s, QWidget* page) { delete_view(m.panel.delete_dialog, s, page); }},
      {"Form8",
       [&d = m.panel.ids_dialog](Screen& s, QWidget* page) {
         transfer_view(s, page, {d.word, s.edit(d.word), "Új azonosító"}, d.Button1, d.Button2,
                       d.words, "Azonosítók", d.Button3);
       }},
      {"Form9",
       [&d = m.speech_dialog](Screen& s, QWidget* page) {
         sentence_view(
             s, page,
             {{d.speech, d.posspeech, d.Button1, d.Button2, "Új mondat"},
              {d.combatspeech, d.poscombatspeech, d.Button4, d.Button5, "Új harci mondat"}},
             d.Button3);
       }},
      {"Form10",
       [&d = m.emote_dialog](Screen& s, QWidget* page) {
         sentence_view(s, page,
                       {{d.emote, d.posemote, d.b1, d.b2, "Új cselekvés"},
                        {d.combatemote, d.poscombatemote, d.b3, d.b4, "Új harci cselekvés"}},
                       d.Button3);
       }},
      {"Form15",
       [&d = m.equipment_dialog](Screen& s, QWidget* page) {
         transfer_view(s, page, {d.posequipment, s.combo(d.posequipment), "Tárgy"}, d.Button1,
                       d.Button2, d.equipment, "Ami van nála", d.Button3);
       }},
  };
}

}  // namespace tamo::gui
