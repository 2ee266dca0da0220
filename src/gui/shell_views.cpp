#include "gui/shell_views.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamo::gui {

namespace {

void creator_data_view(app::CreatorDataDialog& d, Screen& s, QWidget* page) {
  auto* rows = new QFormLayout(page);
  rows->addRow(s.label_for(d.cproject), s.edit(d.cproject));
  auto* name_label = new QWidget;
  auto* name_lines = new QVBoxLayout(name_label);
  name_lines->setContentsMargins(0, 0, 0, 0);
  name_lines->addWidget(s.label_for(d.cname));
  name_lines->addWidget(s.label(d.megjegyzes));
  rows->addRow(name_label, s.edit(d.cname));
  rows->addRow(s.label_for(d.cemail), s.edit(d.cemail));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(s.button(d.Button1));
  buttons->addWidget(s.button(d.Button2));
  rows->addRow(buttons);
  s.set_dialog_buttons(d.form, nullptr, &d.Button2);
  page->resize(420, 180);
}

void description_view(app::DescriptionPanel& p, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  column->addWidget(s.label(p.caption));
  QPlainTextEdit* memo = s.memo(p.maindesc);
  column->addWidget(memo, 1);
  column->addWidget(s.button(p.descready), 0, Qt::AlignRight);
  static_cast<QLabel*>(s.widget_of(p.caption))->setBuddy(memo);
}

void about_view(app::AboutBox& a, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  QLabel* program = s.label(a.program);
  QFont big = program->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  program->setFont(big);
  for (QLabel* line : {program, s.label(a.subtitle), s.label(a.version), s.label(a.credit)}) {
    line->setAlignment(Qt::AlignCenter);
    column->addWidget(line);
  }
  column->addSpacing(16);
  for (QLabel* line : {s.label(a.thanks_heading), s.label(a.thanks)}) {
    line->setAlignment(Qt::AlignCenter);
    column->addWidget(line);
  }
  column->addWidget(s.button(a.ok), 0, Qt::AlignCenter);
  // Closed like a message box, by Enter or Escape alike.
  s.set_dialog_buttons(a.form, &a.ok, &a.ok);
}

}  // namespace

Views shell_views(app::Application& app) {
  return {
      {"Form16",
       [&app](Screen& s, QWidget* page) { creator_data_view(app.creator_data(), s, page); }},
      {"description",
       [&app](Screen& s, QWidget* page) { description_view(app.description(), s, page); }},
      {"Form17", [&app](Screen& s, QWidget* page) { about_view(app.about(), s, page); }},
  };
}

}  // namespace tamo::gui
