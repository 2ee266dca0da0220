#include "gui/map_image.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "gui/map_painter.h"

namespace tamo::gui {

namespace {

// About 200 MB of pixels at most.
constexpr double kMostPixels = 50e6;

MapViewport export_viewport(const map::Scene& scene, double scale) {
  return {scale, QPointF(-scene.bounds.x * scale, -scene.bounds.y * scale)};
}

double export_scale(const map::Scene& scene) {
  double area = scene.bounds.w * scene.bounds.h * kExportScale * kExportScale;
  return area > kMostPixels ? kExportScale * std::sqrt(kMostPixels / area) : kExportScale;
}

QSize export_size(const map::Scene& scene, double scale) {
  return QSize(std::max(1, int(std::ceil(scene.bounds.w * scale))),
               std::max(1, int(std::ceil(scene.bounds.h * scale))));
}

std::string file_error(const std::string& path, const QString& reason) {
  return "Nem sikerült a képet írni: " + path + " (" + reason.toStdString() + ")";
}

bool names_svg(const std::string& path) {
  std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return tail == ".svg";
}

}  // namespace

QImage map_png_image(const map::Scene& scene) {
  double scale = export_scale(scene);
  QImage image(export_size(scene, scale), QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  paint_map(painter, scene, export_viewport(scene, scale), QRectF(QPointF(0, 0), image.size()));
  return image;
}

QByteArray map_svg(const map::Scene& scene) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSize size = export_size(scene, kExportScale);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromStdString("Térkép"));
  QPainter painter(&svg);
  paint_map(painter, scene, export_viewport(scene, kExportScale), QRectF(QPointF(0, 0), size));
  painter.end();
  return buffer.data();
}

std::optional<std::string> write_map_image(const map::Scene& scene, const std::string& path) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return file_error(path, file.errorString());
  if (names_svg(path)) {
    QByteArray svg = map_svg(scene);
    if (file.write(svg) != svg.size()) return file_error(path, file.errorString());
  } else {
    QImage image = map_png_image(scene);
    if (image.isNull()) return file_error(path, QString::fromStdString("a kép túl nagy"));
    if (!image.save(&file, "PNG")) return file_error(path, file.errorString());
  }
  if (!file.commit()) return file_error(path, file.errorString());
  return std::nullopt;
}

}  // namespace tamo::gui
