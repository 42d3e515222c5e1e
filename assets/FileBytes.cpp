#include "FileBytes.h"

#include "platform/DataDirectory.h"

#include <cstdio>
#include <memory>

bool readFileBytes(const std::string& path, std::vector<uint8_t>& out) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(DataDirectory::resolve(path).c_str(), "rb"), std::fclose);
    if (!file) return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    const long length = std::ftell(file.get());
    if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
    out.resize(static_cast<size_t>(length));
    return length == 0 || std::fread(out.data(), 1, out.size(), file.get()) == out.size();
}
