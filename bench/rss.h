#pragma once
// The process's resident memory, for the benchmarks that report it.

#include <fstream>
#include <string>

inline double ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6));
  return 0;
}
