#pragma once

#include <cstddef>

// Watches operator new while it lives: the largest single allocation made in
// that time. Readers must not allocate for what a file merely claims.
class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    size_t largest() const;   // bytes
};
