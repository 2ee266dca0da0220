#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "load_check.h"

namespace tamo::workfile {
namespace {

// Every input the fuzzer ever found failing, and its seeds, must now pass its checks.
TEST(FuzzRegressions, EveryKeptInputPasses) {
  int checked = 0;
  for (const char* folder : {TAMO_FUZZ_REGRESSIONS, TAMO_FUZZ_CORPUS}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::string bytes(std::istreambuf_iterator<char>(in), {});
      EXPECT_EQ(std::nullopt, check_load(bytes)) << entry.path();
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace tamo::workfile
