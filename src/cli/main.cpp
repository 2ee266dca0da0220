#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tamo::cli::run(args, std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1);
  } catch (...) {
    // Not even the arguments could be held.
    std::fputs("tamo-cli: elfogyott a memória\n", stderr);
    return 2;
  }
}
