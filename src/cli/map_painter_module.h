#pragma once

#include <optional>
#include <string>

#include "map/scene.h"

namespace tamo::cli {

// Paints a scene into a file (SVG or PNG by the name): the error, or none once written.
using MapImageWriter = std::optional<std::string> (*)(const map::Scene&, const std::string& path);

// The painter needs the window's toolkit, so it is a module of its own that tamo-cli loads
// only to paint: every other command starts without that toolkit (and in little memory).
inline constexpr const char* kMapPainterModule = "tamo-map-painter.so";
// The module's one export: extern "C" MapImageWriter tamo_map_image_writer();
inline constexpr const char* kMapPainterEntry = "tamo_map_image_writer";

// Loads the module from beside tamo-cli or from where it is installed. On failure, the
// Hungarian reason.
MapImageWriter load_map_painter(std::string& error);

}  // namespace tamo::cli
