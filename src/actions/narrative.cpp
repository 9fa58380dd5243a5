#include "actions/narrative.h"

namespace minamori {

// Each line is short enough for one or two lines of the message log.
const std::array<const char*, 15>& islandHistory() {
    static constexpr std::array<const char*, 15> kLines = {
        "尖閣諸島は、沖縄県石垣市に属する島々です",
        "魚釣島、久場島、大正島などの島と岩礁からなります",
        "1885年から、日本政府は島の調査を重ねました",
        "どの国の支配も及んでいないことを確かめた上で",
        "1895年、島々は日本の領土に編入されました",
        "やがて島には鰹節の工場が建ち、人々が暮らしました",
        "その後、人々は島を離れ、島は再び無人となりました",
        "戦後、島は沖縄とともに米国の施政下に置かれました",
        "1968年、周りの海に資源が眠る可能性が伝えられました",
        "すると1971年から、中国と台湾が領有を唱え始めました",
        "1972年、沖縄の返還とともに、島は日本に戻りました",
        "2012年、島の多くは国が持つことになりました",
        "今も周りの海には、外国の船がたびたび現れています",
        "島を守るのは、遠くにいる誰かではありません",
        "この国に暮らす一人一人の思いが、島を守るのです",
    };
    return kLines;
}

const std::array<const char*, 7>& openingNarrative() {
    static constexpr std::array<const char*, 7> kLines = {
        "この国の南西の海に、小さな島々があります",
        "その島々が今、静かに危機にさらされています",
        "あなたは、ただの一人の市民にすぎません",
        "力も、お金も、肩書きもありません",
        "それでも、あなたにできることは必ずあります",
        "まずは身の回りの小さなことから始めましょう",
        "一歩ずつ力をつけ、この国を守り抜くのです",
    };
    return kLines;
}

}  // namespace minamori
