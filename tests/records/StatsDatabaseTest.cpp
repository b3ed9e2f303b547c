#include "records/StatsDatabase.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/AppFolder.h"
#include "platform/FileIO.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPlayerHeader = 40;

struct Seat {
    const char* name;
    int32_t type;
    int32_t rating;
    int32_t place;
};

// Participants in colours 0, 1, 2, ... with the given date; the game lasted ten minutes.
GameRecord MakeRecord(std::initializer_list<Seat> seats, int32_t year, int32_t month, int32_t day,
                      int32_t startMs) {
    GameRecord r;
    for (const Seat& s : seats) {
        r.participants[r.count] = {ToGbkName(s.name), s.type, s.rating, r.count, s.place};
        ++r.count;
    }
    r.year = year;
    r.month = month;
    r.day = day;
    r.startMs = startMs;
    r.endMs = startMs + 600000;
    return r;
}

std::string NameAt(const std::vector<uint8_t>& bytes, std::size_t at) {
    return std::string(GbkNameBytes(std::span(bytes).subspan(at, kGbkNameBytes)));
}

void PutI32(std::vector<uint8_t>& bytes, std::size_t at, int32_t v) {
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
}

// Three players, one with two records, one record shared by two humans.
StatsDatabase MakeDatabase() {
    StatsDatabase db;
    db.AddGameRecord(MakeRecord({{"Ann", 1, 1505, 0}, {"Novice A.I.", 2, 1245, 1}}, 2004, 2, 5, 0));
    db.AddGameRecord(MakeRecord(
        {{"Bob", 1, 1495, 1}, {"Ann", 1, 1512, 0}, {"Master A.I.", 6, 1995, 2}}, 2005, 0, 1, 500));
    db.AddGameRecord(MakeRecord({{"张三", 1, 1510, 0}, {"Ann", 1, 1507, 1}}, 2003, 11, 31, 900));
    return db;
}

class StatsFile : public ::testing::Test {
protected:
    static std::vector<uint8_t> FileBytes() {
        return ReadFileLimited(StatsDatabase::DefaultPath(), kMaxStatsFileBytes).bytes;
    }

    testing::AppFolderScope folder_{"halmora-stats"};
    const fs::path& dir_ = folder_.Path();
};

TEST(StatsDatabase, ThreeParticipantRecordTakes168BytesInFileLayout) {
    StatsDatabase db;
    GameRecord record = MakeRecord(
        {{"Ann", 1, 1505, 0}, {"Expert A.I.", 5, 1845, 2}, {"Bob", 3, 1400, 1}}, 2004, 2, 5, 1234);
    record.participants[1].name[20] = 0x7E;  // bytes after the zero are kept
    db.AddGameRecord(record);
    const std::vector<uint8_t> bytes = db.Write();
    ASSERT_EQ(bytes.size(), 4 + kPlayerHeader + 168);

    EXPECT_EQ(bytes[0], 1);              // player count
    EXPECT_EQ(NameAt(bytes, 4), "Ann");  // name, record count, rating
    EXPECT_EQ(bytes[36], 1);
    EXPECT_EQ(bytes[40] | bytes[41] << 8, 1505);
    const std::size_t r = 4 + kPlayerHeader;  // n, names, types, ratings, colours, places, date
    EXPECT_EQ(bytes[r], 3);
    EXPECT_EQ(bytes[r + 4 + 32 + 20], 0x7E);
    EXPECT_EQ(bytes[r + 4 + 96 + 4], 5);
    EXPECT_EQ(bytes[r + 4 + 120 + 8], 2);
    EXPECT_EQ(bytes[r + 4 + 132 + 4], 2);
    EXPECT_EQ(bytes[r + 156] | bytes[r + 157] << 8, 2004);
    EXPECT_EQ(bytes[r + 160] | bytes[r + 161] << 8, 1234);

    StatsDatabase read;
    ASSERT_TRUE(read.Read(bytes).Ok());
    EXPECT_EQ(read.Entry(0).records.at(0), record);
}

