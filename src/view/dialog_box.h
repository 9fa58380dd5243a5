// The game's own confirmation and message boxes, drawn over the picture in the
// game's font: their layout, their drawing, and what the keys and the pointer
// do to them. No window code: the desktop runs a box in a modal loop of its
// own (src/platform/sdl_dialogs.cpp), the headless driver draws the last one
// asked for; a browser build can run the same box from its events.
//
// A yes/no box opens with いいえ selected: every question the game asks gives
// something away when answered はい (the records, years of life, an unsaved
// game), so a key pressed without looking keeps them.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "view/canvas.h"
#include "view/text.h"

namespace minamori {

enum class BoxKind {
    kMessage,  // one OK button
    kYesNo,    // はい and いいえ, いいえ selected
};

// The keys a box listens to.
enum class BoxKey {
    kLeft,     // the button to the left
    kRight,    // the button to the right
    kTab,      // the next button, round
    kBackTab,  // Shift+Tab: the previous button, round
    kEnter,    // presses the selected button
    kSpace,    // presses the selected button
    kEscape,   // いいえ; closes a message box
};

// (left, top, right, bottom), right and bottom exclusive, as the canvas's.
struct BoxRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct BoxLine {
    std::string text;
    int x = 0, y = 0;  // the top-left of the line's text
};

struct BoxButton {
    std::string caption;
    BoxRect rect;
    bool yes = false;  // はい or OK
};

struct BoxLayout {
    BoxRect panel;
    std::vector<BoxLine> lines;      // the text, top to bottom
    std::vector<BoxButton> buttons;  // left to right
};

// The fonts of a box: the game's ＭＳ Ｐゴシック, as the log's lines.
constexpr FontSpec kBoxTextFont{FontFace::kProportional, 12, true};
constexpr FontSpec kBoxButtonFont{FontFace::kProportional, 12, true};

// Lays a box out on the 640 x 480 picture: the text split at each '\n' and
// wrapped to the widest panel the picture allows, the panel sized to it and
// centred, the buttons centred in a row below the text. A text too long for
// the picture keeps as many lines as fit, the last ending in "…".
BoxLayout layoutBox(TextPainter& text, const std::string& message, BoxKind kind);

class DialogBox {
public:
    DialogBox(TextPainter& text, const std::string& message, BoxKind kind);

    BoxKind kind() const { return kind_; }
    const BoxLayout& layout() const { return layout_; }

    // A key already down as the box opens (the Enter that chose the row):
    // until it is let go, its presses are no answer.
    void keyHeld(BoxKey key) { held_.insert(key); }
    // A key press; repeat is true for the presses of a key held down, which
    // move the selection but press no button.
    void keyDown(BoxKey key, bool repeat = false);
    void keyUp(BoxKey key) { held_.erase(key); }

    // The pointer on the picture: hovering highlights a button; a button
    // answers when the left button is pressed and let go on it.
    void pointerMove(int x, int y);
    void pointerLeave();  // the pointer left the picture
    void pointerDown(int x, int y);
    void pointerUp(int x, int y);

    // The window is asked to close: いいえ, or the message box closes.
    void cancel() { finish(false); }

    bool answered() const { return answered_; }
    // Whether はい (or OK) was pressed; false for いいえ, Esc and cancel.
    bool answer() const { return answer_; }
    int selected() const { return selected_; }
    int hovered() const { return hovered_; }  // -1: none
    int pressed() const { return pressed_; }  // the button the pointer holds down, -1: none

    // The button under a picture point, -1 for none.
    int buttonAt(int x, int y) const;

    // out becomes the picture dimmed, with the box over it.
    void draw(Canvas& out, const Canvas& picture) const;

private:
    void finish(bool yes);
    void press(int button) { finish(layout_.buttons[static_cast<size_t>(button)].yes); }
    bool fresh(BoxKey key, bool repeat) const { return !repeat && !held_.count(key); }

    TextPainter* text_;
    BoxKind kind_;
    BoxLayout layout_;
    std::set<BoxKey> held_;
    int selected_ = 0;
    int hovered_ = -1;
    int pressed_ = -1;
    bool answered_ = false;
    bool answer_ = false;
};

}  // namespace minamori
