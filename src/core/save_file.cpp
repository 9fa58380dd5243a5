#include "core/save_file.h"


#include "core/cp932.h"
#include "core/file_io.h"
#include "core/history_file.h"
#include "core/layer.h"
#include "core/name_tables.h"
#include "core/state.h"
#include "core/text_util.h"

namespace minamori {

std::vector<SaveLine> saveLayout(tmy& m, Countries& countries) {
    std::vector<SaveLine> lines;
    lines.reserve(kSaveLines);
    auto num = [&lines](int32_t& field) { lines.push_back(SaveLine{&field, nullptr}); };

    for (int32_t* f : {&m.daysUsed, &m.year, &m.volume, &m.money, &m.level, &m.intelligence,
                       &m.vitality, &m.charisma, &m.hasTaxBudget})
        num(*f);
    for (int r = 0; r < kMenuRowSlots; ++r) {
        num(m.useCount[static_cast<size_t>(r)]);
        num(m.usedThisYear[static_cast<size_t>(r)]);
    }
    for (int32_t* f : {&m.exp, &m.intelligenceExp, &m.vitalityExp, &m.charismaExp, &m.danger,
                       &m.careerLevel, &m.ministerEconomy, &m.ministerFinance,
                       &m.ministerMonetary, &m.ministerLand, &m.ministerForeign,
                       &m.ministerDefence, &m.primeMinister})
        num(*f);
    for (int32_t& count : m.itemCount) num(count);
    num(m.debt);
    for (int32_t& seen : m.incidentSeen) num(seen);
    for (int32_t* f : {&m.chinaBanned, &m.lifespan, &m.gameStarted, &m.hp, &m.maxHp, &m.expBonus})
        num(*f);
    lines.push_back(SaveLine{nullptr, &m.titleText});
    for (int32_t* f : {&m.chinaNewsCount, &m.usNewsCount, &m.taiwanNewsCount, &m.totalClearCount,
                       &m.clearCount[1], &m.clearCount[2], &m.difficulty, &m.clearCount[3],
                       &m.clearCount[0], &m.battleMoneyBonus})
        num(*f);
    for (tcountry& c : countries)
        for (int32_t* f : {&c.military, &c.gdp, &c.growth, &c.opinion}) num(*f);
    for (int32_t& count : m.trueClearCount) num(count);
    return lines;
}

namespace {

// A line break inside the title would shift every later line of the file.
std::string titleForFile(const std::string& title) {
    std::string safe = title;
    for (char& ch : safe)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return utf8ToCp932(safe);
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// Reads the save file the way a text stream does: a number skips blanks and line
// ends before it and the rest of its line after it; the title takes one whole line.
class SaveReader {
public:
    explicit SaveReader(const std::string& data) : data_(data) {}

    bool readNumber(int32_t& out) {
        while (pos_ < data_.size() && isBlank(data_[pos_])) ++pos_;
        if (pos_ >= data_.size()) {
            out = 0;
            return true;
        }
        const std::size_t start = pos_;
        while (pos_ < data_.size() && !isBlank(data_[pos_])) ++pos_;
        if (!parseInt32(std::string_view(data_).substr(start, pos_ - start), out)) {
            badLine_ = lineNumberAt(start);
            return false;
        }
        skipLine();
        return true;
    }

    std::string readLine() {
        const std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
        std::string line = data_.substr(start, pos_ - start);
        skipLineEnd();
        return line;
    }

    int badLine() const { return badLine_; }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void skipLine() {
        while (pos_ < data_.size() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
        skipLineEnd();
    }

    void skipLineEnd() {
        if (pos_ < data_.size() && data_[pos_] == '\r') ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    }

    int lineNumberAt(std::size_t at) const {
        int line = 1;
        for (std::size_t i = 0; i < at; ++i) {
            const bool loneCr = data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n');
            if (data_[i] == '\n' || loneCr)
                ++line;
        }
        return line;
    }

    const std::string& data_;
    std::size_t pos_ = 0;
    int badLine_ = 0;
};

}  // namespace

std::string encodeSave(CoreLayer& game) {
    std::vector<std::string> lines;
    lines.reserve(kSaveLines);
    for (const SaveLine& line : saveLayout(game.my, game.countries))
        lines.push_back(line.number ? std::to_string(*line.number) : titleForFile(*line.text));
    return joinCrLf(lines);
}

std::string cutTitle(const std::string& title) {
    if (title.size() <= kTitleTextLimit) return title;
    std::size_t end = kTitleTextLimit;
    while (end > 0 && (static_cast<unsigned char>(title[end]) & 0xC0) == 0x80) --end;
    return title.substr(0, end);
}

LoadResult decodeSave(CoreLayer& game, const std::string& bytes, std::string& error) {
    // An editor may have put a UTF-8 byte-order mark before the first line.
    const std::string_view kBom = "\xEF\xBB\xBF";
    const std::string body =
        std::string_view(bytes).substr(0, kBom.size()) == kBom ? bytes.substr(kBom.size()) : bytes;
    SaveReader reader(body);
    for (const SaveLine& line : saveLayout(game.my, game.countries)) {
        if (line.text) {
            *line.text = cutTitle(cp932ToUtf8(reader.readLine()));
            continue;
        }
        if (!reader.readNumber(*line.number)) {
            error = game.loadPath().string() + ": " + std::to_string(reader.badLine()) +
                    "行目に数値でない値があります";
            return LoadResult::kFailed;
        }
    }
    return LoadResult::kLoaded;
}

LoadResult readSaveFile(CoreLayer& game, std::string& error) {
    std::string bytes;
    switch (readWholeFile(game.loadPath(), bytes, error, kSaveSizeLimit)) {
        case ReadResult::kMissing:
            return LoadResult::kMissing;
        case ReadResult::kFailed:
            return LoadResult::kFailed;
        case ReadResult::kRead:
            break;
    }
    return decodeSave(game, bytes, error);
}

namespace {

std::string movedSavesText(const CoreLayer& game) {
    return "セーブデータのフォルダ " + game.loadPath().parent_path().string() +
           " には書き込めないため、これからのセーブは " + game.savePath().string() +
           " に書き込みます。";
}

// Said once, when a game read from a place it can no longer write is about to
// be saved somewhere else: its first save there ends it.
void reportMovedSaves(CoreLayer& game) {
    if (game.loadPath() != game.savePath()) game.dialogs().showMessage(movedSavesText(game));
}

// A save that could not be read would be overwritten by the next save with
// what little was read: it is moved aside first, and the box says where.
void reportUnreadSave(CoreLayer& game, const std::string& error) {
    std::string text = "セーブデータを読み込めませんでした。\n" + error;
    const std::filesystem::path unread = game.loadPath();
    if (unread != game.savePath()) {
        // Saves go elsewhere now, so the file stays untouched where it is.
        game.dialogs().showMessage(text + "\n" + movedSavesText(game));
        return;
    }
    std::string why;
    const std::filesystem::path kept = moveAside(unread, "unreadable", why);
    if (kept.empty()) {
        text += "\n読めなかったファイルを残せなかったため、このゲームはセーブしません。\n" + why;
        game.saveRefusal = "読めなかった " + unread.string() + " を上書きしないためです";
    } else {
        text += "\n読めなかったファイルは " + kept.string() + " として残してあります。";
    }
    game.dialogs().showMessage(text);
}

}  // namespace

void loadGame(CoreLayer& game) {
    std::string error;
    switch (readSaveFile(game, error)) {
        case LoadResult::kLoaded:
            reportMovedSaves(game);
            trimHistoryToSave(game);
            break;
        case LoadResult::kMissing:
            newGame(game);
            trimHistoryToSave(game);
            break;
        case LoadResult::kFailed:
            reportUnreadSave(game, error);
            break;
    }
    // Figures no game reaches (a hand-edited file) must not hide every row of
    // the title menu before the first frame's clamp.
    normaliseLoadedState(game);
    fillNameTables(game);
}

std::string writeSaveFile(CoreLayer& game) {
    if (!game.saveRefusal.empty()) return game.savePath().string() + ": " + game.saveRefusal;
    return writeFileAtomically(game.savePath(), encodeSave(game));
}

bool saveGame(CoreLayer& game) {
    const std::string error = writeSaveFile(game);
    if (error.empty()) return true;
    game.dialogs().showMessage("セーブできませんでした。\n" + error);
    return false;
}

std::string clearRecordName(int32_t totalClearCount) {
    return "クリア" + std::to_string(totalClearCount) + "回目の記録.txt";
}

std::vector<std::string> clearRecordLines(const CoreLayer& game) {
    static const char* const kDifficultyLines[kDifficulties] = {
        "イージー クリア", "<ノーマル クリア>", "<<ハード クリア>>", "<<<EXTREAM クリア!!>>>"};
    const tmy& m = game.my;
    std::vector<std::string> lines = {"『ミナモリ!!』クリアおめでとうございます",
                                      "クリアに要した時間 " + std::to_string(m.year) + "年"};
    if (inRange(m.difficulty, kDifficulties))
        lines.push_back(kDifficultyLines[m.difficulty]);
    if (m.useCount[kRowTreatyCancelled] >= 1) lines.push_back("【TRUE END】");
    return lines;
}

bool writeClearRecord(CoreLayer& game) {
    std::string bytes;
    for (const std::string& line : clearRecordLines(game)) bytes += utf8ToCp932(line) + "\r\n";
    const std::string error = writeFileAtomically(
        game.recordsDir() / clearRecordName(game.my.totalClearCount), bytes);
    if (error.empty()) return true;
    game.dialogs().showMessage("クリアの記録を書き込めませんでした。\n" + error);
    return false;
}

}  // namespace minamori
