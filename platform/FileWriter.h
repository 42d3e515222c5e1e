#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The one way the game writes a file: the settings, the best score, a
// recording, a captured frame, the frame statistics. One rule for all: only
// a regular file or a new name is written; a link is followed to the file it
// names, which is the one replaced, so a link stays a link; anything else
// there (a folder, a FIFO, a device) is refused. The bytes go to a temporary
// file made beside that file under a name nothing else had (so nothing
// planted there is followed or reused), flushed, then renamed over it, so a
// crash or a kill leaves the old file or the new one and never a mix.
class FileWriter {
public:
    // Every missing folder of `dir` made, private to the player like other
    // per-user state; false with errno set when one cannot be.
    static bool makeFolders(const std::filesystem::path& dir);
    // "" when `path` may be written by the rule above, else the reason in a
    // few words ("not a regular file", "Is a directory"). What the command
    // line names is asked this before anything starts.
    static std::string refusal(const std::string& path);
    // The file `path` stands for once its links are followed (itself if none).
    static std::string target(const std::string& path);
    // `text` into `path` atomically, with the old file's permissions; false
    // with the first failure's reason in `why`, the old file untouched.
    static bool replace(const std::string& path, const std::string& text, std::string& why);
    // `bytes` into a new file at `path`, never over anything already there:
    // written beside it under a name of its own, flushed, then put in place
    // only if the name is still free. False with the reason in `why`, and
    // `taken` set when the name was not free (a file, a link, anything).
    static bool create(const std::string& path, const std::vector<uint8_t>& bytes, std::string& why, bool& taken);

    // A file written as it goes that takes the old one's place only once
    // committed: until then the old file is as it was, and a file never
    // committed is removed. Each write reaches the system before it returns.
    class Pending {
    public:
        Pending() = default;
        ~Pending() { abandon(); }
        Pending(const Pending&) = delete;
        Pending& operator=(const Pending&) = delete;
        // False with `why` when the path is refused or no temporary can be made.
        bool open(const std::string& path, std::string& why);
        bool write(const std::vector<uint8_t>& bytes, std::string& why);
        // Flushes to the disk and renames the temporary over the file; later
        // writes go on into it.
        bool commit(std::string& why);
        bool committed() const { return done; }
        bool isOpen() const { return fd >= 0; }
        // Closes the file (removed unless committed); false with `why` when the close failed.
        bool close(std::string& why);

    private:
        void abandon();
        int fd = -1;
        std::string temporary, destination;
        bool done = false;
    };

    // An exclusive advisory lock on a folder, held while it lives, around a
    // read, merge and replace of a file in it. It may fail (flock on NFS, a
    // folder that cannot be opened): `failure` is then the errno.
    class FolderLock {
    public:
        explicit FolderLock(const std::filesystem::path& dir);
        ~FolderLock();
        FolderLock(const FolderLock&) = delete;
        FolderLock& operator=(const FolderLock&) = delete;
        int failure = 0;

    private:
        int fd = -1;
    };
};
