// Guards the player's record: never lost to a race, a damaged file, a full disk or a lock that fails; the ten
// best games of a mode kept alike, the new one placed, and the day's table the day's alone.
#include "platform/BestScore.h"
#include "platform/ScoreTable.h"
#include "platform/FileWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {

size_t filesIn(const std::string& dir) {
    return size_t(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

}

TEST(BestScore, KeptOnlyWhenBeatenInAPrivateFolderMadeForIt) {
    TempDir dir;
    const std::string file = dir.path("new/folder/best-score");
    {
        BestScore score(file);
        EXPECT_EQ(score.load(), 0);   // no file yet: no best, no message
        EXPECT_TRUE(score.offer(160));
        EXPECT_TRUE(score.offer(80));   // not better: kept as it was
        EXPECT_EQ(score.best(), 160);
    }
    EXPECT_EQ(readBytes(file), (std::vector<uint8_t>{'1', '6', '0', '\n'}));
    // Per-user state: both missing folders private to the player.
    for (const char* folder : {"new", "new/folder"}) {
        struct stat info = {};
        ASSERT_EQ(stat(dir.path(folder).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
    BestScore again(file);
    EXPECT_EQ(again.load(), 160);
    EXPECT_TRUE(again.offer(240));
    EXPECT_EQ(BestScore(file).load(), 240);
    EXPECT_EQ(filesIn(dir.path("new/folder")), 1u) << "no temporary files are left beside it";
}

// Two games that both read "no best" at their start and end one after the other.
TEST(BestScore, TwoGamesEndingAtOnceKeepTheHigherPoints) {
    TempDir dir;
    const std::string file = dir.path("best-score");
    BestScore high(file), low(file);
    high.load();
    low.load();
    EXPECT_TRUE(high.offer(300));
    EXPECT_TRUE(low.offer(200));
    EXPECT_EQ(BestScore(file).load(), 300);
    EXPECT_EQ(low.best(), 300) << "the game-over screen shows the stored best";

    // And truly at once, many times over: the lock keeps every round's larger value.
    for (int round = 0; round < 50; ++round) {
        const std::string racing = dir.path("race-" + std::to_string(round));
        BestScore a(racing), b(racing);
        a.load();
        b.load();
        std::thread first([&] { a.offer(1000 + round); });
        std::thread second([&] { b.offer(500 + round); });
        first.join();
        second.join();
        ASSERT_EQ(BestScore(racing).load(), 1000 + round) << "round " << round;
    }
}

TEST(BestScore, AFailedSaveLeavesTheOldFileReportsOnceAndShowsTheNewBest) {
    TempDir dir;
    const std::string file = dir.path("best-score");
    writeBytes(file, {'8', '0', '\n'});
    BestScore score(file);
    EXPECT_EQ(score.load(), 80);
    // A disk that takes one byte and no more; unlike a read-only folder, this
    // stops root too.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit oneByte{1, saved.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &oneByte);
    // Standard error goes to a pipe: a capture file would be held to one byte too.
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const int savedStderr = dup(2);
    dup2(pipeEnds[1], 2);
    const bool first = score.offer(160), second = score.offer(240);
    std::fflush(stderr);
    dup2(savedStderr, 2);
    close(savedStderr);
    close(pipeEnds[1]);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::string messages;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) messages.append(buffer, size_t(n));
    close(pipeEnds[0]);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(score.best(), 240) << "the screen shows this game's record, not the stale one";
    EXPECT_EQ(messages.rfind("Warning: cannot save the best score in " + file, 0), 0u) << messages;
    EXPECT_EQ(messages.find('\n'), messages.size() - 1);   // one line
    EXPECT_EQ(readBytes(file), (std::vector<uint8_t>{'8', '0', '\n'}));
    EXPECT_EQ(filesIn(dir.path("")), 1u);
}

// A folder the lock cannot open (as flock fails on NFS): said once, and saved all the same.
TEST(BestScore, ALockThatFailsIsReportedOnceAndTheScoreSaved) {
    TempDir dir;
    const std::string folder = dir.path("share"), file = folder + "/best-score";
    ASSERT_EQ(mkdir(folder.c_str(), 0333), 0);   // written and entered, never opened to read
    EXPECT_EXIT(
        {
            // Root opens any folder: the test takes another user's part.
            if (geteuid() == 0 && (chmod(dir.path("").c_str(), 0711) || chown(folder.c_str(), 65534, 65534) ||
                                   setgid(65534) || setuid(65534)))
                std::_Exit(9);
            BestScore score(file);
            std::_Exit(score.offer(160) && score.offer(240) && BestScore(file).load() == 240 ? 0 : 1);
        },
        testing::ExitedWithCode(0),
        "^Warning: cannot lock " + folder + " to save the best score \\(Permission denied\\); saving it unlocked\n$");
}

// A file the game cannot make sense of may still be the player's record.
TEST(BestScore, ADamagedOrUnreadableFileIsNeverOverwritten) {
    TempDir dir;
    const std::string file = dir.path("best-score");
    const std::string damaged = "Warning: the best score in " + file +
                                " is damaged; it is left as it is and no best is shown\n";
    struct Case {
        std::vector<uint8_t> bytes;
        bool unreadable;
        std::string message;
    } cases[] = {
        {{}, false, damaged},
        {{'-', '5'}, false, damaged},
        {std::vector<uint8_t>(100, '9'), false, damaged},
        {{'1', '2', '\n'}, true, ""},   // root reads any file: made a folder instead
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(file);
        if (c.unreadable) std::filesystem::create_directory(file);
        else writeBytes(file, c.bytes);
        BestScore score(file);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(score.load().has_value());
        score.load();
        EXPECT_FALSE(score.offer(80));
        EXPECT_FALSE(score.best().has_value()) << "the game-over screen says the best is unknown";
        const std::string messages = testing::internal::GetCapturedStderr();
        if (!c.message.empty()) {
            EXPECT_EQ(messages, c.message);
        } else {
            EXPECT_EQ(messages.rfind("Warning: cannot read the best score in " + file, 0), 0u) << messages;
        }
        EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << "reported once";
        if (!c.unreadable) {
            EXPECT_EQ(readBytes(file), c.bytes) << "left byte for byte";
        }
        EXPECT_EQ(filesIn(dir.path("")), 1u);
    }
}

// One rule for every writer: over a regular file or a new name only, through a link to the file it names.
TEST(BestScore, WrittenThroughALinkToItsFileAndNeverOverAnythingButAFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.path("real"));
    writeBytes(dir.path("real/score"), {'1', '5', '0', '\r', '\n'});   // saved on another system
    std::filesystem::create_symlink("real/score", dir.path("best-score"));
    BestScore score(dir.path("best-score"));
    EXPECT_EQ(score.load(), 150);
    EXPECT_TRUE(score.offer(160));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("best-score"))) << "a link stays a link";
    EXPECT_EQ(readBytes(dir.path("real/score")), (std::vector<uint8_t>{'1', '6', '0', '\n'}));

    ASSERT_EQ(mkfifo(dir.path("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("fifo", dir.path("to-fifo"));
    const struct {
        std::string path, why;
    } refused[] = {{dir.path("fifo"), "not a regular file"}, {dir.path("to-fifo"), "not a regular file"},
                   {"/dev/null", "not a regular file"}, {dir.path("real"), "Is a directory"}};
    for (const auto& r : refused) {
        std::string why;
        EXPECT_EQ(FileWriter::refusal(r.path), r.why) << r.path;
        EXPECT_FALSE(FileWriter::replace(r.path, "x", why)) << r.path;
        EXPECT_EQ(why, r.why) << r.path;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path("fifo")));
    EXPECT_EQ(filesIn(dir.path("")), 4u) << "no temporary left beside them";
}

TEST(ScoreTable, TenBestKeptInOrderAcrossGamesTheDamagedNeverWritten) {
    TempDir dir;
    const std::string file = dir.path("data/scores-waves");
    ScoreTable first(file), second(file);
    first.load();
    second.load();   // both read an empty table; the second places after the first has written
    EXPECT_EQ(first.offer({300, 3, "2026-12-07"}), 0);
    EXPECT_EQ(second.offer({500, 5, "2026-12-08"}), 0);
    EXPECT_EQ(second.offer({300, 2, "2026-12-08"}), 2) << "a tie goes below: the first to make it keeps its place";
    for (int i = 0; i < 8; ++i) second.offer({100 + i, 1, "2026-12-08"});
    EXPECT_EQ(second.offer({50, 1, "2026-12-08"}), -1) << "not among the ten";
    EXPECT_EQ(second.offer({400, 4, "2026-12-08"}), 1);
    ScoreTable again(file);
    ASSERT_TRUE(again.load());
    ASSERT_EQ(again.entries().size(), ScoreTable::PLACES);
    EXPECT_EQ(again.entries()[0], (ScoreTable::Entry{500, 5, "2026-12-08"}));
    EXPECT_EQ(again.entries()[2], (ScoreTable::Entry{300, 3, "2026-12-07"}));
    EXPECT_EQ(again.entries()[9].points, 102);
    EXPECT_EQ(filesIn(dir.path("data")), 1u);

    // The day's table holds the day alone.
    ScoreTable day(file, "2026-12-07");
    ASSERT_TRUE(day.load());
    ASSERT_EQ(day.entries().size(), 1u);
    EXPECT_EQ(day.offer({10, 1, "2026-12-07"}), 1);

    // Damage of every kind is said once and the file left exactly as it was.
    for (const std::string& text : {std::string("500 5 2026-12-08\nfive 1 -\n"), std::string("1 1 -\n").append(size_t(11), 'x'),
                                    std::string("1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n1 1 -\n"),
                                    std::string("1  1 -\n"), std::string("1 1 2026-1-08\n"), std::string(2000, '1')}) {
        writeBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
        ScoreTable damaged(file);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(damaged.load()) << text;
        EXPECT_EQ(damaged.offer({900, 9, "2026-12-08"}), -1);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("is damaged; it is left as it is"), std::string::npos);
        EXPECT_TRUE(damaged.entries().empty());
        EXPECT_EQ(readBytes(file), std::vector<uint8_t>(text.begin(), text.end()));
    }
}
