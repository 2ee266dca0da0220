// The module tamo-cli loads to paint maps without a window.
#include <QGuiApplication>
#include <cstdio>

#include "cli/map_painter_module.h"
#include "gui/map_image.h"

namespace {

// Qt's own warnings about the desktop it found (no runtime folder, no display) are no
// business of a command-line user; failures still come through the result.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

std::optional<std::string> paint_offscreen(const tamo::map::Scene& scene, const std::string& path) {
  if (QGuiApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    static int argc = 1;
    static char name[] = "tamo-cli";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: Qt must not be torn down among other static objects.
    new QGuiApplication(argc, argv);
  }
  return tamo::gui::write_map_image(scene, path);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) tamo::cli::MapImageWriter
tamo_map_image_writer() {
  return paint_offscreen;
}
