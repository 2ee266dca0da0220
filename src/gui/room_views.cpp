#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "gui/all_views.h"

namespace tamo::gui {

namespace {

using editors::RoomEditor;

// The control's caption above its widget.
QVBoxLayout* captioned(Screen& s, const controls::Control& control, QWidget* widget) {
  auto* column = new QVBoxLayout;
  column->setSpacing(2);
  column->addWidget(s.label_for(control));
  column->addWidget(widget);
  return column;
}

// Buttons in a row at the right edge.
QHBoxLayout* button_row(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

QPushButton* arrow(QPushButton* button) {
  button->setFixedWidth(44);
  return button;
}

// Arrow buttons stacked between two lists.
QVBoxLayout* arrow_column(std::initializer_list<QPushButton*> buttons) {
  auto* column = new QVBoxLayout;
  column->addStretch(1);
  for (QPushButton* b : buttons) column->addWidget(arrow(b));
  column->addStretch(1);
  return column;
}

QComboBox* name_combo(QComboBox* box) {
  // A file name has at most 16 characters.
  box->setMinimumContentsLength(16);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return box;
}

void room_panel_view(RoomEditor& r, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  auto* top = new QHBoxLayout;
  column->addLayout(top, 1);

  auto* fields = new QFormLayout;
  top->addLayout(fields, 1);
  auto* name_row = new QHBoxLayout;
  fields->addRow(s.label_for(r.filename), name_row);
  name_row->addWidget(name_combo(s.combo(r.filename)));
  name_row->addStretch(1);
  fields->addRow(s.label_for(r.short_), s.edit(r.short_));
  fields->addRow(s.label_for(r.long_), s.memo(r.long_));
  fields->addRow(s.label_for(r.smelldefault), s.edit(r.smelldefault));
  fields->addRow(s.label_for(r.listendefault), s.edit(r.listendefault));

  top->addSpacing(8);
  auto* dialogs = new QVBoxLayout;
  top->addLayout(dialogs);
  QLabel* caption = s.label(r.dialogs_caption);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  dialogs->addWidget(caption);
  for (controls::Button* b : {&r.RoomItems, &r.RoomProperties, &r.Button4, &r.Button5, &r.Button8})
    dialogs->addWidget(s.button(*b));
  dialogs->addStretch(1);

  auto* actions = new QHBoxLayout;
  column->addLayout(actions);
  actions->addWidget(s.button(r.Button3));
  actions->addStretch(1);
  for (controls::Button* b : {&r.Button7, &r.Button6, &r.Button1}) actions->addWidget(s.button(*b));
}

void properties_view(editors::RoomPropertiesDialog& d, Screen& s, QWidget* page) {
  auto* grid = new QGridLayout(page);
  grid->addWidget(s.radio(d.indoors), 0, 0);
  QGroupBox* forbidden = s.group(d.nemszabad);
  grid->addWidget(forbidden, 1, 0);
  auto* checks = new QGridLayout(forbidden);
  controls::CheckBox* boxes[] = {&d.noattack, &d.nomagic, &d.nosteal, &d.noteleport,
                                 &d.norest,   &d.nosleep, &d.notalk,  &d.nocommunicate};
  // Two columns of four, filled down each column.
  constexpr int kRows = 4;
  for (int i = 0; i < std::ssize(boxes); ++i)
    checks->addWidget(s.check(*boxes[i]), i % kRows, i / kRows);
  grid->addWidget(s.radio(d.light), 0, 1, 2, 1);
  grid->setRowStretch(1, 1);
  grid->addLayout(button_row({s.button(d.OkProperties)}), 2, 0, 1, 2);
}

void deletion_view(editors::ConfirmDeleteDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(24, 16, 24, 16);
  column->setSpacing(16);
  column->addWidget(s.label(d.question), 0, Qt::AlignCenter);
  auto* buttons = new QHBoxLayout;
  column->addLayout(buttons);
  buttons->addStretch(1);
  buttons->addWidget(s.button(d.yes));
  buttons->addWidget(s.button(d.nemtorles));
  buttons->addStretch(1);
  s.set_dialog_buttons(d.form, &d.nemtorles, &d.nemtorles);
}

void things_view(editors::RoomThingsDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  auto* fields = new QFormLayout;
  column->addLayout(fields);
  auto* name_row = new QHBoxLayout;
  fields->addRow(s.label_for(d.itemname), name_row);
  name_row->addWidget(name_combo(s.combo(d.itemname)));
  name_row->addStretch(1);
  for (controls::Edit* e : {&d.looked, &d.smelled, &d.listened, &d.searched})
    fields->addRow(s.label_for(*e), s.edit(*e));
  column->addStretch(1);
  auto* buttons = new QHBoxLayout;
  column->addLayout(buttons);
  buttons->addWidget(s.button(d.itemready));
  buttons->addWidget(s.button(d.Button1));
  buttons->addStretch(1);
  buttons->addWidget(s.button(d.OKitems));
  s.set_dialog_buttons(d.form, nullptr, &d.OKitems);
  page->resize(480, page->sizeHint().height());
}

void exits_view(editors::ExitEditor& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  auto* lists = new QHBoxLayout;
  column->addLayout(lists, 1);

  auto* choices = new QVBoxLayout;
  lists->addLayout(choices, 1);
  choices->addLayout(captioned(s, d.posexits, s.combo(d.posexits)));
  choices->addLayout(captioned(s, d.exitname, s.list(d.exitname)), 1);
  lists->addLayout(arrow_column({s.button(d.Button2), s.button(d.Button1), s.button(d.Button4)}));

  auto* current = new QVBoxLayout;
  lists->addLayout(current, 1);
  QListWidget* exits = s.list(d.exitdir);
  current->addLayout(captioned(s, d.exitdir, exits), 1);
  // The exit is chosen as the mouse button goes up, also on the row already selected (its
  // target may have changed since).
  QObject::connect(exits, &QListWidget::itemClicked, exits, [&s, &d, exits](QListWidgetItem* item) {
    s.run([&d, row = exits->row(item)] { d.exitdir.user_select(row); });
  });
  current->addLayout(captioned(s, d.exitdesc, s.edit(d.exitdesc)));

  auto* rule = new QFrame;
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  column->addWidget(rule);
  auto* door = new QGridLayout;
  column->addLayout(door);
  door->addWidget(s.label_for(d.doorname), 0, 0);
  door->addWidget(s.edit(d.doorname), 0, 1);
  door->addWidget(s.label_for(d.doorkey), 0, 2);
  door->addWidget(name_combo(s.combo(d.doorkey)), 0, 3);
  door->setColumnStretch(1, 1);
  door->setColumnStretch(3, 1);
  auto* door_buttons = new QHBoxLayout;
  door->addLayout(door_buttons, 1, 0, 1, 4);
  for (controls::Button* b : {&d.doorkeysave, &d.doordelete, &d.keydelete})
    door_buttons->addWidget(s.button(*b));
  door_buttons->addStretch(1);

  column->addSpacing(4);
  QLabel* note = s.label(d.note);
  note->setWordWrap(true);
  column->addWidget(note);
  column->addLayout(button_row({s.button(d.Button3), s.button(d.Button5)}));
  s.set_dialog_buttons(d.form, nullptr, &d.Button5);
  s.set_entry_button(d.posexits, d.Button2);
  page->resize(640, 420);
}

// Combo boxes to pick from on the left, each with its "> >" (if any) beside it, and the
// picked list on the right with its "< <" between the two.
struct Choice {
  controls::ComboBox& box;
  controls::Button* add;
};

QGridLayout* picking_grid(Screen& s, std::initializer_list<Choice> choices,
                          controls::ListBox& picked, controls::Button& remove) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const Choice& c : choices) {
    grid->addWidget(s.label_for(c.box), row++, 0);
    grid->addWidget(name_combo(s.combo(c.box)), row, 0);
    if (c.add) {
      grid->addWidget(arrow(s.button(*c.add)), row, 1);
      s.set_entry_button(c.box, *c.add);
    }
    ++row;
  }
  grid->setRowStretch(row, 1);
  grid->addWidget(s.label_for(picked), 0, 2);
  grid->addWidget(s.list(picked), 1, 2, row + 1, 1);
  grid->addWidget(arrow(s.button(remove)), row + 1, 1, Qt::AlignBottom);
  grid->setColumnStretch(2, 1);
  return grid;
}

void contents_view(editors::ContentsDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  column->addLayout(
      picking_grid(s, {{d.posmons, &d.Button2}, {d.positem, &d.Button3}}, d.contents, d.Button4),
      1);
  column->addLayout(button_row({s.button(d.kesz)}));
  page->resize(480, 300);
}

void guards_view(editors::GuardDialog& d, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  column->addLayout(picking_grid(s, {{d.guardname, nullptr}, {d.posguardexits, &d.Button1}},
                                 d.guardexits, d.Button2),
                    1);
  column->addLayout(captioned(s, d.guardspeech, s.edit(d.guardspeech)));
  auto* buttons = new QHBoxLayout;
  column->addLayout(buttons);
  buttons->addWidget(s.button(d.guarddelete));
  buttons->addStretch(1);
  buttons->addWidget(s.button(d.Button4));
  buttons->addWidget(s.button(d.Button3));
  s.set_dialog_buttons(d.form, nullptr, &d.Button3);
  page->resize(480, 320);
}

}  // namespace

Views room_views(app::Workbench& bench) {
  RoomEditor& r = bench.room_editor();
  return {
      {"room", [&r](Screen& s, QWidget* page) { room_panel_view(r, s, page); }},
      {"Form2", [&r](Screen& s, QWidget* page) { properties_view(r.properties, s, page); }},
      {"Form3", [&r](Screen& s, QWidget* page) { deletion_view(r.deletion, s, page); }},
      {"Form4", [&r](Screen& s, QWidget* page) { things_view(r.things, s, page); }},
      {"Form5", [&r](Screen& s, QWidget* page) { exits_view(r.exits, s, page); }},
      {"Form7", [&r](Screen& s, QWidget* page) { contents_view(r.contents, s, page); }},
      {"Form18", [&r](Screen& s, QWidget* page) { guards_view(r.guards, s, page); }},
  };
}

}  // namespace tamo::gui
