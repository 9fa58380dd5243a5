#include "platform/command_line.h"

namespace minamori {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    const auto wrong = [&line](const std::string& why) {
        line.action = CommandLine::Action::kWrong;
        line.wrong = why;
        return line;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::kHelp;
        } else if (arg == "--version") {
            if (line.action == CommandLine::Action::kPlay) line.action = CommandLine::Action::kVersion;
        } else if (arg == "--fullscreen") {
            line.fullscreen = true;
        } else if (arg == "--windowed") {
            line.fullscreen = false;
        } else if (arg == "--data-dir") {
            if (i + 1 == args.size() || args[i + 1].empty()) return wrong("--data-dir needs a folder");
            line.dataDir = args[++i];
        } else {
            return wrong("unknown option: " + arg);
        }
    }
    return line;
}

std::string usageText() {
    return "usage: minamori [--fullscreen | --windowed] [--data-dir DIR]\n"
           "       minamori --help | --version\n"
           "  --fullscreen    start fullscreen this time\n"
           "  --windowed      start in a window this time\n"
           "  --data-dir DIR  take the pictures, sounds and music from DIR/cg and DIR/dat,\n"
           "                  and keep the save there too\n"
           "  --help          show this text\n"
           "  --version       show the version\n";
}

std::string versionText() { return std::string("minamori ") + MINAMORI_VERSION + "\n"; }

}  // namespace minamori
