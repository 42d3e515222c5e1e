#pragma once

// How the C library's heap hands memory back. By default each large block
// freed raises the size from which blocks come from their own pages, so later
// window-sized blocks (the renderer's copies and textures) are carved from
// the heap between small ones that live on, and resident memory grows with
// play though the memory in use does not. Held at the library's starting
// values, large blocks always get their own pages and go back when freed.
class HeapPolicy {
public:
    static void holdLargeBlocksApart();
};
