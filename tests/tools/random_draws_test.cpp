// A seed plays the same game with every compiler only if no expression holds two
// random draws: C++ leaves the order of most operands unspecified. This walks
// the game's sources and finds any statement that draws twice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The text with comments and string and character literals blanked out, so
// that neither a "R(" in a text nor a semicolon in one misleads the split.
std::string codeOnly(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '/' && next == '/') {
            while (i < text.size() && text[i] != '\n') ++i;
            out += '\n';
        } else if (c == '/' && next == '*') {
            const std::size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 1;
            out += ' ';
        } else if (c == '"' || c == '\'') {
            for (++i; i < text.size() && text[i] != c; ++i)
                if (text[i] == '\\') ++i;
            out += "\"\"";
        } else {
            out += c;
        }
    }
    return out;
}

// Each statement (or condition, or initialiser) holding more than one draw.
std::vector<std::string> statementsDrawingTwice(const std::string& source) {
    static const std::regex draw(R"(\bR\s*\()");
    std::vector<std::string> found;
    std::string statement;
    for (const char c : codeOnly(source)) {
        if (c != ';' && c != '{' && c != '}') {
            statement += c;
            continue;
        }
        const auto draws = std::distance(
            std::sregex_iterator(statement.begin(), statement.end(), draw), std::sregex_iterator());
        if (draws > 1) found.push_back(statement);
        statement.clear();
    }
    return found;
}

TEST(RandomDraws, TheCheckFindsTwoDrawsInOneExpressionOnly) {
    EXPECT_EQ(statementsDrawingTwice("int a = game.R(2) + game.R(3);").size(), 1u);
    EXPECT_EQ(statementsDrawingTwice("f(game.R(2),\n  game.R(3));").size(), 1u);
    EXPECT_TRUE(statementsDrawingTwice("int a = game.R(2);\nint b = game.R(3);").empty());
    EXPECT_TRUE(statementsDrawingTwice("if (x) { a = R(2); } else { b = R(3); }").empty());
    EXPECT_TRUE(statementsDrawingTwice("a = R(2); // not R(3)\nshow(\"R(4)\");").empty());
    EXPECT_TRUE(statementsDrawingTwice("AR(2) + BAR(3);").empty());
}

TEST(RandomDraws, NoStatementOfTheGameDrawsTwice) {
    const fs::path src = fs::path(MINAMORI_TOOLS_TESTS) / ".." / ".." / "src";
    ASSERT_TRUE(fs::is_directory(src));
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        ++files;
        for (const std::string& statement : statementsDrawingTwice(text.str()))
            ADD_FAILURE() << entry.path().string() << ": two draws in one expression:\n"
                          << statement;
    }
    EXPECT_GT(files, 50);
}

}  // namespace
