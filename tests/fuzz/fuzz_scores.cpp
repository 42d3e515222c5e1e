// The table of best games: any bytes are a file to read. What reads as a
// table has at most ten games, best first, and written again reads back as
// the same table.
#include "platform/ScoreTable.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<ScoreTable::Entry> entries;
    if (!ScoreTable::parse(text, entries)) return 0;
    if (entries.size() > ScoreTable::PLACES) __builtin_trap();
    for (size_t i = 1; i < entries.size(); ++i) {
        if (entries[i].points > entries[i - 1].points) __builtin_trap();
    }
    std::vector<ScoreTable::Entry> again;
    if (!ScoreTable::parse(ScoreTable::format(entries), again) || !(again == entries)) __builtin_trap();
    ScoreTable::Entry game;
    game.points = size ? data[0] : 0;
    const size_t before = entries.size();
    const int at = ScoreTable::place(entries, game);
    if (at >= int(ScoreTable::PLACES) || entries.size() > ScoreTable::PLACES || entries.size() < before) __builtin_trap();
    return 0;
}
