// The desktop program's options, as main.cpp acts on them.
#include "platform/command_line.h"

#include <gtest/gtest.h>

using namespace minamori;
using Action = CommandLine::Action;

TEST(CommandLine, NoOptionsPlayAsEverAndTheLastWindowChoiceWins) {
    const CommandLine plain = parseCommandLine({});
    EXPECT_EQ(plain.action, Action::kPlay);
    EXPECT_FALSE(plain.fullscreen);
    EXPECT_TRUE(plain.dataDir.empty());
    const CommandLine both = parseCommandLine({"--fullscreen", "--data-dir", "/tmp/x", "--windowed"});
    EXPECT_EQ(both.action, Action::kPlay);
    EXPECT_EQ(both.fullscreen, false);
    EXPECT_EQ(both.dataDir, "/tmp/x");
    EXPECT_EQ(parseCommandLine({"--fullscreen"}).fullscreen, true);
}

TEST(CommandLine, HelpOutranksVersionAndAWrongWordStopsAll) {
    EXPECT_EQ(parseCommandLine({"--version"}).action, Action::kVersion);
    EXPECT_EQ(parseCommandLine({"--version", "--help"}).action, Action::kHelp);
    EXPECT_EQ(parseCommandLine({"-h"}).action, Action::kHelp);
    const CommandLine unknown = parseCommandLine({"--help", "--bogus"});
    EXPECT_EQ(unknown.action, Action::kWrong);
    EXPECT_NE(unknown.wrong.find("--bogus"), std::string::npos);
    EXPECT_EQ(parseCommandLine({"--data-dir"}).action, Action::kWrong);    // the folder is missing
    EXPECT_EQ(parseCommandLine({"--data-dir", ""}).action, Action::kWrong);
    EXPECT_EQ(parseCommandLine({"fullscreen"}).action, Action::kWrong);
}

TEST(CommandLine, TheTextsNameTheOptionsAndTheVersion) {
    EXPECT_EQ(versionText(), std::string("minamori ") + MINAMORI_VERSION + "\n");
    for (const char* option : {"--fullscreen", "--windowed", "--data-dir DIR", "--help", "--version"})
        EXPECT_NE(usageText().find(option), std::string::npos) << option;
}
