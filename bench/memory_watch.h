// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <malloc.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace tally::bench {

inline long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
    }
    return 0;
}

// Peak memory from here on: what earlier benchmarks freed is given back
// first, and the kernel resets the peak on request.
struct MemoryWatch {
    long before = 0;
    MemoryWatch() {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        before = statusKilobytes("VmRSS:");
    }
    double addedMegabytes() const { return (statusKilobytes("VmHWM:") - before) / 1024.0; }
};

}  // namespace tally::bench
