#include "workfile/codec.h"

namespace tamo::workfile {

// Placeholder until the codec lands.
std::string cp1250_to_utf8(std::string_view bytes) { return std::string(bytes); }
std::string utf8_to_cp1250(std::string_view text) { return std::string(text); }
std::string cp1250_safe(std::string_view text) { return std::string(text); }

}  // namespace tamo::workfile
