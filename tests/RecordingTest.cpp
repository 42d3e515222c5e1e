// Guards the recording reader: damaged, foreign or newer files named, nothing trusted past the size, impossible
// numbers and costly runs of entries refused, a cut file kept to its last whole frame, and the older formats'
// commands read into records that play as those commands did.
#include "recording/Recording.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// A good recording: header, two frames (one with a shot and a turn), a checksum, a new game.
// The steering is chosen after the file is opened, as on the start screen; once play began it stays.
std::vector<uint8_t> goodFile(const TempDir& dir) {
    const std::string path = dir.path("good.sfr");
    {
        RecordingWriter writer;
        std::string why;
        EXPECT_TRUE(writer.open(path, "1.0.0", 42, {Mode::Waves, Steering::Rates}, why)) << why;
        EXPECT_TRUE(writer.setRules({Mode::Waves, Steering::Aim}));
        InputRecord input;
        input.press(Action::Fire);
        input.addTurn(0.25f, -0.5f);
        writer.frame(1000, 0.014f, input);
        EXPECT_FALSE(writer.setRules(GameRules()));
        writer.frame(1014, 0.014f, InputRecord());
        writer.checksum(2, 0x0123456789abcdefull);
        writer.newGame();
    }
    return readBytes(path);
}

void putFloat(std::vector<uint8_t>& out, float f) {
    uint8_t b[4];
    std::memcpy(b, &f, 4);
    out.insert(out.end(), b, b + 4);
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
    EXPECT_TRUE(read.rules == GameRules({Mode::Waves, Steering::Aim}));
    ASSERT_EQ(read.entries.size(), 4u);
    EXPECT_EQ(read.entries[0].clock, 1000u);
    EXPECT_EQ(read.entries[0].input.presses(Action::Fire), 1u);
    ASSERT_EQ(read.entries[0].input.turnCount, 1u);
    EXPECT_EQ(read.entries[0].input.turns[0][1], -0.5f);
    EXPECT_TRUE(read.entries[1].input.empty());
    EXPECT_EQ(read.entries[2].hash, 0x0123456789abcdefull);
    EXPECT_EQ(read.entries[3].kind, Recording::Entry::NewGame);
    EXPECT_FALSE(read.cut);

    const size_t header = 8 + 2 + 1 + 5 + 4 + 2;   // magic, format, version's length and text, seed, rules
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
    // A frame: kind, clock, frame time, events (a count, two bytes each), the turn's flag, turns (a count, eight each).
    const size_t frameTime = header + 5, events = header + 9, flags = header + 12, turns = header + 13;
    const size_t secondFrame = header + 22, checksum = secondFrame + 12;
    std::vector<uint8_t> twoNewGames = good;
    twoNewGames.push_back('N');
    std::vector<uint8_t> twoChecksums = cut(checksum + 13);
    twoChecksums.insert(twoChecksums.end(), good.begin() + long(checksum), good.begin() + long(checksum + 13));
    struct Row {
        const char* what;
        std::vector<uint8_t> bytes;
        std::string error;
    } rows[] = {
        {"empty", {}, "empty file"},
        {"foreign", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}, "not a spacefight recording"},
        {"magic only", cut(8), "truncated header"},
        {"version cut", cut(14), "truncated header"},
        {"newer format", changed(8, 5), "made by a newer spacefight (format 5)"},
        {"rules cut", cut(header - 1), "truncated header"},
        {"unknown mode", changed(header - 2, uint8_t(Mode::Count)), "unknown mode 3"},
        {"unknown steering", changed(header - 1, uint8_t(Steering::Count)), "unknown steering 2"},
        {"truncated frame", cut(header + 11), "truncated frame 1"},
        {"NaN frame time", withFloat(frameTime, NAN), "impossible frame time in frame 1"},
        {"negative frame time", withFloat(frameTime, -0.014f), "impossible frame time in frame 1"},
        {"NaN turn", withFloat(turns + 1, NAN), "impossible turn in frame 1"},
        {"huge turn", withFloat(turns + 5, -1e30f), "impossible turn in frame 1"},
        {"absurd events", changed(events, 200), "frame 1 claims 200 key events"},
        {"unknown action", changed(events + 1, uint8_t(Action::Count)), "unknown key event in frame 1"},
        {"neither pressed nor released", changed(events + 2, 2), "unknown key event in frame 1"},
        {"unknown turn flag", changed(flags, 2), "unknown turn in frame 1"},
        {"absurd turns", changed(turns, 5), "frame 1 claims 5 turns"},
        {"two new games", twoNewGames, "new game without a frame at byte " + std::to_string(good.size())},
        {"two checksums", twoChecksums, "checksum without a frame at byte " + std::to_string(checksum + 13)},
        {"unknown entry", changed(header, 'Z'), "unknown entry at byte 22"},
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

// Format 2 held a list of commands a frame. Turns before the stick set the rates count for nothing, turns are
// kept in their order (the rates add them one by one), and actions past the last were passed over.
TEST(Recording, OlderCommandsReadAsTheRecordThatPlaysAlike) {
    std::vector<uint8_t> bytes = {'S', 'F', 'R', 'E', 'P', 'L', 'A', 'Y', 2, 0, 5, '1', '.', '0', '.', '0', 7, 0, 0, 0};
    auto command = [&](uint8_t kind, uint8_t action, float a, float b) {
        bytes.insert(bytes.end(), {kind, action});
        putFloat(bytes, a);
        putFloat(bytes, b);
    };
    auto frame = [&](uint16_t count) {
        bytes.insert(bytes.end(), {'F', 0xE8, 0x03, 0, 0});
        putFloat(bytes, 0.014f);
        bytes.insert(bytes.end(), {uint8_t(count), uint8_t(count >> 8)});
    };
    frame(7);
    command(1, 0, 0.5f, 0.5f);              // a turn the stick then replaces
    command(2, 0, 0.1f, -0.1f);             // the stick
    command(1, 0, 0.01f, 0.02f);
    command(1, 0, 0.03f, 0.04f);
    command(3, uint8_t(Action::Fire), 0, 0);
    command(3, 99, 0, 0);                   // no such action
    command(4, uint8_t(Action::SteerUp), 0, 0);
    Recording read;
    std::string error;
    ASSERT_TRUE(Recording::parse(bytes, read, error)) << error;
    const InputRecord& input = read.entries[0].input;
    EXPECT_TRUE(input.setsTurn);
    EXPECT_EQ(input.setYaw, 0.1f);
    ASSERT_EQ(input.turnCount, 2u);
    EXPECT_EQ(input.turns[1][0], 0.03f);
    ASSERT_EQ(input.eventCount, 2u);
    EXPECT_EQ(input.presses(Action::Fire), 1u);
    EXPECT_FALSE(input.events[1].pressed);

    std::vector<uint8_t> absurd = bytes;
    absurd.resize(20);
    frame(0);
    absurd.insert(absurd.end(), bytes.end() - 11, bytes.end() - 2);
    absurd.insert(absurd.end(), {0xFF, 0xFF});   // 65535 commands
    EXPECT_FALSE(Recording::parse(absurd, read, error));
    EXPECT_EQ(error, "frame 1 claims 65535 commands");
    bytes[20 + 11] = 9;   // the first command's kind
    EXPECT_FALSE(Recording::parse(bytes, read, error));
    EXPECT_EQ(error, "unknown command in frame 1");
}

// A frame can hold no more than the record keeps, and what it keeps is what is played: a flood of pointer moves is
// summed and held within reach, and a release always finds room, so no key stays held.
TEST(InputRecord, AFullFrameKeepsItsReleasesAndSumsItsTurns) {
    InputRecord input;
    input.press(Action::SteerLeft);
    for (unsigned i = 1; i < InputRecord::MAX_EVENTS; ++i) input.press(Action::ThrottleUp);
    input.press(Action::Fire);   // no room
    EXPECT_EQ(input.presses(Action::Fire), 0u);
    input.release(Action::SteerRight);
    EXPECT_EQ(input.eventCount, InputRecord::MAX_EVENTS);
    EXPECT_EQ(input.presses(Action::SteerLeft), 0u);   // the oldest press made way
    EXPECT_FALSE(input.events[InputRecord::MAX_EVENTS - 1].pressed);

    for (int i = 0; i < 500; ++i) input.addTurn(1.0f, -0.5f);
    EXPECT_EQ(input.turnCount, InputRecord::MAX_TURNS);
    EXPECT_EQ(input.turns[InputRecord::MAX_TURNS - 1][0], InputRecord::MAX_TURN);
    EXPECT_EQ(input.turns[InputRecord::MAX_TURNS - 1][1], -InputRecord::MAX_TURN);
    InputRecord straight;
    straight.addTurn(0.2f, 0.2f);
    straight.press(Action::Straighten);
    EXPECT_TRUE(straight.setsTurn);
    EXPECT_EQ(straight.turnCount, 0u);
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
        ASSERT_TRUE(never.open(path, "2.0.0", 7, GameRules(), why)) << why;
    }
    EXPECT_EQ(readBytes(path), kept) << "closed before any frame";
    RecordingWriter writer;
    ASSERT_TRUE(writer.open(path, "2.0.0", 7, GameRules(), why)) << why;
    EXPECT_EQ(readBytes(path), kept);
    writer.frame(10, 0.014f, InputRecord());   // read back before it is closed: each entry is on the disk at once
    Recording read;
    ASSERT_TRUE(Recording::parse(readBytes(path), read, why)) << why;
    EXPECT_EQ(read.seed, 7u);
    EXPECT_EQ(read.entries.size(), 1u);
}
