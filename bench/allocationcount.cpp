#include "allocationcount.h"

#include <atomic>
#include <cstddef>

namespace {
std::atomic<std::uint64_t> g_allocations{0};
}

std::uint64_t tolvani::bench::allocationCount()
{
    return g_allocations.load(std::memory_order_relaxed);
}

// Qt's containers and operator new both end in malloc, so counting the C
// allocator's entry points counts every heap allocation. glibc's own
// implementations stay reachable under their internal names.
extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);

void *malloc(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}
}
