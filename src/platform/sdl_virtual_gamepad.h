// The means by which the window tests play the pad, where no real one can be
// plugged in: with MINAMORI_GAMEPAD_SCRIPT naming a file, SDL's virtual
// joystick is attached as a standard game controller and the file's lines are
// played on it, one a frame while the window has the focus (a pad in the
// background reaches no one):
//
//   press BUTTON, release BUTTON   a, b, x, y, back, start, up, down, left,
//   tap BUTTON                     right, or any of SDL's names (dpup, ...);
//                                  a tap lets go on the next frame
//   axis AXIS VALUE                leftx, lefty, ..., righttrigger; the stick
//                                  from -32768 to 32767, a trigger from 0
//   trigger VALUE                  the right trigger, from 0 to 32767
//   wait FRAMES                    nothing for so many frames
//   unplug, plug                   the pad taken away and attached again
//
// Blank lines and lines from # on are skipped; a damaged line is skipped with
// a message on standard error.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

namespace minamori {

class VirtualGamepad {
public:
    // None unless the variable names a file that can be read.
    static std::unique_ptr<VirtualGamepad> fromEnvironment();
    explicit VirtualGamepad(std::vector<std::string> lines);
    VirtualGamepad(const VirtualGamepad&) = delete;
    VirtualGamepad& operator=(const VirtualGamepad&) = delete;
    ~VirtualGamepad();

    // Plays the next line when it is due.
    void frame();

private:
    void step();
    // Whether the line did something; it then takes the frame. The others
    // return what was wrong, or null.
    bool play(const std::string& line);
    const char* press(const std::string& name, Uint8 state);
    const char* setAxis(const std::string& name, const std::string& value);
    const char* plug();
    const char* unplug();

    std::vector<std::string> lines_;
    size_t next_ = 0;
    int waitFrames_ = 0;
    int tapped_ = -1;  // the button a tap lets go of on the next frame
    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace minamori
