#include "platform/BestScore.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>

#include <filesystem>

TEST(BestScore, KeptAcrossGamesOnlyWhenBeatenInAFolderMadeForIt) {
    TempDir dir;
    const std::string file = dir.path("new/folder/best-score");
    {
        BestScore score(file);
        EXPECT_EQ(score.load(), 0);   // no file yet: no best, no message
        EXPECT_TRUE(score.offer(160));
        EXPECT_TRUE(score.offer(80));   // not better: kept as it was
    }
    EXPECT_EQ(readBytes(file), (std::vector<uint8_t>{'1', '6', '0', '\n'}));
    BestScore again(file);
    EXPECT_EQ(again.load(), 160);
    EXPECT_TRUE(again.offer(240));
    EXPECT_EQ(BestScore(file).load(), 240);
    // No temporary files are left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("new/folder")),
                            std::filesystem::directory_iterator()), 1);
}

TEST(BestScore, AFailedSaveLeavesTheOldFileAndIsReportedOnce) {
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
    EXPECT_EQ(messages.rfind("Error: cannot save the best score in " + file, 0), 0u) << messages;
    EXPECT_EQ(messages.find('\n'), messages.size() - 1);   // one line
    EXPECT_EQ(readBytes(file), (std::vector<uint8_t>{'8', '0', '\n'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("")), std::filesystem::directory_iterator()), 1);
}

TEST(BestScore, ACorruptFileCountsAsNoBestAndIsReportedOnce) {
    TempDir dir;
    const std::string file = dir.path("best-score");
    for (const std::vector<uint8_t>& bytes :
         {std::vector<uint8_t>{}, std::vector<uint8_t>{'-', '5'}, std::vector<uint8_t>(100, '9')}) {
        writeBytes(file, bytes);
        BestScore score(file);
        testing::internal::CaptureStderr();
        EXPECT_EQ(score.load(), 0);
        EXPECT_EQ(score.load(), 0);
        const std::string messages = testing::internal::GetCapturedStderr();
        EXPECT_EQ(messages, "Error: the best score in " + file + " is damaged; counting none\n");
        EXPECT_TRUE(score.offer(80));   // and the next game's best replaces it
        EXPECT_EQ(BestScore(file).load(), 80);
    }
}