TEST(StatsDatabase, FilingGamesKeepsEntriesCountsAndNewestFirstAndSameNamesTwice) {
    StatsDatabase db = MakeDatabase();
    // Created at the front as first met; computers get no entry.
    ASSERT_EQ(db.Count(), 3);
    EXPECT_EQ(db.Entry(0).Name(), Utf8ToGbk("张三"));
    EXPECT_EQ(db.Entry(2).Name(), "Ann");
    EXPECT_EQ(db.Find("Novice A.I."), nullptr);
    EXPECT_EQ(db.Find("ann"), nullptr);  // case-sensitive

    const PlayerEntry* ann = db.Find("Ann");
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->gamesPlayed, 3);
    EXPECT_EQ(ann->gamesWon, 2);
    EXPECT_EQ(ann->gamesLost, 1);
    EXPECT_EQ(ann->totalPlayingMs, 3 * 600000);
    EXPECT_EQ(ann->rating, 1507);  // from the game filed last, not the newest by date
    ASSERT_EQ(ann->records.size(), 3u);
    EXPECT_EQ(ann->records[0].year, 2005);
    EXPECT_EQ(ann->records[2].year, 2003);

    EXPECT_FALSE(db.DeletePlayer("Nobody"));
    EXPECT_TRUE(db.DeletePlayer("Bob"));
    EXPECT_EQ(db.Count(), 2);
    EXPECT_EQ(db.Find("Bob"), nullptr);
    EXPECT_EQ(db.Find("Ann")->records.size(), 3u);  // the shared record stays with Ann

    // Year, month, day, start time; equal times keep the newer filing first.
    StatsDatabase order;
    for (auto [rating, month, day, start] :
         {std::array{1, 5, 1, 100}, std::array{2, 5, 1, 101}, std::array{3, 4, 30, 999999},
          std::array{4, 5, 1, 100}})
        order.AddGameRecord(
            MakeRecord({{"C", 1, rating, 0}, {"D", 2, 1, 1}}, 2004, month, day, start));
    std::vector<int32_t> ratings;
    for (const GameRecord& r : order.Find("C")->records)
        ratings.push_back(r.participants[0].rating);
    EXPECT_EQ(ratings, (std::vector<int32_t>{2, 4, 1, 3}));

    // Two humans with one name file the record twice, both read through the first of them.
    StatsDatabase kim;
    kim.AddGameRecord(MakeRecord({{"Kim", 1, 1490, 1}, {"Kim", 1, 1510, 0}}, 2004, 1, 1, 0));
    ASSERT_EQ(kim.Count(), 1);
    EXPECT_EQ(kim.Entry(0).records.size(), 2u);
    EXPECT_EQ(kim.Entry(0).gamesLost, 2);
    EXPECT_EQ(kim.Entry(0).rating, 1490);
    kim.AddGameRecord(MakeRecord({{"Solo", 1, 1500, 0}}, 2004, 1, 1, 0));  // no file could hold it
    EXPECT_EQ(kim.Count(), 1);
}

TEST_F(StatsFile, LoadAndSaveReverseThePlayerBlocksAndTwiceRestoreTheFile) {
    ASSERT_TRUE(MakeDatabase().Save().Ok());
    const std::vector<uint8_t> first = FileBytes();
    const std::size_t ann = 4;
    const std::size_t bob = ann + kPlayerHeader + 2 * GameRecordBytes(2) + GameRecordBytes(3);
    EXPECT_EQ(NameAt(first, 4), Utf8ToGbk("张三"));

    StatsDatabase db;
    ASSERT_TRUE(db.Load().Ok());
    ASSERT_TRUE(db.Save().Ok());
    const std::vector<uint8_t> second = FileBytes();
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(NameAt(second, ann), "Ann");
    EXPECT_EQ(NameAt(second, bob), "Bob");
    EXPECT_NE(second, first);

    ASSERT_TRUE(db.Load().Ok());
    ASSERT_TRUE(db.Save().Ok());
    EXPECT_EQ(FileBytes(), first);

    // The rating in the file is the newest record's rating after the game.
    ASSERT_TRUE(db.Load().Ok());
    const PlayerEntry* bobEntry = db.Find("Bob");
    ASSERT_NE(bobEntry, nullptr);
    EXPECT_EQ(bobEntry->rating, bobEntry->records[0].participants[0].rating);
    EXPECT_EQ(bobEntry->gamesLost, 1);
}

