// Lines of the diplomacy and military pages in our own words, each short enough
// for one or two lines of the message log.
#include "actions/diplomacy_commands.h"

namespace minamori::affairs {

// Diplomacy: the two statements withdrawn, the state visit to Taiwan.
const char kFirstStatementWithdrawn[] = "事実に基づかない第一談話を、内閣として正式に破棄しました";
const char kSecondStatementWithdrawn[] = "事実に基づかない第二談話を、内閣として正式に破棄しました";
const char kTaiwanVisit[] = "台湾を訪れ、与野党の党首達と会談しました";

// Diplomacy: what the tours of Turkey and Malaysia teach.
const char kTurkeyLesson[] =
    "明治時代、和歌山沖で遭難したトルコの軍艦を村人達が救った出来事と、両国の絆を学びました";
const char kMalaysiaLesson[] =
    "北から来る者が異国の支配を終わらせるという言い伝えと、かつての日本軍人と現地の人々との繋がりを学びました";

// Military: the lone landing with the bamboo spear, and the study of the intelligence unit.
const char kIslandDefence[] = "竹槍を手に尖閣へ渡り、侵入者を追い払いに行きました!!";
const char kIntelligenceStudy[] = "白鷺機関の諜報戦略を研究し、情報戦の戦い方を勉強しました";

const std::array<const char*, 6>& taiwanTiesNarrative() {
    static constexpr std::array<const char*, 6> kLines = {
        "台湾とは、かつて五十年にわたり、同じ国として歩んだ歴史があります",
        "日本人が建てた学校やダムは、今も台湾の人々に大切にされています",
        "大きな災害のたびに、台湾の人々は真っ先に手を差し伸べてくれました",
        "長く途絶えていた国と国との正式な繋がりを、ようやく取り戻しました",
        "これからは兄弟国として、互いに支え合いながら歩んでいきます",
        "南の海の平和は、両国が手を携えてこそ守られるのです",
    };
    return kLines;
}

}  // namespace minamori::affairs
