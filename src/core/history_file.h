// history.csv: the world's figures year by year, kept beside the save file so
// the player can look back at how the world went. It is a side file: nothing of
// the game depends on it, and a failure to write it is ignored.
//
// The file is ASCII with LF line ends: a header line, then one row per year of
// comma-separated decimal numbers in the order of the header. Lines that are
// not such a row are skipped when read; of two rows for one year the later wins.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/records.h"

namespace minamori {

struct CoreLayer;

struct CountryFigures {
    int32_t gdp = 0;
    int32_t military = 0;
    int32_t opinion = 0;

    bool operator==(const CountryFigures&) const = default;
};

// One year's row: the four countries in play (日本, 中国, 台湾, 米国) and the home figures.
struct YearFigures {
    int32_t year = 0;
    std::array<CountryFigures, kCountriesInPlay> countries{};
    int32_t homeGrowth = 0;
    int32_t danger = 0;
    int32_t money = 0;
    int32_t debt = 0;
    int32_t level = 0;

    bool operator==(const YearFigures&) const = default;
};

// The file's first line, naming the columns.
const std::string& historyHeader();
// One row, with its line end.
std::string historyRow(const YearFigures& figures);

// The rows of a file's text, ordered by year, one per year.
std::vector<YearFigures> parseHistory(const std::string& text);
// The rows of the file; a missing or unreadable file has none.
std::vector<YearFigures> readHistory(const std::filesystem::path& path);

// Appends a row, with the header first when the file is new or empty. A last
// line cut short (a crash in mid-write) is ended first so the row stands alone.
// True on success.
bool appendHistory(const std::filesystem::path& path, const YearFigures& figures);
// Replaces the file by the header and the given rows. True on success.
bool rewriteHistory(const std::filesystem::path& path, const std::vector<YearFigures>& rows);
// Drops the rows of the years after the given one (and unreadable lines); a
// missing file stays missing. True when the file is as asked afterwards.
bool keepHistoryUpTo(const std::filesystem::path& path, int32_t year);

// The game's side of the file. A game without a data folder (tests, tools)
// keeps no history.
std::filesystem::path historyPath(const CoreLayer& game);
YearFigures currentFigures(const CoreLayer& game);
// A new game begins its history with the figures it starts from.
void beginHistory(CoreLayer& game);
// The figures of the year just begun, once its morning is over.
void recordYear(CoreLayer& game);
// After a saved game was loaded: the years after it did not happen.
void trimHistoryToSave(CoreLayer& game);

}  // namespace minamori
