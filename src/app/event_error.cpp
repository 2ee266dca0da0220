#include "app/event_error.h"

#include <filesystem>
#include <new>
#include <system_error>

#include "model/numbers.h"
#include "workfile/file_names.h"
#include "workfile/workfile.h"

namespace tamo::app {

namespace {

constexpr const char* kOutOfMemory = "Elfogyott a memória, a művelet nem fejeződött be.";

}  // namespace

std::string error_code_reason(const std::error_code& code) {
  // Only the errno family has Hungarian reasons; any other category speaks for itself.
  if (code.category() == std::generic_category() || code.category() == std::system_category())
    return workfile::system_reason(code.value());
  return code.message();
}

bool is_out_of_memory(const std::error_code& code) {
  return code == std::errc::resource_unavailable_try_again || code == std::errc::not_enough_memory;
}

std::string event_error_text(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const ConversionError& e) {
    return e.what();
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  } catch (const std::filesystem::filesystem_error& e) {
    if (e.path1().empty()) return "Rendszerhiba: " + error_code_reason(e.code()) + ".";
    return "Rendszerhiba a(z) " + workfile::shown_path(e.path1()) +
           " elérésekor: " + error_code_reason(e.code()) + ".";
  } catch (const std::system_error& e) {
    if (is_out_of_memory(e.code())) return kOutOfMemory;
    return "Rendszerhiba: " + error_code_reason(e.code()) + ".";
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Váratlan hiba, a művelet nem fejeződött be.";
  }
}

}  // namespace tamo::app
