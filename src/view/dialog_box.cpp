#include "view/dialog_box.h"

#include <algorithm>

#include "core/utf8.h"

namespace minamori {

namespace {

// The panel keeps this far from the picture's edges.
constexpr int kScreenMargin = 16;
constexpr int kMaxPanelWidth = kScreenWidth - 2 * kScreenMargin;
constexpr int kMaxPanelHeight = kScreenHeight - 2 * kScreenMargin;
constexpr int kMinPanelWidth = 280;
constexpr int kPadX = 28;       // left and right of the text
constexpr int kPadTop = 22;     // above the text
constexpr int kPadBottom = 18;  // below the buttons
constexpr int kMaxTextWidth = kMaxPanelWidth - 2 * kPadX;
constexpr int kLineGap = 4;         // between the lines of the text
constexpr int kTextToButtons = 20;  // between the text and the buttons
constexpr int kButtonHeight = 28;
constexpr int kButtonMinWidth = 104;
constexpr int kButtonPadX = 24;  // beside a caption
constexpr int kButtonGap = 24;   // between two buttons
constexpr int kShadow = 4;       // the panel's shadow, down and to the right

// The colours of the game's panels: black under the text as in the log, the
// grey frame of the menu rows and the message history, the rows' hover grey.
constexpr Pixel kPanelFill = 0x000000;
constexpr Pixel kFrameOuter = 0x808080;
constexpr Pixel kFrameInner = 0x3A3A3A;
constexpr Pixel kTopAccent = 0xCCBBFF;  // the lavender of the menu's second row class
constexpr Pixel kTextColour = 0xFFFFFF;
constexpr Pixel kButtonFill = 0x000000;
constexpr Pixel kButtonFrame = 0x808080;
constexpr Pixel kButtonCaption = 0xC0C0C0;
constexpr Pixel kHoverFill = 0x444444;
constexpr Pixel kHoverFrame = 0xC0C0C0;
constexpr Pixel kSelectedFill = 0x4A3C8C;  // a deep shade of the lavender
constexpr Pixel kSelectedHoverFill = 0x5C4CA8;
constexpr Pixel kSelectedFrame = 0xFFFFFF;
constexpr Pixel kSelectedRing = 0xCCBBFF;
constexpr Pixel kSelectedCaption = 0xFFFFFF;
constexpr Pixel kPressedFill = 0x2A2250;

const std::string kEllipsis = "…";

bool isBlank(const std::string& ch) {
    return ch == " " || ch == "\t";
}

// A line may end after these: a long file path breaks at its folders.
bool breaksAfter(const std::string& ch) {
    return isBlank(ch) || ch == "/" || ch == "\\" || ch == "-" || ch == "、" || ch == "。";
}

// Characters that do not begin a line.
bool closes(const std::string& ch) {
    return ch == "、" || ch == "。" || ch == "，" || ch == "．" || ch == "」" || ch == "』" ||
           ch == "）" || ch == ")" || ch == "]" || ch == "！" || ch == "？" || ch == "ー" ||
           ch == "ッ" || ch == "っ" || ch == "ゃ" || ch == "ゅ" || ch == "ょ" || ch == "…";
}

// One paragraph in lines of the box's width: as many characters as fit, broken
// after a blank, a slash, a hyphen or a 、 or 。 in the latter half of the line
// when there is one; else one character early rather than before a closing mark.
std::vector<std::string> wrapParagraph(TextPainter& text, const std::string& paragraph) {
    const std::vector<std::string> chars = utf8Characters(paragraph);
    auto joined = [&](std::size_t from, std::size_t to) {
        std::string s;
        for (std::size_t i = from; i < to; ++i) s += chars[i];
        return s;
    };
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < chars.size()) {
        std::size_t end = text.fittingEnd(chars, start, kBoxTextFont, kMaxTextWidth);
        if (end < chars.size() && !isBlank(chars[end])) {
            std::size_t at = end;
            for (std::size_t i = end; i > start + (end - start) / 2 + 1; --i)
                if (breaksAfter(chars[i - 1])) {
                    at = i;
                    break;
                }
            if (at == end && end - start > 1 && closes(chars[end])) at = end - 1;
            end = at;
        }
        std::string line = joined(start, end);
        while (end < chars.size() && isBlank(chars[end])) ++end;
        lines.push_back(std::move(line));
        start = end;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

// The text's paragraphs, split at each '\n' and each wrapped to the box.
std::vector<std::string> wrappedLines(TextPainter& text, const std::string& message) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = message.find('\n', start);
        const std::string paragraph =
            message.substr(start, end == std::string::npos ? std::string::npos : end - start);
        for (std::string& line : wrapParagraph(text, paragraph)) lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

// The line cut short to end in "…" within the text's width.
std::string withEllipsis(TextPainter& text, const std::string& line) {
    std::vector<std::string> chars = utf8Characters(line);
    auto joined = [&] {
        std::string s;
        for (const std::string& c : chars) s += c;
        return s + kEllipsis;
    };
    while (!chars.empty() && text.textWidth(joined(), kBoxTextFont) > kMaxTextWidth)
        chars.pop_back();
    return joined();
}

void frame(Canvas& cg, const BoxRect& r, Pixel colour, int width = 1) {
    cg.penColour = colour;
    cg.penWidth = width;
    cg.brushClear = true;
    cg.rectangle(r.left, r.top, r.right, r.bottom);
    cg.brushClear = false;
    cg.penWidth = 1;
}

BoxRect inset(const BoxRect& r, int by) {
    return BoxRect{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

}  // namespace

BoxLayout layoutBox(TextPainter& text, const std::string& message, BoxKind kind) {
    BoxLayout layout;
    const int lineHeight = text.lineHeight(kBoxTextFont);
    const int pitch = lineHeight + kLineGap;

    std::vector<std::string> lines = wrappedLines(text, message);
    const int room = kMaxPanelHeight - kPadTop - kTextToButtons - kButtonHeight - kPadBottom;
    const std::size_t maxLines = static_cast<std::size_t>(std::max(1, (room + kLineGap) / pitch));
    if (lines.size() > maxLines) {
        lines.resize(maxLines);
        lines.back() = withEllipsis(text, lines.back());
    }
    int textWidth = 0;
    for (const std::string& line : lines)
        textWidth = std::max(textWidth, text.textWidth(line, kBoxTextFont));

    std::vector<std::pair<std::string, bool>> captions;
    if (kind == BoxKind::kYesNo)
        captions = {{"はい", true}, {"いいえ", false}};
    else
        captions = {{"OK", true}};
    // Buttons of one row are of one width.
    int buttonWidth = kButtonMinWidth;
    for (const auto& [caption, yes] : captions)
        buttonWidth =
            std::max(buttonWidth, text.textWidth(caption, kBoxButtonFont) + 2 * kButtonPadX);
    const int buttons = static_cast<int>(captions.size());
    const int rowWidth = buttons * buttonWidth + (buttons - 1) * kButtonGap;

    const int width =
        std::clamp(std::max(textWidth, rowWidth) + 2 * kPadX, kMinPanelWidth, kMaxPanelWidth);
    const int textHeight = static_cast<int>(lines.size()) * pitch - kLineGap;
    const int height = kPadTop + textHeight + kTextToButtons + kButtonHeight + kPadBottom;
    const int left = (kScreenWidth - width) / 2;
    const int top = (kScreenHeight - height) / 2;
    layout.panel = BoxRect{left, top, left + width, top + height};

    // The text a block of its own, left-aligned, in the middle of the panel.
    const int textX = left + (width - textWidth) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i)
        layout.lines.push_back(
            BoxLine{lines[i], textX, top + kPadTop + static_cast<int>(i) * pitch});

    const int buttonTop = layout.panel.bottom - kPadBottom - kButtonHeight;
    int x = left + (width - rowWidth) / 2;
    for (const auto& [caption, yes] : captions) {
        layout.buttons.push_back(BoxButton{
            caption, BoxRect{x, buttonTop, x + buttonWidth, buttonTop + kButtonHeight}, yes});
        x += buttonWidth + kButtonGap;
    }
    return layout;
}

DialogBox::DialogBox(TextPainter& text, const std::string& message, BoxKind kind)
    : text_(&text), kind_(kind), layout_(layoutBox(text, message, kind)) {
    // いいえ, the last button, when there is a choice.
    selected_ = static_cast<int>(layout_.buttons.size()) - 1;
}

void DialogBox::finish(bool yes) {
    if (answered_) return;
    answered_ = true;
    answer_ = yes;
}

void DialogBox::keyDown(BoxKey key, bool repeat) {
    if (answered_) return;
    const int n = static_cast<int>(layout_.buttons.size());
    switch (key) {
        case BoxKey::kLeft:
            selected_ = std::max(selected_ - 1, 0);
            break;
        case BoxKey::kRight:
            selected_ = std::min(selected_ + 1, n - 1);
            break;
        case BoxKey::kTab:
            selected_ = (selected_ + 1) % n;
            break;
        case BoxKey::kBackTab:
            selected_ = (selected_ + n - 1) % n;
            break;
        case BoxKey::kEnter:
        case BoxKey::kSpace:
            if (fresh(key, repeat)) press(selected_);
            break;
        case BoxKey::kEscape:
            if (fresh(key, repeat)) finish(false);
            break;
    }
}

int DialogBox::buttonAt(int x, int y) const {
    for (std::size_t i = 0; i < layout_.buttons.size(); ++i)
        if (layout_.buttons[i].rect.contains(x, y)) return static_cast<int>(i);
    return -1;
}

void DialogBox::pointerMove(int x, int y) {
    hovered_ = buttonAt(x, y);
}

void DialogBox::pointerLeave() {
    hovered_ = -1;
}

void DialogBox::pointerDown(int x, int y) {
    if (answered_) return;
    hovered_ = pressed_ = buttonAt(x, y);
}

void DialogBox::pointerUp(int x, int y) {
    if (answered_) return;
    const int held = pressed_;
    pressed_ = -1;
    hovered_ = buttonAt(x, y);
    // A release with no press on the box (the click that opened it) is no answer.
    if (held >= 0 && held == hovered_) press(held);
}

void DialogBox::draw(Canvas& out, const Canvas& picture) const {
    out = picture;
    // The game dims under the box, as under the message history, but stays in sight.
    for (Pixel& p : out.pixels()) p = (p >> 1) & 0x7F7F7F;

    const BoxRect& panel = layout_.panel;
    out.fillRect(panel.left + kShadow, panel.top + kShadow, panel.right + kShadow,
                 panel.bottom + kShadow, kBlack);
    out.fillRect(panel.left, panel.top, panel.right, panel.bottom, kPanelFill);
    frame(out, panel, kFrameOuter);
    frame(out, inset(panel, 3), kFrameInner);
    out.fillRect(panel.left + 4, panel.top + 4, panel.right - 4, panel.top + 6, kTopAccent);

    for (const BoxLine& line : layout_.lines)
        text_->draw(out, line.x, line.y, line.text, kBoxTextFont, kTextColour);

    const int captionHeight = text_->lineHeight(kBoxButtonFont);
    for (std::size_t i = 0; i < layout_.buttons.size(); ++i) {
        const BoxButton& b = layout_.buttons[i];
        const int index = static_cast<int>(i);
        const bool selected = index == selected_;
        const bool hovered = index == hovered_;
        const bool down = index == pressed_ && hovered;
        Pixel fill = kButtonFill, border = kButtonFrame, caption = kButtonCaption;
        if (selected) {
            fill = hovered ? kSelectedHoverFill : kSelectedFill;
            border = kSelectedFrame;
            caption = kSelectedCaption;
        } else if (hovered) {
            fill = kHoverFill;
            border = kHoverFrame;
        }
        if (down) fill = kPressedFill;
        if (selected) frame(out, inset(b.rect, -2), kSelectedRing);
        out.fillRect(b.rect.left, b.rect.top, b.rect.right, b.rect.bottom, fill);
        frame(out, b.rect, border);
        const int shift = down ? 1 : 0;
        const int w = text_->textWidth(b.caption, kBoxButtonFont);
        text_->draw(out, b.rect.left + (b.rect.width() - w) / 2 + shift,
                    b.rect.top + (b.rect.height() - captionHeight) / 2 + shift, b.caption,
                    kBoxButtonFont, caption);
    }
}

}  // namespace minamori
