// What the game asks of the machine, behind small interfaces: the desktop build
// passes SDL implementations, tests and tools the recording ones below.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace minamori {

// Text in the game's two typefaces: the desktop and the headless driver use
// TrueType fonts, tests may use fixed metrics (view/fonts.h).
enum class FontFace {
    kProportional,  // ＭＳ Ｐゴシック
    kFixed,         // ＭＳ ゴシック
};

// A font: a size in points at a resolution (96 dpi: 12 points is a 16-pixel em;
// 72 dpi makes the size an em in pixels).
struct FontSpec {
    FontFace face = FontFace::kProportional;
    int size = 12;
    bool bold = false;
    int dpi = 96;

    auto operator<=>(const FontSpec&) const = default;
};

// The coverage (0..255) of each pixel of a rendered text, row by row.
struct TextImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
};

class FontEngine {
public:
    virtual ~FontEngine() = default;
    // The text rendered in white on nothing; its height is the font's line height.
    virtual TextImage render(const std::string& text, const FontSpec& font) = 0;
    virtual int textWidth(const std::string& text, const FontSpec& font) = 0;
    virtual int lineHeight(const FontSpec& font) = 0;
};

// Plays wave files and MIDI music. Failures are silent by design.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Prepares the wave file at path under the given name; false when it cannot be played.
    virtual bool loadWave(const std::string& name, const std::string& path) = 0;
    // Starts a loaded wave once; volume in hundredths of a decibel (0 is full volume).
    virtual void playWave(const std::string& name, int volume) = 0;
    virtual void playMusic(const std::string& name, const std::string& path) = 0;
    virtual void stopMusic() = 0;
    // The music's loudness in percent (0..100) of its full level.
    virtual void setMusicVolume(int percent) = 0;
};

// Modal boxes shown to the player; each returns once the box is answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Whether the player answered はい; the box opens with いいえ selected.
    virtual bool askYesNo(const std::string& text) = 0;
    virtual void showMessage(const std::string& text) = 0;
};

// The window around the game.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Asks the shell to close the window once the current event is handled.
    virtual void closeWindow() = 0;
    // The window's caption: the game's name, the keys, what is running.
    virtual void setCaption(const std::string& caption) = 0;
    // The largest whole enlargement of the picture that fits the screen.
    virtual int largestWindowFactor() = 0;
    // The factor the window shows the picture at when not fullscreen.
    virtual int windowFactor() = 0;
    // Enlarges the window's picture by factor (clamped to what fits) and
    // shows it fullscreen or in the window.
    virtual void applyWindow(int factor, bool fullscreen) = 0;
};

// Records everything asked of it; plays nothing, shows nothing. Every wave
// "loads", so the record shows each sound the game started.
class RecordingPlatform : public AudioDevice, public Dialogs, public WindowHost {
public:
    bool loadWave(const std::string&, const std::string&) override { return true; }
    void playWave(const std::string& name, int) override { sounds.push_back(name); }
    void playMusic(const std::string& name, const std::string&) override { music.push_back(name); }
    void stopMusic() override { musicStops++; }
    void setMusicVolume(int percent) override { musicVolume = percent; }
    bool askYesNo(const std::string& text) override {
        messageBoxes.push_back(text);
        lastBox = AskedBox{text, true};
        return answerYes;
    }
    void showMessage(const std::string& text) override {
        messageBoxes.push_back(text);
        lastBox = AskedBox{text, false};
    }
    void closeWindow() override { closed = true; }
    void setCaption(const std::string& text) override { caption = text; }
    int largestWindowFactor() override { return largestFactor; }
    int windowFactor() override { return appliedFactor != 0 ? appliedFactor : 1; }
    void applyWindow(int factor, bool full) override {
        appliedFactor = factor;
        fullscreen = full;
    }

    std::vector<std::string> sounds;
    std::vector<std::string> music;
    int musicStops = 0;
    std::vector<std::string> messageBoxes;
    // The most recent box, kept to be drawn later (the headless `boxshot`).
    struct AskedBox {
        std::string text;
        bool yesNo = false;
    };
    std::optional<AskedBox> lastBox;
    bool answerYes = false;
    bool closed = false;
    std::string caption;
    int musicVolume = 100;
    int largestFactor = 2;  // as on a full HD screen
    int appliedFactor = 0;  // as last applied; 0 before
    bool fullscreen = false;
};

}  // namespace minamori
