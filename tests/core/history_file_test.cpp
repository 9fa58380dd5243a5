// history.csv: rows written and read back, damaged files, appending after a cut
// line, and dropping the years after a loaded save.
#include "core/history_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/temp_folder.h"

namespace {

using minamori::YearFigures;

YearFigures row(int32_t year, int32_t seed = 1) {
    YearFigures f;
    f.year = year;
    for (std::size_t c = 0; c < f.countries.size(); ++c)
        f.countries[c] = {seed * 100 + static_cast<int32_t>(c), seed + 10, seed + 20};
    f.homeGrowth = -seed;
    f.danger = seed + 30;
    f.money = seed * 7;
    f.debt = seed * 2;
    f.level = seed;
    return f;
}

std::vector<int32_t> years(const std::vector<YearFigures>& rows) {
    std::vector<int32_t> out;
    for (const YearFigures& r : rows) out.push_back(r.year);
    return out;
}

TEST(HistoryFile, RowsReadBackWithExtremeFigures) {
    YearFigures f = row(INT32_MAX);
    f.countries[1].gdp = INT32_MIN;
    f.money = INT32_MAX;
    f.homeGrowth = INT32_MIN;
    const std::vector<YearFigures> back =
        minamori::parseHistory(minamori::historyHeader() + minamori::historyRow(f));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], f);
}

TEST(HistoryFile, DamagedLinesAreSkippedAndALaterRowOfAYearWins) {
    const std::string good1 = minamori::historyRow(row(1));
    std::string good3 = minamori::historyRow(row(3));
    good3.insert(good3.size() - 1, "\r");  // a CR LF line
    const std::string text = minamori::historyHeader() + minamori::historyRow(row(2, 5)) + good3 +
                             "garbage\n\n" + std::string("\0\xff,\x01", 4) + "\n" +
                             "4,1,2,3\n" +                                         // too few fields
                             "4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\n" +  // too many
                             "4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,99999999999\n" +
                             "4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,,17\n" +
                             minamori::historyRow(row(2, 9)) + good1.substr(0, good1.size() - 1);
    const std::vector<YearFigures> rows = minamori::parseHistory(text);
    EXPECT_EQ(years(rows), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(rows[1], row(2, 9));
    EXPECT_EQ(rows[2], row(3));
}

TEST(HistoryFile, AppendStartsWithTheHeaderAndEndsACutLineFirst) {
    mtest::TempFolder folder;
    const auto path = folder.path() / "history.csv";
    ASSERT_TRUE(minamori::appendHistory(path, row(0)));
    EXPECT_EQ(mtest::readBytes(path), minamori::historyHeader() + minamori::historyRow(row(0)));

    const std::string cut = minamori::historyRow(row(1)).substr(0, 9);
    mtest::writeBytes(path, mtest::readBytes(path) + cut);
    ASSERT_TRUE(minamori::appendHistory(path, row(2)));
    EXPECT_EQ(years(minamori::readHistory(path)), (std::vector<int32_t>{0, 2}));

    EXPECT_FALSE(minamori::appendHistory(folder.path() / "no" / "history.csv", row(0)));
    EXPECT_TRUE(minamori::readHistory(folder.path() / "no" / "history.csv").empty());
}

TEST(HistoryFile, KeepingUpToAYearDropsTheLaterOnes) {
    mtest::TempFolder folder;
    const auto path = folder.path() / "history.csv";
    ASSERT_TRUE(minamori::rewriteHistory(path, {row(0), row(1), row(2), row(3)}));
    mtest::writeBytes(path, mtest::readBytes(path) + "junk\n");
    ASSERT_TRUE(minamori::keepHistoryUpTo(path, 1));
    EXPECT_EQ(mtest::readBytes(path), minamori::historyHeader() + minamori::historyRow(row(0)) +
                                          minamori::historyRow(row(1)));

    const auto missing = folder.path() / "missing.csv";
    EXPECT_TRUE(minamori::keepHistoryUpTo(missing, 0));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
