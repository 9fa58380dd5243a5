#include "fields.h"

#include <cstdint>
#include <string_view>

#include "core/text_util.h"
#include "game/game.h"

namespace minamori {

namespace {

struct IntField {
    const char* name;
    int32_t tmy::*member;
};

// clang-format off
const IntField kIntFields[] = {
    {"year", &tmy::year},                       {"daysUsed", &tmy::daysUsed},
    {"lifespan", &tmy::lifespan},               {"level", &tmy::level},
    {"exp", &tmy::exp},                         {"intelligence", &tmy::intelligence},
    {"intelligenceExp", &tmy::intelligenceExp}, {"vitality", &tmy::vitality},
    {"vitalityExp", &tmy::vitalityExp},         {"charisma", &tmy::charisma},
    {"charismaExp", &tmy::charismaExp},         {"hp", &tmy::hp},
    {"maxHp", &tmy::maxHp},                     {"money", &tmy::money},
    {"debt", &tmy::debt},                       {"danger", &tmy::danger},
    {"careerLevel", &tmy::careerLevel},         {"hasTaxBudget", &tmy::hasTaxBudget},
    {"ministerEconomy", &tmy::ministerEconomy}, {"ministerFinance", &tmy::ministerFinance},
    {"ministerMonetary", &tmy::ministerMonetary}, {"ministerLand", &tmy::ministerLand},
    {"ministerForeign", &tmy::ministerForeign}, {"ministerDefence", &tmy::ministerDefence},
    {"primeMinister", &tmy::primeMinister},     {"chinaBanned", &tmy::chinaBanned},
    {"usNewsCount", &tmy::usNewsCount},         {"chinaNewsCount", &tmy::chinaNewsCount},
    {"taiwanNewsCount", &tmy::taiwanNewsCount}, {"expBonus", &tmy::expBonus},
    {"battleMoneyBonus", &tmy::battleMoneyBonus}, {"difficulty", &tmy::difficulty},
    {"gameStarted", &tmy::gameStarted},         {"totalClearCount", &tmy::totalClearCount},
    {"volume", &tmy::volume},
};
// clang-format on

struct ArrayField {
    const char* name;
    int32_t* (*data)(tmy&);
    int size;
    bool sparse;  // shown as an object of its non-zero entries
};

const ArrayField kArrayFields[] = {
    {"useCount", [](tmy& m) { return m.useCount.data(); }, kMenuRowSlots, true},
    {"usedThisYear", [](tmy& m) { return m.usedThisYear.data(); }, kMenuRowSlots, true},
    {"itemCount", [](tmy& m) { return m.itemCount.data(); }, kItemSlots, true},
    {"incidentSeen", [](tmy& m) { return m.incidentSeen.data(); }, kIncidents, false},
    {"clearCount", [](tmy& m) { return m.clearCount.data(); }, kDifficulties, false},
    {"trueClearCount", [](tmy& m) { return m.trueClearCount.data(); }, kDifficulties, false},
};

struct CountryField {
    const char* name;
    int32_t tcountry::*member;
};

const CountryField kCountryFields[] = {
    {"military", &tcountry::military},
    {"gdp", &tcountry::gdp},
    {"growth", &tcountry::growth},
    {"opinion", &tcountry::opinion},
};

// Run-time values a test may want to place the game in.
struct RuntimeField {
    const char* name;
    int32_t* (*data)(Game&);
};

const RuntimeField kRuntimeFields[] = {
    {"titleStage", [](Game& g) { return &g.titleStage; }},
    {"inGame", [](Game& g) { return &g.inGame; }},
    {"currentPage", [](Game& g) { return &g.menu.currentPage; }},
    {"backPage", [](Game& g) { return &g.menu.backPage; }},
    {"battleState", [](Game& g) { return &g.battle.battleState; }},
    {"animFrame", [](Game& g) { return &g.animFrame; }},
};

// Splits "a.b.c" at its first dot.
std::pair<std::string_view, std::string_view> splitFirst(std::string_view path) {
    const auto dot = path.find('.');
    if (dot == std::string_view::npos) return {path, {}};
    return {path.substr(0, dot), path.substr(dot + 1)};
}

std::string setNumber(int32_t& field, const std::string& value) {
    if (!parseInt32(value, field)) return "not a 32-bit integer: " + value;
    return {};
}

bool parseIndex(std::string_view text, int size, int& index) {
    int32_t i = 0;
    if (!parseInt32(text, i) || !inRange(i, size)) return false;
    index = i;
    return true;
}

std::string setCountryField(Game& game, std::string_view rest, const std::string& value) {
    const auto [indexText, fieldName] = splitFirst(rest);
    int c = 0;
    if (!parseIndex(indexText, kCountries, c)) return "no country " + std::string(indexText);
    tcountry& country = game.countries[static_cast<size_t>(c)];
    if (fieldName == "name") {
        country.name = value;
        return {};
    }
    for (const CountryField& f : kCountryFields)
        if (fieldName == f.name) return setNumber(country.*f.member, value);
    return "no country field " + std::string(fieldName);
}

}  // namespace

std::string setField(Game& game, const std::string& path, const std::string& value) {
    if (path == "titleText") {
        game.my.titleText = value;
        return {};
    }
    for (const IntField& f : kIntFields)
        if (path == f.name) return setNumber(game.my.*f.member, value);
    for (const RuntimeField& f : kRuntimeFields)
        if (path == f.name) return setNumber(*f.data(game), value);
    const auto [head, rest] = splitFirst(path);
    if (head == "countries") return setCountryField(game, rest, value);
    for (const ArrayField& f : kArrayFields) {
        if (head != f.name) continue;
        int i = 0;
        if (!parseIndex(rest, f.size, i)) return "no index " + std::string(rest) + " in " + f.name;
        return setNumber(f.data(game.my)[i], value);
    }
    return "no field " + path;
}

void recordsToJson(Game& game, nlohmann::ordered_json& out) {
    tmy& m = game.my;
    for (const IntField& f : kIntFields) out[f.name] = m.*f.member;
    out["titleText"] = m.titleText;
    for (const ArrayField& f : kArrayFields) {
        const int32_t* data = f.data(m);
        if (f.sparse) {
            nlohmann::ordered_json entries = nlohmann::ordered_json::object();
            for (int i = 0; i < f.size; ++i)
                if (data[i] != 0) entries[std::to_string(i)] = data[i];
            out[f.name] = entries;
        } else {
            out[f.name] = std::vector<int32_t>(data, data + f.size);
        }
    }
    nlohmann::ordered_json countries = nlohmann::ordered_json::array();
    for (const tcountry& c : game.countries) {
        nlohmann::ordered_json country;
        country["name"] = c.name;
        for (const CountryField& f : kCountryFields) country[f.name] = c.*f.member;
        countries.push_back(country);
    }
    out["countries"] = countries;
}

}  // namespace minamori
