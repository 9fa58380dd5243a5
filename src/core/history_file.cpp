#include "core/history_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <string_view>

#include "core/file_io.h"
#include "core/layer.h"
#include "core/text_util.h"

namespace minamori {

namespace {

constexpr std::size_t kColumns = 1 + 3 * kCountriesInPlay + 5;

// The numbers of a row in column order, as pointers into it.
std::array<int32_t*, kColumns> columns(YearFigures& f) {
    std::array<int32_t*, kColumns> out{};
    std::size_t i = 0;
    out[i++] = &f.year;
    for (CountryFigures& c : f.countries) {
        out[i++] = &c.gdp;
        out[i++] = &c.military;
        out[i++] = &c.opinion;
    }
    for (int32_t* field : {&f.homeGrowth, &f.danger, &f.money, &f.debt, &f.level}) out[i++] = field;
    return out;
}

// A line read as a row; false for the header and for anything damaged.
bool parseRow(std::string_view line, YearFigures& out) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    YearFigures row;
    std::size_t start = 0;
    for (int32_t* field : columns(row)) {
        if (start > line.size()) return false;  // too few fields
        const std::size_t comma = std::min(line.find(',', start), line.size());
        if (!parseInt32(line.substr(start, comma - start), *field)) return false;
        start = comma + 1;
    }
    if (start <= line.size()) return false;  // too many fields
    out = row;
    return true;
}

std::string fileText(const std::vector<YearFigures>& rows) {
    std::string text = historyHeader();
    for (const YearFigures& row : rows) text += historyRow(row);
    return text;
}

bool appendBytes(const std::filesystem::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    noteFileChanged();
    return ::close(fd) == 0 && done == bytes.size();
}

}  // namespace

const std::string& historyHeader() {
    static const std::string kHeader =
        "year,japan_gdp,japan_military,japan_opinion,china_gdp,china_military,china_opinion,"
        "taiwan_gdp,taiwan_military,taiwan_opinion,usa_gdp,usa_military,usa_opinion,"
        "japan_growth,danger,money,debt,level\n";
    return kHeader;
}

std::string historyRow(const YearFigures& figures) {
    YearFigures copy = figures;
    std::string line;
    for (const int32_t* field : columns(copy)) {
        if (!line.empty()) line += ',';
        line += std::to_string(*field);
    }
    return line + '\n';
}

std::vector<YearFigures> parseHistory(const std::string& text) {
    std::map<int32_t, YearFigures> byYear;  // a later row of a year replaces an earlier one
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        YearFigures row;
        if (parseRow(std::string_view(text).substr(start, end - start), row))
            byYear[row.year] = row;
        start = end + 1;
    }
    std::vector<YearFigures> rows;
    rows.reserve(byYear.size());
    for (const auto& [year, row] : byYear) rows.push_back(row);
    return rows;
}

std::vector<YearFigures> readHistory(const std::filesystem::path& path) {
    std::string bytes, error;
    if (readWholeFile(path, bytes, error) != ReadResult::kRead) return {};
    return parseHistory(bytes);
}

bool appendHistory(const std::filesystem::path& path, const YearFigures& figures) {
    std::string bytes, error;
    const ReadResult read = readWholeFile(path, bytes, error);
    if (read == ReadResult::kFailed) return false;
    std::string out;
    if (bytes.empty())
        out = historyHeader();
    else if (bytes.back() != '\n')
        out = "\n";
    return appendBytes(path, out + historyRow(figures));
}

bool rewriteHistory(const std::filesystem::path& path, const std::vector<YearFigures>& rows) {
    return writeFileAtomically(path, fileText(rows)).empty();
}

bool keepHistoryUpTo(const std::filesystem::path& path, int32_t year) {
    std::string bytes, error;
    const ReadResult read = readWholeFile(path, bytes, error);
    if (read == ReadResult::kMissing) return true;
    if (read == ReadResult::kFailed) return false;
    std::vector<YearFigures> rows = parseHistory(bytes);
    std::erase_if(rows, [year](const YearFigures& row) { return row.year > year; });
    const std::string text = fileText(rows);
    if (text == bytes) return true;  // nothing to drop: leave the file alone
    return writeFileAtomically(path, text).empty();
}

std::filesystem::path historyPath(const CoreLayer& game) {
    return game.savePath().parent_path() / "history.csv";
}

YearFigures currentFigures(const CoreLayer& game) {
    YearFigures f;
    f.year = game.my.year;
    for (std::size_t c = 0; c < f.countries.size(); ++c) {
        const tcountry& country = game.countries[c];
        f.countries[c] = {country.gdp, country.military, country.opinion};
    }
    f.homeGrowth = game.countries[kJapan].growth;
    f.danger = game.my.danger;
    f.money = game.my.money;
    f.debt = game.my.debt;
    f.level = game.my.level;
    return f;
}

// The history is a side file: its failures are ignored so the game never stops
// or nags over it.
void beginHistory(CoreLayer& game) {
    if (!game.dataDir().empty()) rewriteHistory(historyPath(game), {currentFigures(game)});
}

void recordYear(CoreLayer& game) {
    if (!game.dataDir().empty()) appendHistory(historyPath(game), currentFigures(game));
}

void trimHistoryToSave(CoreLayer& game) {
    if (!game.dataDir().empty()) keepHistoryUpTo(historyPath(game), game.my.year);
}

}  // namespace minamori
