// The real headless program played by keys alone: the title, <イージーMODE>, the
// opening lines, 活動 and 働く, then the wheel opens the message history.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/temp_folder.h"

namespace {

using Json = nlohmann::json;

// Runs the program on the commands and returns its answers, one a line.
std::vector<std::string> runHeadless(const std::string& commands, const std::string& folder) {
    const char* program = std::getenv("MINAMORI_HEADLESS");
    if (!program) return {};
    const std::string input = folder + "/commands.txt";
    mtest::writeBytes(input, commands);
    const std::string command = "\"" + std::string(program) + "\" --seed 1 --data \"" + folder +
                                "\" < \"" + input + "\"";
    std::vector<std::string> answers;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string line;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        if (ch != '\n') {
            line += static_cast<char>(ch);
            continue;
        }
        answers.push_back(line);
        line.clear();
    }
    ::pclose(pipe);
    return answers;
}

TEST(KeysReplay, EasyStartToTheFirstWorkByKeysAlone) {
    ASSERT_NE(std::getenv("MINAMORI_HEADLESS"), nullptr) << "MINAMORI_HEADLESS is not set";
    mtest::TempFolder folder;
    const std::string keys =
        mtest::readBytes(std::string(MINAMORI_TOOLS_TESTS) + "/easy_start_by_keys.txt");
    ASSERT_FALSE(keys.empty());
    const std::vector<std::string> answers =
        runHeadless(keys + "state\nwheel 1\nstate\nkey esc\nstate\nquit\n", folder.path());
    std::vector<Json> states;
    for (const std::string& answer : answers) {
        if (answer.rfind('{', 0) == 0)
            states.push_back(Json::parse(answer));
        else
            EXPECT_EQ(answer, "ok");
    }
    ASSERT_EQ(states.size(), 3u);

    EXPECT_EQ(states[0]["difficulty"], 0);  // EASY
    EXPECT_EQ(states[0]["daysUsed"], 290);
    EXPECT_EQ(states[0]["useCount"]["300"], 1);  // 働く
    EXPECT_EQ(states[1]["overlay"], "history");
    EXPECT_GT(states[1]["historyLines"], 8);  // more than the log shows
    EXPECT_EQ(states[2]["overlay"], "none");
}

}  // namespace
