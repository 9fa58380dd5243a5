#include "battle/battle_texts.h"

#include <initializer_list>

#include "battle/layer.h"
#include "script/stats.h"

namespace minamori {

namespace {

void queue(BattleLayer& game, std::initializer_list<const char*> lines) {
    for (const char* line : lines) game.queue.pushLine(line);
}

}  // namespace

void queueExamWon(BattleLayer& game, int32_t exam) {
    queue(game, {"se lvcap.wav", "見事合格しました!!"});
    switch (exam) {
        case 1:
            queueMilitary(game, kJapan, 1);
            queueOpinion(game, kJapan, 1);
            break;
        case 2:
            queueMilitary(game, kJapan, 5);
            queueOpinion(game, kJapan, 3);
            break;
        case 3:
            queueMilitary(game, kJapan, 10);
            queueOpinion(game, kJapan, 5);
            break;
        case 4:
            queue(game, {"日本諜報機関を設立しました!!"});
            queueMilitary(game, kJapan, 15);
            queueOpinion(game, kChina, -5);
            queueOpinion(game, kUsa, -5);
            break;
        default:
            break;
    }
}

void queueElectionWon(BattleLayer& game, int32_t office) {
    queue(game, {"se lvup2.wav", "....見事当選しました!! おめでとうございます!!"});
    tmy& m = game.my;
    switch (office) {
        case 1:
            m.careerLevel = 1;
            queue(game, {"称号<町会議員>"});
            break;
        case 2:
            m.careerLevel = 2;
            queue(game, {"称号<県会議員>"});
            break;
        case 3:
            m.careerLevel = 3;
            queue(game, {"称号<国会議員>"});
            m.hasTaxBudget = 1;
            queue(game, {"あなたは国会議員になったことにより、これからは国の予算を扱えるようになります",
                         "毎年の始めに、税収から国の予算が入ります",
                         "予算は国の政策や外交、防衛のために使うことができます",
                         "ただし、無駄遣いをすれば国の経済は傾きます",
                         "国民の暮らしと島々の平和のために、よく考えて使いましょう",
                         "※【政策】コマンドが追加されました"});
            break;
        case 4:
            m.primeMinister = 1;
            queue(game, {"称号<内閣総理大臣>", "一部の国政が可能になりました"});
            break;
        default:
            break;
    }
}

void queueConstitutionWon(BattleLayer& game, int32_t step) {
    switch (step) {
        case 1:
            queue(game, {"見事、憲法改正を成し遂げました!!"});
            queueOpinion(game, kJapan, 5);
            queue(game, {"国民の手で、初めて憲法が改められました",
                         "自分の国を自分で守る道が、少しずつ開けていきます"});
            queueOpinion(game, kUsa, -5);
            break;
        case 2:
            queue(game, {"憲法改正の第二段階を成し遂げました!!"});
            queueOpinion(game, kJapan, 5);
            queue(game, {"国の守りについて、国民が自ら考える時代が来ました"});
            queueOpinion(game, kUsa, -7);
            break;
        case 3:
            queue(game, {"自衛隊を国防軍にすることを達成しました!!"});
            queueMilitary(game, kJapan, 50);
            queue(game, {"隊員たちは、胸を張って国を守れるようになりました"});
            queueOpinion(game, kUsa, -9);
            break;
        case 4:
            queue(game, {"midi 15.mid", "とうとう、日本軍を取り戻しました!!"});
            queueMilitary(game, kJapan, 100);
            queue(game, {"この国はもう、誰かに守ってもらうだけの国ではありません"});
            queueOpinion(game, kUsa, -15);
            break;
        case 5:
            queue(game, {"核による抑止力を持つことを決めました!!"});
            queueDanger(game, -20);
            queueMilitary(game, kJapan, 100);
            queue(game, {"周辺の国々は、島々に手を出すことをためらうようになりました"});
            queueGrowth(game, kJapan, 10);
            queue(game, {"守りへの不安が消え、国内の投資が活発になりました"});
            queueOpinion(game, kUsa, -15);
            queue(game, {"国内反核運動家のデモが行われました"});
            queueOpinion(game, kJapan, -6);
            break;
        default:
            break;
    }
}

void queueTreatyEndWon(BattleLayer& game) {
    queue(game, {"se lvup2.wav", "日米安保をついに破棄しました!!",
                 "長い間、この国の守りは他の国の手に委ねられてきました",
                 "それも今日で終わりです",
                 "米国は強く反発しています"});
    queueOpinion(game, kUsa, -100);
    queue(game, {"しかし、対等な国として向き合うことを伝えました",
                 "やがて米国も、新しい関係を受け入れ始めました"});
    queueOpinion(game, kUsa, 50);
    queue(game, {"自分の国を、自分の手で守る",
                 "その当たり前のことを、ようやく取り戻しました",
                 "島々をめぐる争いは、これで終わりに向かうでしょう"});
    queueDanger(game, -999);
}

}  // namespace minamori
