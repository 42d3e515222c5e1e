#include "FileWriter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// As the kernel counts them before it gives up on a chain of links.
constexpr int MOST_LINKS = 40;

// The reason of the last failed call, never an empty one.
std::string reason(int error) {
    return std::strerror(error != 0 ? error : EIO);
}

// The folder's entry of a rename reaches the disk with the folder.
void syncFolder(const fs::path& dir) {
    const int folder = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    ::fsync(folder);
    ::close(folder);
}

}

bool FileWriter::makeFolders(const fs::path& dir) {
    if (dir.empty()) return true;
    std::error_code error;
    if (fs::is_directory(dir, error)) return true;
    if (!makeFolders(dir.parent_path())) return false;
    return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string FileWriter::target(const std::string& path) {
    fs::path at(path);
    for (int hops = 0; hops < MOST_LINKS; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(at, error))) break;
        const fs::path link = fs::read_symlink(at, error);
        if (error) break;
        at = link.is_absolute() ? link : at.parent_path() / link;
    }
    return at.string();
}

std::string FileWriter::refusal(const std::string& path) {
    struct stat info = {};
    if (::lstat(target(path).c_str(), &info) != 0) return errno == ENOENT ? "" : reason(errno);
    if (S_ISREG(info.st_mode)) return "";
    if (S_ISDIR(info.st_mode)) return reason(EISDIR);
    if (S_ISLNK(info.st_mode)) return reason(ELOOP);
    return "not a regular file";
}

bool FileWriter::replace(const std::string& path, const std::string& text, std::string& why) {
    Pending file;
    if (!file.open(path, why)) return false;
    std::string error;
    const bool ok = file.write(std::vector<uint8_t>(text.begin(), text.end()), why) && file.commit(why);
    if (!file.close(error) && ok) return why = error, false;
    return ok;
}

bool FileWriter::create(const std::string& path, const std::vector<uint8_t>& bytes, std::string& why, bool& taken) {
    taken = false;
    struct stat info = {};
    if (::lstat(path.c_str(), &info) == 0) {
        taken = true;
        return why = reason(EEXIST), false;
    }
    if (errno != ENOENT) return why = reason(errno), false;
    const fs::path dir = fs::path(path).parent_path();
    if (!makeFolders(dir)) return why = reason(errno), false;
    std::string temporary = (dir / ("." + fs::path(path).filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return why = reason(errno), false;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = true;
    const auto fail = [&](int error) {
        if (ok) why = reason(error);
        ok = false;
    };
    for (size_t written = 0; ok && written < bytes.size();) {
        errno = 0;
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : ENOSPC);
        else written += size_t(n);
    }
    if (ok && ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) fail(errno);
    // Put in place only where the name is still free: whatever took it
    // meanwhile, a planted link included, stays as it was. A file system
    // that cannot rename so is asked for a hard link, made on the same terms.
    bool renamed = false, linked = false;
    if (ok) {
        renamed = ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0;
        if (!renamed && (errno == EINVAL || errno == ENOSYS)) linked = ::link(temporary.c_str(), path.c_str()) == 0;
        if (!renamed && !linked) {
            taken = errno == EEXIST;
            fail(errno);
        }
    }
    if (!renamed) ::unlink(temporary.c_str());
    if (ok) syncFolder(dir);
    return ok;
}

bool FileWriter::Pending::open(const std::string& path, std::string& why) {
    abandon();
    why = refusal(path);
    if (!why.empty()) return false;
    destination = target(path);
    const fs::path dir = fs::path(destination).parent_path();
    if (!makeFolders(dir)) return why = reason(errno), false;
    // mkstemp creates with O_EXCL: a name already taken, a planted link
    // included, is never opened, and another name is drawn.
    temporary = (dir / ("." + fs::path(destination).filename().string() + ".XXXXXX")).string();
    fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        why = reason(errno);
        temporary.clear();
        return false;
    }
    // The old file's permissions stay; a new file gets what creat would give it.
    struct stat old = {};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, ::stat(destination.c_str(), &old) == 0 ? old.st_mode & 07777 : 0666 & ~mask);
    done = false;
    return true;
}

bool FileWriter::Pending::write(const std::vector<uint8_t>& bytes, std::string& why) {
    if (fd < 0) return why = reason(EBADF), false;
    for (size_t written = 0; written < bytes.size();) {
        errno = 0;
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return why = reason(n < 0 ? errno : ENOSPC), false;
        written += size_t(n);
    }
    return true;
}

bool FileWriter::Pending::commit(std::string& why) {
    if (done) return true;
    if (fd < 0) return why = reason(EBADF), false;
    if (::fsync(fd) != 0) return why = reason(errno), false;
    // Something may have taken the name since it was opened.
    why = refusal(destination);
    if (!why.empty()) return false;
    if (std::rename(temporary.c_str(), destination.c_str()) != 0) return why = reason(errno), false;
    done = true;
    temporary.clear();
    syncFolder(fs::path(destination).parent_path());
    return true;
}

bool FileWriter::Pending::close(std::string& why) {
    if (fd < 0) return true;
    const bool closed = ::close(fd) == 0;
    if (!closed) why = reason(errno);
    fd = -1;
    abandon();
    return closed;
}

void FileWriter::Pending::abandon() {
    if (fd >= 0) ::close(fd);
    fd = -1;
    if (!done && !temporary.empty()) ::unlink(temporary.c_str());
    temporary.clear();
}

FileWriter::FolderLock::FolderLock(const fs::path& dir)
    : fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd < 0) {
        failure = errno;
        return;
    }
    int result;
    while ((result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (result != 0) failure = errno;
}

FileWriter::FolderLock::~FolderLock() {
    if (fd >= 0) ::close(fd);   // closing releases the lock
}
