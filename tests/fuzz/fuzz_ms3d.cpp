// The MS3D model reader, and the vertex arrays filled from what it read.
#include "assets/Ms3dModel.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Ms3dModel model;
    if (model.parse(std::vector<uint8_t>(data, data + size))) {
        std::vector<float> array(24 * 64);
        model.fillVertexArray(array.data(), array.size());
    }
    return 0;
}