TEST_F(StatsFile, MissingFileIsEmptyAndUnreadableFileIsNeverReplaced) {
    StatsDatabase db = MakeDatabase();
    EXPECT_TRUE(db.Load().Ok());
    EXPECT_EQ(db.Count(), 0);

    // A folder where the file should be cannot be read: the database stays as it was and
    // saving over what could not be read is refused.
    db = MakeDatabase();
    fs::create_directory(StatsDatabase::DefaultPath());
    EXPECT_EQ(db.Load().error, StatsError::CannotOpen);
    EXPECT_EQ(db.Count(), 3);
    EXPECT_EQ(db.Save().error, StatsError::NotReplacingUnreadFile);
    EXPECT_TRUE(fs::is_directory(StatsDatabase::DefaultPath()));

    fs::remove(StatsDatabase::DefaultPath());
    EXPECT_TRUE(db.Load().Ok());
    db.AddGameRecord(MakeRecord({{"Eve", 1, 1505, 0}, {"Al", 1, 1495, 1}}, 2004, 1, 1, 0));
    EXPECT_TRUE(db.Save().Ok());
    EXPECT_EQ(FileBytes().size(), 4 + 2 * (kPlayerHeader + GameRecordBytes(2)));
}

TEST(StatsDatabase, FileCutAtAnyPointKeepsWhatWasReadBeforeTheCut) {
    const std::vector<uint8_t> full = MakeDatabase().Write();
    StatsDatabase whole;
    ASSERT_TRUE(whole.Read(full).Ok());
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        StatsDatabase db = MakeDatabase();
        const StatsStatus status = db.Read(std::span(full).first(cut));
        // A count cut off from its blocks may already show that the bytes cannot hold them.
        ASSERT_TRUE(status.error == StatsError::EndsEarly || status.error == StatsError::BadCount)
            << cut << " " << status.message;
        ASSERT_LE(db.Count(), whole.Count()) << cut;
        // Blocks read so far are the file's first ones; all but the last read are whole.
        for (int32_t j = 0; j < db.Count(); ++j) {
            const PlayerEntry& got = db.Entry(db.Count() - 1 - j);
            const PlayerEntry& want = whole.Entry(whole.Count() - 1 - j);
            ASSERT_EQ(got.Name(), want.Name()) << cut;
            ASSERT_EQ(got.rating, want.rating) << cut;
            if (j + 1 < db.Count())
                ASSERT_EQ(got.records, want.records) << cut;
            else
                ASSERT_LE(got.records.size(), want.records.size()) << cut;
            ASSERT_EQ(got.gamesPlayed, static_cast<int32_t>(got.records.size())) << cut;
        }
    }
}

TEST(StatsDatabase, CountsBeyondTheBytesAreReportedAndFollowedOnlyAsFarAsTheBytesGo) {
    const std::vector<uint8_t> good = MakeDatabase().Write();
    const std::size_t firstRecords = 4 + 32;  // record count of the first block (张三, one game)
    const std::size_t firstN = 4 + kPlayerHeader;
    const struct {
        std::size_t at;
        int32_t value;
        StatsError error;
        int32_t players;  // entries kept
    } cases[] = {
        {0, 0x7FFFFFFF, StatsError::BadCount, 3},
        {0, 4, StatsError::EndsEarly, 3},  // within the bytes' rough capacity
        {0, -1, StatsError::BadCount, 0},
        {0, 2, StatsError::TrailingBytes, 2},
        {firstRecords, 0x7FFFFFFF, StatsError::BadCount, 1},
        {firstRecords, -3, StatsError::BadCount, 1},
        {firstN, 7, StatsError::BadParticipantCount, 1},
        {firstN, 1, StatsError::BadParticipantCount, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.at) + " " + std::to_string(c.value));
        std::vector<uint8_t> bytes = good;
        PutI32(bytes, c.at, c.value);
        StatsDatabase db;
        const StatsStatus status = db.Read(bytes);
        EXPECT_EQ(status.error, c.error) << status.message;
        EXPECT_FALSE(status.message.empty());
        EXPECT_EQ(db.Count(), c.players);
    }
}

}  // namespace
}  // namespace halmora
