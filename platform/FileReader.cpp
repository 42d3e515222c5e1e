#include "FileReader.h"

#include "DataDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    const int fd;
};

}

std::string FileReader::sizeName(size_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + " bytes";
}

bool FileReader::read(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why) {
    Outcome outcome;
    return read(path, limit, out, why, outcome);
}

bool FileReader::read(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why,
                      Outcome& outcome) {
    return readAsGiven(DataDirectory::resolve(path), limit, out, why, outcome);
}

bool FileReader::readAsGiven(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why) {
    Outcome outcome;
    return readAsGiven(path, limit, out, why, outcome);
}

bool FileReader::readAsGiven(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why,
                             Outcome& outcome) {
    out.clear();
    outcome = Outcome::Unreadable;
    auto failed = [&](const std::string& reason) {
        why = reason;
        out.clear();
        return false;
    };
    // Not blocking: a FIFO opened to read would wait for a writer before fstat could refuse it.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.fd < 0) {
        if (errno == ENOENT) outcome = Outcome::Missing;
        return failed(std::strerror(errno));
    }
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0) return failed(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return failed(std::strerror(EISDIR));
    if (!S_ISREG(info.st_mode)) return failed("not a regular file");
    // A regular file's reads never wait anyway; cleared so none is ever cut short for it.
    const int flags = ::fcntl(file.fd, F_GETFL);
    if (flags >= 0) ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK);
    if (info.st_size < 0 || uint64_t(info.st_size) > limit) {
        outcome = Outcome::TooLarge;
        return failed("over " + sizeName(limit));
    }
    out.resize(size_t(info.st_size));
    size_t length = 0;
    while (length < out.size()) {
        const ssize_t n = ::read(file.fd, out.data() + length, out.size() - length);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(std::strerror(errno));
        if (n == 0) break;   // shorter than it was a moment ago
        length += size_t(n);
    }
    out.resize(length);
    outcome = Outcome::Read;
    return true;
}
