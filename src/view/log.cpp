#include "view/log.h"

#include "view/layer.h"
#include "view/colours.h"
#include "view/screen.h"

namespace minamori {

void addLogLine(ViewLayer& game, const std::string& text, const std::string& colourName) {
    const int32_t code = colourCode(colourName);
    const std::vector<std::string> lines = game.text.wrap(text, kFormFont, kLogBoxWidth);
    game.log.add(lines, code);
    // The history keeps every screen line, oldest first.
    for (std::size_t i = 0; i < lines.size(); ++i)
        game.history.add(tmoji_efe{screenLine(lines, i), code});
}

void addGreyLine(ViewLayer& game, const std::string& text) { addLogLine(game, text, "silver"); }

void clearLog(ViewLayer& game) {
    if (game.closing) return;
    game.log.clear();
}

void drawLog(ViewLayer& game, bool moreToRead) {
    constexpr FontSpec kLogFont{FontFace::kProportional, 12, true};
    constexpr FontSpec kMarkerFont{FontFace::kProportional, 10, true};
    Screen& s = game.screen;
    for (int i = 0; i < MessageLog::kShown; ++i) {
        const tmoji_efe& entry = game.log.entry(i);
        if (entry.text.empty()) continue;
        // Each line is one step ahead of the line below it.
        if (std::optional<Rgb> c = lineColour(entry.code, int64_t{game.animFrame} + i))
            s.cgTextColour = toPixel(*c);
        game.text.draw(s.cg, 2, 460 - 20 * i, entry.text, kLogFont, s.cgTextColour, kBlack);
        // The marker bobs while a click will advance the script.
        if (i == 0 && moreToRead) {
            const int w = game.text.textWidth(entry.text, kLogFont);
            game.text.draw(s.cg, 2 + w, 462 - game.animFrame % 3, "▼", kMarkerFont,
                           s.cgTextColour, kBlack);
        }
    }
}

}  // namespace minamori
