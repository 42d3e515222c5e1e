#include "HeapPolicy.h"

#include <malloc.h>

void HeapPolicy::holdLargeBlocksApart() {
    constexpr int LARGE = 128 * 1024;   // bytes: the C library's own starting threshold
    // Setting either one stops both from moving.
    mallopt(M_MMAP_THRESHOLD, LARGE);
    mallopt(M_TRIM_THRESHOLD, LARGE);
}
