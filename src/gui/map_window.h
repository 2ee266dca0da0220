#pragma once

#include <QObject>
#include <cstdint>

#include "app/workbench.h"
#include "gui/screen.h"
#include "map/layout.h"

class QLabel;
class QListWidget;
class QWidget;

namespace tamo::gui {

class MapView;

// The "Térkép" window's contents: a tool row, the map and the list of what does not fit.
// After every event that changed the work it looks again, lays it out anew only when the
// picture can have changed, and follows the test console's room.
class MapWindow : public QObject {
 public:
  MapWindow(app::Workbench& bench, Screen& screen, QWidget* page);

  void refresh();
  MapView* view() const { return view_; }
  QListWidget* problems() const { return problems_; }
  const map::MapLayout& layout() const { return layout_; }
  // Asks for a file and writes the map there.
  void save_as_image();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void open_room(std::size_t room, bool preview);

  app::Workbench& bench_;
  Screen& screen_;
  QWidget* page_;
  MapView* view_;
  QListWidget* problems_;
  QLabel* status_;
  map::MapLayout layout_;
  std::uint64_t revision_ = 0;
  const droom* seen_room_ = nullptr;
  std::uint64_t fingerprint_ = 0;
  bool laid_out_ = false;
  std::size_t current_ = map::kNoRoom;
};

}  // namespace tamo::gui
