// The headless driver: its commands and answers, and the real program behind a pipe.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/temp_folder.h"
#include "driver.h"
#include "view/png_file.h"
#include "view/dialog_box.h"

using minamori::HeadlessDriver;
using Json = nlohmann::json;

namespace {

class Driver : public ::testing::Test {
protected:
    Driver() : driver(folder.path(), 1) {}
    Json state() { return Json::parse(driver.execute("state")); }
    void ok(const std::string& command) { ASSERT_EQ(driver.execute(command), "ok") << command; }

    mtest::TempFolder folder;
    HeadlessDriver driver;
};

TEST_F(Driver, BadCommandsAnswerWithAnError) {
    for (const char* command : {"dance", "click 700 10", "click a b", "click 5", "set nosuch 1",
                                "set money abc", "set useCount.2000 1", "set countries.10.gdp 1",
                                "tick -1", "answer maybe", "key f13", "boxshot"}) {
        EXPECT_EQ(driver.execute(command).rfind("error:", 0), 0u) << command;
    }
    EXPECT_EQ(state()["money"], 5);  // nothing changed on the way
}

TEST_F(Driver, SetFieldsShowInState) {
    ok("set countries.1.opinion 0");
    ok("set useCount.457 1");
    ok("set titleText <町会議員>");
    ok("set clearCount.2 3");
    const Json s = state();
    EXPECT_EQ(s["countries"][1]["opinion"], 0);
    EXPECT_EQ(s["countries"][1]["name"], "中国");
    EXPECT_EQ(s["useCount"], Json::parse(R"({"457":1})"));
    EXPECT_EQ(s["titleText"], "<町会議員>");
    EXPECT_EQ(s["clearCount"], Json::parse("[0,0,3,0]"));
    ASSERT_TRUE(s["incidentSeen"].is_array());
    EXPECT_EQ(s["incidentSeen"].size(), 8u);
    ASSERT_TRUE(s["trueClearCount"].is_array());
    EXPECT_EQ(s["trueClearCount"].size(), 4u);
}

TEST_F(Driver, StateHandsOverEachSoundOnce) {
    ok("set titleStage 0");
    ok("push gold3");
    ok("click 1 1");
    const Json first = state();
    EXPECT_EQ(first["money"], 8);
    EXPECT_NE(std::find(first["sounds"].begin(), first["sounds"].end(), "coin.wav"),
              first["sounds"].end());
    EXPECT_TRUE(state()["sounds"].empty());
}

TEST_F(Driver, MissingTitlePicturesAreReportedByName) {
    const Json s = state();
    ASSERT_EQ(s["messageBoxes"].size(), 2u);
    EXPECT_NE(s["messageBoxes"][0].get<std::string>().find("title.bmp"), std::string::npos);
    EXPECT_NE(s["messageBoxes"][1].get<std::string>().find("money.bmp"), std::string::npos);
}

TEST_F(Driver, EscapeOnTheTitleErasesEverythingOnlyWhenConfirmed) {
    state();  // the start-up reports of missing pictures
    ok("set money 77");
    ok("set totalClearCount 4");
    ok("set clearCount.1 2");
    ok("answer no");
    ok("key esc");
    Json s = state();
    EXPECT_EQ(s["money"], 77);
    EXPECT_EQ(s["messageBoxes"].size(), 1u);

    ok("answer yes");
    ok("key esc");
    s = state();
    ASSERT_EQ(s["messageBoxes"].size(), 2u);
    EXPECT_EQ(s["messageBoxes"][1], "Done....");
    EXPECT_EQ(s["money"], 5);
    EXPECT_EQ(s["totalClearCount"], 0);
    EXPECT_EQ(s["clearCount"], Json::parse("[0,0,0,0]"));
}

TEST_F(Driver, BoxshotDrawsTheLatestBoxOverThePicture) {
    ok("key esc");  // the reset box, answered いいえ
    const std::string plain = (folder.path() / "plain.png").string();
    const std::string boxed = (folder.path() / "boxed.png").string();
    ok("shot " + plain);
    ok("boxshot " + boxed);
    const std::optional<minamori::Canvas> picture = minamori::readPng(plain);
    const std::optional<minamori::Canvas> withBox = minamori::readPng(boxed);
    ASSERT_TRUE(picture && withBox);
    minamori::Canvas expected;
    const minamori::DialogBox box(driver.game().text,
                                  state()["messageBoxes"].back().get<std::string>(),
                                  minamori::BoxKind::kYesNo);
    box.draw(expected, *picture);
    EXPECT_NE(withBox->pixels(), picture->pixels());
    EXPECT_EQ(withBox->pixels(), expected.pixels());  // as it opens: いいえ selected
}

TEST_F(Driver, OddInputIsSurvived) {
    EXPECT_EQ(driver.execute("set money 12\r"), "ok");
    const std::string answer = driver.execute("state\r");
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(Json::parse(answer)["money"], 12);

    ok("push \xff\xfe");
    const std::string withBadText = driver.execute("state");
    Json parsed;
    ASSERT_NO_THROW(parsed = Json::parse(withBadText));
    EXPECT_TRUE(parsed["queue"][0].is_string());

    ok("quit");
    EXPECT_TRUE(driver.finished());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "dat" / "my.dat"));
}

TEST(HeadlessProgram, PlaysFromStandardInputAndSavesOnQuit) {
    const char* program = std::getenv("MINAMORI_HEADLESS");
    ASSERT_NE(program, nullptr) << "MINAMORI_HEADLESS is not set";
    mtest::TempFolder folder;
    const std::string command = "printf 'push gold150\\nclick 0 0\\nstate\\nquit\\n' | \"" +
                                std::string(program) + "\" --seed 1 --data \"" +
                                folder.path().string() + "\"";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::string> answers;
    std::string line;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        if (ch != '\n') {
            line += static_cast<char>(ch);
            continue;
        }
        answers.push_back(line);
        line.clear();
    }
    EXPECT_EQ(::pclose(pipe), 0);

    ASSERT_EQ(answers.size(), 4u);
    EXPECT_EQ(answers[0], "ok");
    EXPECT_EQ(answers[3], "ok");
    const Json s = Json::parse(answers[2]);
    EXPECT_EQ(s["money"], 155);
    EXPECT_EQ(s["log"][0]["text"], "お金 1億5000万円を入手");
    EXPECT_EQ(s["log"][0]["colour"], "yellow2");

    const std::string saved = mtest::readBytes(folder.path() / "dat" / "my.dat");
    EXPECT_EQ(mtest::splitCrLf(saved).size(), 6092u);
    EXPECT_EQ(saved.substr(saved.size() - 2), "\r\n");
}

}  // namespace
