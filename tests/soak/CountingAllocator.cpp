// Counts the allocations alive in this test program, to show that a long session does not grow.
#include "CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long long> live{0};
}

long long LiveAllocations() {
    return live.load();
}

void* operator new(std::size_t size) {
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) throw std::bad_alloc();
    ++live;
    return memory;
}

void operator delete(void* memory) noexcept {
    if (memory == nullptr) return;
    --live;
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    operator delete(memory);
}
