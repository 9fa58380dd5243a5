#include "core/number_texts.h"

#include "core/saturate.h"

namespace minamori {

std::string moneyText(int64_t n) {
    using std::to_string;
    const int64_t m = absWide(n);
    if (m == 0) return to_string(n) + "円";
    if (m <= 99) return to_string(n) + "00万円";
    if (m <= 999999) {
        const int64_t r = n % 100;
        if (r == 0) return to_string(n / 100) + "億円";
        return to_string(n / 100) + "億" + to_string(r) + "00万円";
    }
    if (m <= 999999999) {
        const int64_t t = n % 1000000;
        if (t == 0) return to_string(n / 1000000) + "兆円";
        if (n % 100 == 0) return to_string(n / 1000000) + "兆" + to_string(t / 100) + "億円";
        return to_string(n / 1000000) + "兆" + to_string(t / 100) + "億" + to_string(n % 100) +
               "00万円";
    }
    return {};
}

std::string opinionWord(int64_t v) {
    static const char* const kWords[10] = {"完全敵対", "恨日",   "抗日", "反日",       "やや反日",
                                           "無関心",   "やや親日", "親日", "とても親日", "愛日"};
    if (v < 0 || v > 999) return {};
    return kWords[v >= 90 ? 9 : v / 10];
}

std::string growthWord(int64_t v) {
    if (v < -999999 || v > 999999) return {};
    if (v <= -50) return "凍結";
    if (v <= -21) return "極寒";
    if (v <= -2) return "冷";
    if (v <= 1) return "普";
    if (v <= 20) return "暖";
    if (v <= 49) return "高温";
    return "灼熱";
}

}  // namespace minamori
