#pragma once

#include "work_files.h"

namespace tamo::cli::testing {

using tamo::testing::clean_work;
using CliTest = tamo::testing::WorkFileTest;

}  // namespace tamo::cli::testing
