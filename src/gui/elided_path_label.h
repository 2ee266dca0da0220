#pragma once

#include <QLabel>

namespace tamo::gui {

// A path that gives way to the status line: it asks for at most two fifths of its window
// and, when cut, keeps its end (the file name) and drops the start. Its text and
// accessible name stay the whole path; the tooltip says the rest.
class ElidedPathLabel : public QLabel {
 public:
  ElidedPathLabel();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tamo::gui
