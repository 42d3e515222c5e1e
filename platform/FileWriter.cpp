#include "FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fs = std::filesystem;

bool FileWriter::makeFolders(const fs::path& dir) {
    if (dir.empty()) return true;
    std::error_code error;
    if (fs::is_directory(dir, error)) return true;
    if (!makeFolders(dir.parent_path())) return false;
    return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

bool FileWriter::replace(const std::string& path, const std::string& text, std::string& why) {
    const fs::path target(path);
    const fs::path dir = target.parent_path();
    if (!makeFolders(dir)) {
        why = std::strerror(errno);
        return false;
    }
    std::string temporary = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    int failure = 0;   // the first errno
    auto step = [&](bool done) {
        if (!done && failure == 0) failure = errno != 0 ? errno : ENOSPC;
        return done;
    };
    errno = 0;
    const int fd = mkstemp(temporary.data());
    if (!step(fd >= 0)) {
        why = std::strerror(failure);
        return false;
    }
    struct stat old = {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);   // the player's permissions stay
    bool ok = true;
    for (size_t done = 0; ok && done < text.size();) {
        errno = 0;
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = step(n > 0);
        if (ok) done += size_t(n);
    }
    ok = ok && step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    if (!ok || !step(std::rename(temporary.c_str(), path.c_str()) == 0)) {
        std::remove(temporary.c_str());
        why = std::strerror(failure);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}
