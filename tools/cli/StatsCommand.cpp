// stats FILE: prints a statistics file, players in the order the game keeps them after loading
// (the reverse of the file's), each player's records newest first. Names are UTF-8, with control
// characters shown as U+FFFD so that every item stays on its line; a name is always last on its
// line and runs to the line's end. The format, one item per line:
//
//   players: 2
//   player: 张三
//     rating 1508, games 3, won 2, lost 1
//     game 1: 2004-03-05 21:07:00.000 to 21:40:12.000, 3 participants
//       place 1  Yellow  human      1508  张三
//       place 3  Blue    master     1992  Master A.I.
//       place 2  Orange  human      1495  Bob
//
// Dates are year-month-day; times are of the record's day, since midnight, with a leading '-'
// for a game begun the day before. Places count from 1 for the winner. A colour or seat type
// outside its range is printed as its number.
//
// Exit codes: 0 printed; 2 the file cannot be read (nothing printed) or is damaged (what could be
// read is printed first); either way one line on stderr says why.
#include "cli/StatsCommand.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/BoardGeometry.h"
#include "board/SeatTypes.h"
#include "platform/FileIO.h"
#include "platform/TextEncoding.h"
#include "records/StatsDatabase.h"

namespace halmora::cli {
namespace {

std::string ColourText(int32_t colour) {
    if (colour >= 0 && colour < kColorCount)
        return std::string(ColourName(colour));
    return std::to_string(colour);
}

std::string SeatTypeText(int32_t type) {
    if (type >= kSeatHuman && type <= kSeatMaster)
        return std::string(FindSeatType(type)->keyword);
    return std::to_string(type);
}

std::string NameText(const GbkName& name) {
    std::string text;
    for (char c : GbkNameToUtf8(name)) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            text += "\xEF\xBF\xBD";
        else
            text += c;
    }
    return text;
}

std::string TimeText(int32_t ms) {
    long long v = ms;
    std::string sign;
    if (v < 0) {
        sign = "-";
        v = -v;
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%02lld:%02lld:%02lld.%03lld", sign.c_str(), v / 3600000,
                  v / 60000 % 60, v / 1000 % 60, v % 1000);
    return buffer;
}

void PrintEntry(const PlayerEntry& entry) {
    std::printf("player: %s\n", NameText(entry.name).c_str());
    std::printf("  rating %d, games %d, won %d, lost %d\n", entry.rating, entry.gamesPlayed,
                entry.gamesWon, entry.gamesLost);
    int number = 0;
    for (const GameRecord& r : entry.records) {
        std::printf("  game %d: %04d-%02lld-%02d %s to %s, %d participants\n", ++number, r.year,
                    static_cast<long long>(r.month) + 1, r.day, TimeText(r.startMs).c_str(),
                    TimeText(r.endMs).c_str(), r.count);
        for (int i = 0; i < r.count; ++i) {
            const RecordParticipant& p = r.participants[i];
            std::printf("    place %-2lld %-7s %-9s %5d  %s\n", static_cast<long long>(p.place) + 1,
                        ColourText(p.colour).c_str(), SeatTypeText(p.seatType).c_str(), p.rating,
                        NameText(p.name).c_str());
        }
    }
}

}  // namespace

int RunStats(int argc, char** argv) {
    if (argc != 1) {
        std::fputs("halmora-cli stats: expected FILE\n", stderr);
        return 2;
    }
    const char* path = argv[0];
    // Read here rather than through Load, which takes a missing file for an empty one.
    const FileReadResult file = ReadFileLimited(path, kMaxStatsFileBytes);
    if (!file.status.Ok()) {
        std::fprintf(stderr, "halmora-cli stats: %s: %s\n", path, file.status.message.c_str());
        return 2;
    }
    StatsDatabase stats;
    const StatsStatus status = stats.Read(file.bytes);
    std::printf("players: %d\n", stats.Count());
    for (int32_t i = 0; i < stats.Count(); ++i)
        PrintEntry(stats.Entry(i));
    std::fflush(stdout);
    if (!status.Ok()) {
        std::fprintf(stderr, "halmora-cli stats: %s: %s\n", path, status.message.c_str());
        return 2;
    }
    return 0;
}

}  // namespace halmora::cli
