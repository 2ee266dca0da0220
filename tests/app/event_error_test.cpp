#include "app/event_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "app_fixture.h"
#include "model/numbers.h"

namespace tamo::app::testing {
namespace {

std::exception_ptr thrown(const std::function<void()>& thrower) {
  try {
    thrower();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

TEST(EventError, KnownKindsGiveAShortHungarianReason) {
  const struct {
    const char* what;
    std::function<void()> thrower;
    std::string expected;
  } cases[] = {
      {"out of memory", [] { throw std::bad_alloc(); },
       "Elfogyott a memória, a művelet nem fejeződött be."},
      {"an array too long to allocate", [] { throw std::bad_array_new_length(); },
       "Elfogyott a memória, a művelet nem fejeződött be."},
      {"a system refusal", [] { throw std::system_error(EACCES, std::generic_category(), "open"); },
       "Rendszerhiba: nincs hozzá jogosultság."},
      {"a system error by errno", [] { throw std::system_error(ENOSPC, std::system_category()); },
       "Rendszerhiba: nincs elég hely a lemezen."},
      {"a thread the system could not start for lack of memory",
       [] {
         throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
       },
       "Elfogyott a memória, a művelet nem fejeződött be."},
      {"a thread the system could not start for lack of memory",
       [] {
         throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
       },
       "Elfogyott a memória, a művelet nem fejeződött be."},
      {"a file-system error names its path",
       [] {
         throw std::filesystem::filesystem_error(
             "copy", "/ide/munka.tamo", std::make_error_code(std::errc::read_only_file_system));
       },
       "Rendszerhiba a(z) „/ide/munka.tamo” elérésekor: a fájlrendszer csak olvasható."},
      {"a file-system error without a path",
       [] {
         throw std::filesystem::filesystem_error(
             "space", std::make_error_code(std::errc::no_such_file_or_directory));
       },
       "Rendszerhiba: nincs ilyen fájl vagy mappa."},
      {"a conversion keeps its sentence", [] { str2int("12x"); }, ConversionError("12x").what()},
      {"any other error keeps its text", [] { throw std::runtime_error("valami más"); },
       "valami más"},
      {"not an exception class at all", [] { throw 7; },
       "Váratlan hiba, a művelet nem fejeződött be."},
  };
  for (const auto& c : cases) {
    std::exception_ptr error = thrown(c.thrower);
    ASSERT_TRUE(error) << c.what;
    EXPECT_EQ(event_error_text(error), c.expected) << c.what;
  }
}

using EventEntry = AppTest;

TEST_F(EventEntry, AnErrorOfAnyTypeBecomesItsMessageAndTheProgramGoesOn) {
  app.run_event([] { throw std::bad_alloc(); });
  app.run_event([] { throw 7; });
  bool after = false;
  app.run_event([&] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_EQ(platform.messages,
            (std::vector<std::string>{"Elfogyott a memória, a művelet nem fejeződött be.",
                                      "Váratlan hiba, a művelet nem fejeződött be."}));
}

}  // namespace
}  // namespace tamo::app::testing
