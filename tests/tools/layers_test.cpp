// The folders of src/ stand in one order, written once in docs/ARCHITECTURE.md:
// a file may include headers of its own folder and of the folders below it,
// never of one above. This reads the order from there and every include of
// the game's sources against it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/temp_folder.h"

namespace {

namespace fs = std::filesystem;

const fs::path kRepo = fs::path(MINAMORI_TOOLS_TESTS) / ".." / "..";

// The folders from the bottom up, from the document's line `a < b < c`.
std::vector<std::string> layerOrder(const std::string& document) {
    static const std::regex line(R"(^`([a-z_]+(?: < [a-z_]+)+)`\s*$)");
    std::istringstream in(document);
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        std::vector<std::string> order;
        std::istringstream names(m[1].str());
        for (std::string name; names >> name;)
            if (name != "<") order.push_back(name);
        return order;
    }
    return {};
}

// Every include of a folder above the including file's own, and every file or
// include whose folder the order does not name, as "file:line: why".
std::vector<std::string> layerFaults(const fs::path& src, const std::vector<std::string>& order) {
    std::map<std::string, std::size_t> rank;
    for (std::size_t i = 0; i < order.size(); ++i) rank[order[i]] = i;
    static const std::regex include(R"(^\s*#\s*include\s*"([a-z_]+)/)");
    std::vector<std::string> faults;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        const fs::path relative = fs::relative(entry.path(), src);
        // The files beside the folders (main.cpp) wire them all together.
        if (relative.begin() == relative.end() || std::next(relative.begin()) == relative.end())
            continue;
        const std::string folder = relative.begin()->string();
        if (!rank.count(folder)) {
            faults.push_back(relative.string() + ": the folder " + folder + " is not in the order");
            continue;
        }
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string text; std::getline(in, text);) {
            ++number;
            std::smatch m;
            if (!std::regex_search(text, m, include)) continue;
            const std::string where = relative.string() + ":" + std::to_string(number) + ": ";
            const std::string used = m[1].str();
            if (!rank.count(used))
                faults.push_back(where + "includes " + used + "/, which is not in the order");
            else if (rank[used] > rank[folder])
                faults.push_back(where + folder + " includes " + used + "/, a layer above it");
        }
    }
    return faults;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

TEST(Layers, TheCheckNamesEachIncludeOfAHigherFolder) {
    mtest::TempFolder folder;
    const fs::path src = folder.path() / "src";
    writeText(src / "core" / "records.h", "#include <string>\n#include \"core/random.h\"\n");
    writeText(src / "view" / "log.cpp", "#include \"core/records.h\"\n#include \"view/log.h\"\n");
    writeText(src / "core" / "save.cpp", "// save\n#include \"view/log.h\"\n");
    writeText(src / "extra" / "thing.h", "");
    writeText(src / "view" / "odd.cpp", "#include \"extra/thing.h\"\n");
    writeText(src / "main.cpp", "#include \"view/log.h\"\n");
    std::vector<std::string> faults = layerFaults(src, {"core", "view"});
    std::sort(faults.begin(), faults.end());
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_EQ(faults[0], "core/save.cpp:2: core includes view/, a layer above it");
    EXPECT_EQ(faults[1], "extra/thing.h: the folder extra is not in the order");
    EXPECT_EQ(faults[2], "view/odd.cpp:1: includes extra/, which is not in the order");
}

TEST(Layers, NoFileOfTheGameIncludesAFolderAboveItsOwn) {
    const std::vector<std::string> order = layerOrder(readText(kRepo / "docs" / "ARCHITECTURE.md"));
    ASSERT_GE(order.size(), 8u) << "docs/ARCHITECTURE.md names no order of the folders";
    EXPECT_EQ(order.front(), "core");
    EXPECT_EQ(std::set<std::string>(order.begin(), order.end()).size(), order.size())
        << "a folder stands twice in the order";
    for (const std::string& fault : layerFaults(kRepo / "src", order)) ADD_FAILURE() << fault;
}

}  // namespace
