// The diplomacy page: the drawn outcomes of the private China commands and the study tours.
#include "diplomacy_fixture.h"

using namespace minamori;

namespace {

using mtest::Lines;

class DiplomacyCommands : public mtest::AffairsTest {};

TEST_F(DiplomacyCommands, HoneyTrapAndAgitationFollowTheirDrawsInOrder) {
    int trapWorked = 0, barred = 0, agitationWorked = 0;
    for (int i = 0; i < 300; ++i) {
        game.my.chinaBanned = 0;
        Random probe = game.rng;
        choose(503);  // the honey trap: R(2), and R(10) only after a failure
        Lines trap = {"共産党幹部の一人にハニートラップを仕掛けました....", "exp10", "tokuexp4"};
        bool banned = false;
        if (probe.R(2) == 0) {
            ++trapWorked;
            trap.insert(trap.end(), {"あなたのハニートラップは上手く機能しました!!", "china_yoron2",
                                     "china_gdpup-4", "china_miri-6", "danger-3"});
        } else {
            trap.push_back("ハニートラップに失敗しました....");
            if ((banned = probe.R(10) == 0)) {
                ++barred;
                trap.push_back(
                    "あなたは無事帰国できましたが、ハニートラップのことがバレ、中国国内へ立ち入り禁止になりました");
            }
        }
        EXPECT_EQ(queued(), trap);
        EXPECT_EQ(game.my.chinaBanned, banned ? 1 : 0);  // at once, before the line is read

        choose(504);  // agitation: works unless R(3) is 0
        Lines agitation = {"exp6"};
        if (probe.R(3) != 0) {
            ++agitationWorked;
            agitation.insert(agitation.end(),
                             {"ネットでの扇動活動は上手く機能しました!!", "china_yoron2", "china_miri-2", "danger-2"});
        } else {
            agitation.push_back("ネットでの扇動活動は失敗しました....");
        }
        EXPECT_EQ(queued(), agitation);
        EXPECT_TRUE(drawsAlike(probe));
    }
    EXPECT_TRUE(trapWorked > 0 && trapWorked < 300 && barred > 0);
    EXPECT_TRUE(agitationWorked > 0 && agitationWorked < 300);
}

TEST_F(DiplomacyCommands, StudyToursGainVitalityAtOnceAndTellTheirLesson) {
    // Rows 522 and 523 are captioned トルコ旅行 and イラン旅行, and report the other country.
    EXPECT_EQ(game.menuTable[522].caption, "トルコ旅行");
    Lines lessons;
    for (int32_t row = 518; row <= 527; ++row) {
        game.my.vitalityExp = 0;
        choose(row);
        EXPECT_EQ(game.my.vitalityExp, 5);
        EXPECT_TRUE(lastShown(1).ends_with("を旅行しました")) << "row " << row;
        if (row == 522 || row == 523) {
            EXPECT_EQ(lastShown(1), row == 522 ? "イランを旅行しました" : "トルコを旅行しました");
        }
        EXPECT_EQ(lastShown(), "体力経験値 5を入手");
        Lines lines = queued();
        ASSERT_EQ(lines.size(), 4u);
        const auto lesson = lines.begin() + (row == 521 ? 3 : 1);  // India tells it last
        lessons.push_back(*lesson);
        lines.erase(lesson);
        EXPECT_EQ(lines, (Lines{"exp10", "intexp5", "tokuexp5"})) << "row " << row;
    }
    EXPECT_EQ(lessons[4], "イラン人達の明治時代への畏敬の念を学びました");
    std::sort(lessons.begin(), lessons.end());
    EXPECT_EQ(std::unique(lessons.begin(), lessons.end()), lessons.end());  // our own two are lessons of their own
}

}  // namespace
