#include "AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> watching{false};
std::atomic<size_t> largestSeen{0};
}

AllocationProbe::AllocationProbe() {
    largestSeen = 0;
    watching = true;
}

AllocationProbe::~AllocationProbe() {
    watching = false;
}

size_t AllocationProbe::largest() const {
    return largestSeen;
}

// Replaces the global allocation functions of the test program this file is
// linked into; the sized and aligned forms fall back on these.
void* operator new(size_t size) {
    if (watching && size > largestSeen) largestSeen = size;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
