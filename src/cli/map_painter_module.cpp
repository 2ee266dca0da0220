#include "cli/map_painter_module.h"

#include <dlfcn.h>

#include <filesystem>

namespace tamo::cli {

MapImageWriter load_map_painter(std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path bin = fs::read_symlink("/proc/self/exe", ec).parent_path();
  // Beside the program in a build tree; under the library folder once installed.
  for (const fs::path& place :
       {bin / kMapPainterModule, bin / TAMO_MAP_PAINTER_DIR / kMapPainterModule}) {
    if (ec || !fs::exists(place)) continue;
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      const char* why = dlerror();
      error = std::string("a térképrajzoló nem tölthető be: ") + (why ? why : place.string());
      return nullptr;
    }
    auto entry = reinterpret_cast<MapImageWriter (*)()>(dlsym(module, kMapPainterEntry));
    if (entry != nullptr) return entry();
  }
  error = "ez a tamo-cli ablak nélkül épült, képet nem tud rajzolni";
  return nullptr;
}

}  // namespace tamo::cli
