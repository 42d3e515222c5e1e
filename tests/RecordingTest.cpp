// Guards the recording reader: damaged, foreign or newer files named, nothing trusted past the size, impossible
// numbers and costly runs of entries refused, a cut file kept to its last whole frame.
#include "shell/replay/Recording.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// A good recording: header, two frames (one with commands), a checksum, a new game.
std::vector<uint8_t> goodFile(const TempDir& dir) {
    const std::string path = dir.path("good.sfr");
    {
        RecordingWriter writer;
        std::string why;
        EXPECT_TRUE(writer.open(path, "1.0.0", 42, why)) << why;
        Command turn;
        turn.a = 0.25f;
        turn.b = -0.5f;
        Command fire;
        fire.kind = Command::Press;
        fire.action = 9;
        writer.frame(1000, 0.014f, {turn, fire});
        writer.frame(1014, 0.014f, {});
        writer.checksum(2, 0x0123456789abcdefull);
        writer.newGame();
    }
    return readBytes(path);
}

}

TEST(Recording, WhatIsWrittenReadsBackAndDamageIsNamed) {
    TempDir dir;
    const std::vector<uint8_t> good = goodFile(dir);
    Recording read;
    std::string error;
    ASSERT_TRUE(Recording::parse(good, read, error)) << error;
    EXPECT_EQ(read.programVersion, "1.0.0");
    EXPECT_EQ(read.seed, 42u);
    ASSERT_EQ(read.entries.size(), 4u);
    EXPECT_EQ(read.entries[0].clock, 1000u);
    ASSERT_EQ(read.entries[0].commands.size(), 2u);
    EXPECT_EQ(read.entries[0].commands[0].b, -0.5f);
    EXPECT_EQ(read.entries[0].commands[1].action, 9);
    EXPECT_EQ(read.entries[2].hash, 0x0123456789abcdefull);
    EXPECT_EQ(read.entries[3].kind, Recording::Entry::NewGame);
    EXPECT_FALSE(read.cut);

    const size_t header = 8 + 2 + 1 + 5 + 4;   // magic, format, version's length and text, seed
    auto changed = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> b = good;
        b[at] = value;
        return b;
    };
    auto cut = [&](size_t length) { return std::vector<uint8_t>(good.begin(), good.begin() + long(length)); };
    auto withFloat = [&](size_t at, float value) {
        std::vector<uint8_t> b = good;
        std::memcpy(&b[at], &value, 4);
        return b;
    };
    const size_t frameTime = header + 1 + 4, turn = header + 1 + 4 + 4 + 2 + 2;
    const size_t secondFrame = header + 1 + 4 + 4 + 2 + 2 * 10, checksum = secondFrame + 11;
    std::vector<uint8_t> twoNewGames = good;
    twoNewGames.push_back('N');
    std::vector<uint8_t> twoChecksums = cut(checksum + 13);
    twoChecksums.insert(twoChecksums.end(), good.begin() + long(checksum), good.begin() + long(checksum + 13));
    std::vector<uint8_t> absurd = cut(header + 1 + 4 + 4);
    absurd.insert(absurd.end(), {0xFF, 0xFF});   // 65535 commands in a frame
    struct Row {
        const char* what;
        std::vector<uint8_t> bytes;
        std::string error;
    } rows[] = {
        {"empty", {}, "empty file"},
        {"foreign", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}, "not a spacefight recording"},
        {"magic only", cut(8), "truncated header"},
        {"version cut", cut(14), "truncated header"},
        {"newer format", changed(8, 3), "made by a newer spacefight (format 3)"},
        {"truncated frame", cut(header + 12), "truncated frame 1"},
        {"NaN frame time", withFloat(frameTime, NAN), "impossible frame time in frame 1"},
        {"negative frame time", withFloat(frameTime, -0.014f), "impossible frame time in frame 1"},
        {"NaN turn", withFloat(turn, NAN), "impossible turn in frame 1"},
        {"huge turn", withFloat(turn + 4, -1e30f), "impossible turn in frame 1"},
        {"two new games", twoNewGames, "new game without a frame at byte " + std::to_string(good.size())},
        {"two checksums", twoChecksums, "checksum without a frame at byte " + std::to_string(checksum + 13)},
        {"absurd count", absurd, "frame 1 claims 65535 commands"},
        {"unknown command", changed(header + 1 + 4 + 4 + 2, 9), "unknown command in frame 1"},
        {"unknown entry", changed(header, 'Z'), "unknown entry at byte 20"},
    };
    for (const Row& r : rows) {
        EXPECT_FALSE(Recording::parse(r.bytes, read, error)) << r.what;
        EXPECT_EQ(error, r.error) << r.what;
    }

    // Cut inside an entry after a whole frame (a crash while writing): read to its last whole frame.
    for (const size_t length : {secondFrame + 5, checksum + 7}) {
        ASSERT_TRUE(Recording::parse(cut(length), read, error)) << length << ": " << error;
        EXPECT_TRUE(read.cut);
        EXPECT_EQ(read.wholeFrames, length < checksum ? 1u : 2u);
    }
}

// A start that fails (no display) must not cost the player the recording already at that name.
TEST(Recording, TheFileAtItsNameStaysUntilTheFirstFrameIsPlayed) {
    TempDir dir;
    const std::string path = dir.path("keep.sfr");
    const std::vector<uint8_t> kept = goodFile(dir);
    writeBytes(path, kept);
    std::string why;
    {
        RecordingWriter never;
        ASSERT_TRUE(never.open(path, "2.0.0", 7, why)) << why;
    }
    EXPECT_EQ(readBytes(path), kept) << "closed before any frame";
    RecordingWriter writer;
    ASSERT_TRUE(writer.open(path, "2.0.0", 7, why)) << why;
    EXPECT_EQ(readBytes(path), kept);
    writer.frame(10, 0.014f, {});   // read back before it is closed: each entry is on the disk at once
    Recording read;
    ASSERT_TRUE(Recording::parse(readBytes(path), read, why)) << why;
    EXPECT_EQ(read.seed, 7u);
    EXPECT_EQ(read.entries.size(), 1u);
}
