#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "load_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto broken = tamo::workfile::check_load(bytes)) {
    std::fprintf(stderr, "%s\n", broken->c_str());
    std::abort();
  }
  return 0;
}
