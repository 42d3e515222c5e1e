// Guards the screenshot's file: the pictures folder as the desktop names it, a name of its own by date and
// time, never written over anything already there (a file, a planted link), and a failure that says why.
#include "platform/PicturesDirectory.h"
#include "shell/view/Screenshot.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>

namespace fs = std::filesystem;

TEST(Screenshot, ThePicturesFolderIsWhereTheDesktopSaysOrPicturesAtHome) {
    const struct {
        const char* text;
        const char* folder;   // "" when it names none
    } rows[] = {
        {"# xdg-user-dirs\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/home/p/Bilder"},
        {"XDG_PICTURES_DIR=\"/data/shots\"   # mine\r\n", "/data/shots"},
        {"XDG_PICTURES_DIR=\"$HOME/My \\\"Pics\\\"\"", "/home/p/My \"Pics\""},
        {"XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\"\n", "/b"},    // the last wins, as in the shell
        {"XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"Pictures\"\n", "/a"},   // a relative path is no folder
        {"XDG_PICTURES_DIR=\"$HOMEWARD/x\"\nXDG_PICTURES_DIR=\"/unclosed\nXDG_PICTURES_DIR=/no/quotes", ""},
        {"#XDG_PICTURES_DIR=\"/commented\"\nXDG_PICTURES_DIR=\"/a\x01\"", ""},
    };
    for (const auto& r : rows) EXPECT_EQ(PicturesDirectory::fromUserDirs(r.text, "/home/p"), r.folder) << r.text;
    EXPECT_EQ(PicturesDirectory::fromUserDirs("XDG_PICTURES_DIR=\"$HOME/x\"", ""), "") << "no HOME to stand for";

    TempDir dir;
    const char* const names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_PICTURES_DIR"};
    std::string kept[3];
    for (int i = 0; i < 3; ++i) kept[i] = std::getenv(names[i]) ? std::getenv(names[i]) : "";
    setenv("HOME", dir.path("home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.path("config").c_str(), 1);
    unsetenv("XDG_PICTURES_DIR");
    EXPECT_EQ(PicturesDirectory::find(), dir.path("home/Pictures"));
    setenv("XDG_PICTURES_DIR", "/elsewhere", 1);
    EXPECT_EQ(PicturesDirectory::find(), "/elsewhere");
    fs::create_directory(dir.path("config"));
    const std::string said = "XDG_PICTURES_DIR=\"/s\"\n";
    writeBytes(dir.path("config/user-dirs.dirs"), std::vector<uint8_t>(said.begin(), said.end()));
    EXPECT_EQ(PicturesDirectory::find(), "/s") << "the file, as xdg-user-dir reads it, wins";
    for (int i = 0; i < 3; ++i) kept[i].empty() ? unsetenv(names[i]) : setenv(names[i], kept[i].c_str(), 1);
}

TEST(Screenshot, EachIsANewFileNeverWrittenOverAnything) {
    TempDir dir;
    const std::string folder = dir.path("Pictures/spacefight");
    std::tm when = {};
    when.tm_year = 2026 - 1900, when.tm_mon = 11, when.tm_mday = 8, when.tm_hour = 14, when.tm_min = 3, when.tm_sec = 22;
    EXPECT_EQ(Screenshot::save(folder, when, {'a'}), "saved spacefight-2026-12-08-14-03-22.png");
    // The same second again, and a link planted where the third would go: each takes a name of its own.
    fs::create_symlink(dir.path("victim"), folder + "/spacefight-2026-12-08-14-03-22-3.png");
    writeBytes(dir.path("victim"), {'v'});
    EXPECT_EQ(Screenshot::save(folder, when, {'b'}), "saved spacefight-2026-12-08-14-03-22-2.png");
    EXPECT_EQ(Screenshot::save(folder, when, {'c'}), "saved spacefight-2026-12-08-14-03-22-4.png");
    EXPECT_EQ(readBytes(folder + "/spacefight-2026-12-08-14-03-22.png"), std::vector<uint8_t>{'a'});
    EXPECT_EQ(readBytes(folder + "/spacefight-2026-12-08-14-03-22-4.png"), std::vector<uint8_t>{'c'});
    EXPECT_EQ(readBytes(dir.path("victim")), std::vector<uint8_t>{'v'});
    const auto files = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    EXPECT_EQ(files, 4) << "three pictures and the link: no temporary left beside them";

    // A folder that cannot be made says why.
    writeBytes(dir.path("plain"), {'x'});
    EXPECT_EQ(Screenshot::save(dir.path("plain/spacefight"), when, {'d'}),
              "no screenshot: " + dir.path("plain/spacefight") + ": Not a directory");
}
