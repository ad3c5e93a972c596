#pragma once

#include <cstdint>

namespace tolvani::bench {

// Heap allocations made through operator new since the program started.
std::uint64_t allocationCount();

} // namespace tolvani::bench
