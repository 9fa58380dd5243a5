// The game played by keys alone through the headless driver, from the commands
// the window test presses too: the title, <イージーMODE>, the opening lines,
// 活動 and 働く; then the wheel opens the message history and Esc closes it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "core/temp_folder.h"
#include "driver.h"

namespace {

using Json = nlohmann::json;

TEST(KeysReplay, EasyStartToTheFirstWorkByKeysAlone) {
    mtest::TempFolder folder;
    minamori::HeadlessDriver driver(folder.path(), 1);
    std::istringstream keys(
        mtest::readBytes(std::string(MINAMORI_TOOLS_TESTS) + "/easy_start_by_keys.txt"));
    int commands = 0;
    for (std::string line; std::getline(keys, line); ++commands)
        ASSERT_EQ(driver.execute(line), "ok") << line;
    ASSERT_GT(commands, 10);

    const Json worked = Json::parse(driver.execute("state"));
    EXPECT_EQ(worked["difficulty"], 0);  // EASY
    EXPECT_EQ(worked["daysUsed"], 290);
    EXPECT_EQ(worked["useCount"]["300"], 1);  // 働く

    driver.execute("wheel 1");
    const Json history = Json::parse(driver.execute("state"));
    EXPECT_EQ(history["overlay"], "history");
    EXPECT_GT(history["historyLines"], 8);  // more than the log shows
    driver.execute("key esc");
    EXPECT_EQ(Json::parse(driver.execute("state"))["overlay"], "none");
}

}  // namespace
