// history.csv read back from damaged files, and appended to after a cut line.
#include "core/history_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/temp_folder.h"

namespace {

using minamori::historyRow;
using minamori::YearFigures;

YearFigures row(int32_t year, int32_t seed = 1) {
    YearFigures f;
    f.year = year;
    for (std::size_t c = 0; c < f.countries.size(); ++c)
        f.countries[c] = {seed * 100 + static_cast<int32_t>(c), seed + 10, seed + 20};
    f.homeGrowth = INT32_MIN + seed;
    f.danger = seed + 30;
    f.money = INT32_MAX - seed;
    return f;
}

std::vector<int32_t> years(const std::vector<YearFigures>& rows) {
    std::vector<int32_t> out;
    for (const YearFigures& r : rows) out.push_back(r.year);
    return out;
}

TEST(HistoryFile, DamagedLinesAreSkippedAndALaterRowOfAYearWins) {
    std::string crlf = historyRow(row(3));
    crlf.insert(crlf.size() - 1, "\r");
    const std::string last = historyRow(row(1));
    const std::string text =
        minamori::historyHeader() + historyRow(row(2, 5)) + crlf + "garbage\n\n" +
        std::string("\0\xff,\x01", 4) + "\n" + "4,1,2,3\n" +
        "4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\n" +        // a field too many
        "4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,99999999999\n" +  // past 32 bits
        "4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,,17\n" + historyRow(row(2, 9)) +
        last.substr(0, last.size() - 1);  // no line end
    const std::vector<YearFigures> rows = minamori::parseHistory(text);
    EXPECT_EQ(years(rows), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(rows[0], row(1));
    EXPECT_EQ(rows[1], row(2, 9));
    EXPECT_EQ(rows[2], row(3));
}

TEST(HistoryFile, AppendStartsWithTheHeaderAndEndsACutLineFirst) {
    mtest::TempFolder folder;
    const auto path = folder.path() / "history.csv";
    ASSERT_TRUE(minamori::appendHistory(path, row(0)));
    EXPECT_EQ(mtest::readBytes(path), minamori::historyHeader() + historyRow(row(0)));

    mtest::writeBytes(path, mtest::readBytes(path) + historyRow(row(1)).substr(0, 9));
    ASSERT_TRUE(minamori::appendHistory(path, row(2)));
    EXPECT_EQ(years(minamori::readHistory(path)), (std::vector<int32_t>{0, 2}));

    EXPECT_FALSE(minamori::appendHistory(folder.path() / "no" / "history.csv", row(0)));
}

}  // namespace
