// pekto-calc: computes one month's payroll from main-mask fields.
#include <iostream>
#include <string>
#include <vector>

#include "tools/calc_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return pekto::RunCalcCommand(args, std::cin, std::cout, std::cerr);
}
