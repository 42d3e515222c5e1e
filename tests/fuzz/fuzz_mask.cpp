// The cockpit-mask reader, and the stencil indexes drawn from what it kept.
#include "assets/BmpRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    BmpRecord record;
    if (parseBmpRecord(record, bytes)) {
        const std::vector<uint8_t> stencil = record.stencilIndices();
        if (stencil.size() != size_t(record.width()) * size_t(record.height())) __builtin_trap();
    }
    return 0;
}
