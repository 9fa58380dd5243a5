// fullscreen-wm: the one duty of a window manager that a fullscreen test needs
// under a bare X server. It answers _NET_WM_STATE fullscreen requests by
// covering the screen with the window, and restores the window's place and
// size when it leaves fullscreen. Runs until the X server goes away.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <map>

namespace {

struct Place {
    int x, y;
    unsigned width, height;
};

Place placeOf(Display* display, Window window) {
    Window root, child;
    int x, y;
    unsigned width, height, border, depth;
    XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth);
    XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child);
    return Place{x, y, width, height};
}

void setFullscreenState(Display* display, Window window, Atom state, Atom fullscreen, bool on) {
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&fullscreen), on ? 1 : 0);
}

}  // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "fullscreen-wm: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    // Clients send these requests to the root window for its substructure.
    XSelectInput(display, root, SubstructureNotifyMask);
    std::printf("ready\n");
    std::fflush(stdout);

    std::map<Window, Place> before;  // windows in fullscreen and where they were
    for (XEvent event;;) {
        XNextEvent(display, &event);
        const XClientMessageEvent& m = event.xclient;
        if (event.type != ClientMessage || m.message_type != state) continue;
        if (static_cast<Atom>(m.data.l[1]) != fullscreen &&
            static_cast<Atom>(m.data.l[2]) != fullscreen)
            continue;
        const bool isFull = before.count(m.window) > 0;
        const bool wantFull = m.data.l[0] == 1 || (m.data.l[0] == 2 && !isFull);
        if (wantFull && !isFull) {
            before[m.window] = placeOf(display, m.window);
            XMoveResizeWindow(display, m.window, 0, 0, static_cast<unsigned>(screenWidth),
                              static_cast<unsigned>(screenHeight));
        } else if (!wantFull && isFull) {
            const Place p = before[m.window];
            before.erase(m.window);
            XMoveResizeWindow(display, m.window, p.x, p.y, p.width, p.height);
        }
        setFullscreenState(display, m.window, state, fullscreen, wantFull);
        XFlush(display);
    }
}
