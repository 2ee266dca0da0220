#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

#include "map/scene.h"

namespace tamo::gui {

// Pixels per cell in an exported picture, less when a large map would not fit in memory.
inline constexpr double kExportScale = 100;

QImage map_png_image(const map::Scene& scene);
QByteArray map_svg(const map::Scene& scene);

// Writes the map as SVG when the name (UTF-8) ends in ".svg", as PNG otherwise, replacing
// the file only once the whole picture is written. The Hungarian error, or none when written.
std::optional<std::string> write_map_image(const map::Scene& scene, const std::string& path);

}  // namespace tamo::gui
