// The desktop's user-dirs.dirs, read for the screenshots' folder: any bytes
// are lines to parse. Whatever they say, the folder found is none or an
// absolute path with no control character and nothing left for a shell to expand.
#include "platform/PicturesDirectory.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string folder = PicturesDirectory::fromUserDirs(text, "/home/p");
    if (folder.empty()) return 0;
    if (folder[0] != '/' || folder.find('$') != std::string::npos) __builtin_trap();
    for (const unsigned char c : folder)
        if (c < ' ' || c == 127) __builtin_trap();
    return 0;
}
