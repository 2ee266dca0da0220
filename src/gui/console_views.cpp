#include <QFrame>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QVBoxLayout>

#include "gui/all_views.h"
#include "gui/console_output.h"

namespace tamo::gui {

namespace {

// A thin grey rule, so the eye finds where to type on the all-black panel.
QFrame* input_rule() {
  auto* rule = new QFrame;
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Plain);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::WindowText, Qt::darkGray);
  rule->setPalette(palette);
  return rule;
}

void mud_view(app::Workbench& bench, Screen& s, QWidget* page) {
  app::MudPanel& mud = bench.mud();
  auto* outmud = new ConsoleOutput(bench.console().output());
  outmud->setObjectName("outmud");
  outmud->setAccessibleName(qs(mud.mud.caption()));

  QLineEdit* inmud = s.edit(mud.inmud);
  paint_as_terminal(inmud);
  inmud->setPlaceholderText(qs(mud.inmud.hint()));
  QObject::connect(inmud, &QLineEdit::returnPressed, inmud,
                   [&s, &bench] { s.run([&bench] { bench.inmud_enter(); }); });

  // The panel is the terminal, edge to edge.
  page->setAutoFillBackground(true);
  paint_as_terminal(page);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(outmud, 1);
  column->addWidget(input_rule());
  column->addWidget(inmud);

  s.add_sync_step([outmud = QPointer<ConsoleOutput>(outmud)] {
    if (outmud) outmud->redraw();
  });
}

}  // namespace

Views console_views(app::Workbench& bench) {
  return {{"mud", [&bench](Screen& s, QWidget* page) { mud_view(bench, s, page); }}};
}

}  // namespace tamo::gui
