#include "platform/sdl_video.h"

#include <algorithm>

namespace minamori {

SdlVideo::~SdlVideo() {
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

std::string SdlVideo::open(const char* caption) {
    // Made at its final size on the first display, where a centred window
    // opens: a window resized after it is made gets its drawing surface twice.
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0)
        windowedScale_ = minamori::windowedScale(usable.w, usable.h);
    window_ = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               windowedScale_ * kScreenWidth, windowedScale_ * kScreenHeight,
                               SDL_WINDOW_SHOWN);
    if (!window_) return std::string("cannot create the window: ") + SDL_GetError();
    if (!SDL_GetWindowSurface(window_))
        return std::string("cannot draw in the window: ") + SDL_GetError();
    return {};
}

Viewport SdlVideo::viewport() const {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return fitViewport(w, h);
}

bool SdlVideo::draw(SDL_Surface* target, const Canvas& cg) const {
    const Viewport view = fitViewport(target->w, target->h);
    const Uint32 format = target->format->format;
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
        if (SDL_LockSurface(target) != 0) return false;
        drawScaled(cg.pixels().data(),
                   PixelRows{static_cast<uint32_t*>(target->pixels), target->w, target->h,
                             target->pitch / 4},
                   view);
        SDL_UnlockSurface(target);
        return true;
    }
    // Another pixel layout: SDL converts, still nearest-neighbour, more slowly.
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Pixel*>(cg.pixels().data()), cg.width(), cg.height(), 32,
        cg.width() * static_cast<int>(sizeof(Pixel)), SDL_PIXELFORMAT_RGB888);
    if (!picture) return false;
    SDL_Rect place{view.x, view.y, kScreenWidth * view.scale, kScreenHeight * view.scale};
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    const bool drawn = SDL_BlitScaled(picture, nullptr, target, &place) == 0;
    SDL_FreeSurface(picture);
    return drawn;
}

void SdlVideo::present(const Canvas& cg) {
    if (shown_ == cg.pixels()) return;
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target || !draw(target, cg)) return;
    if (SDL_UpdateWindowSurface(window_) == 0) shown_ = cg.pixels();
}

void SdlVideo::toggleFullscreen() { setFullscreen(!isFullscreen()); }

bool SdlVideo::isFullscreen() const {
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlVideo::setFullscreen(bool fullscreen) {
    if (isFullscreen() == fullscreen) return;
    const bool leaving = !fullscreen;
    if (SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        return;
    if (leaving)
        SDL_SetWindowSize(window_, windowedScale_ * kScreenWidth, windowedScale_ * kScreenHeight);
    invalidate();
}

int SdlVideo::largestScale() const {
    SDL_Rect usable;
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return windowedScale_;
    return minamori::largestScale(usable.w, usable.h);
}

void SdlVideo::setWindowedScale(int scale) {
    windowedScale_ = std::clamp(scale, 1, largestScale());
    if (isFullscreen()) return;
    SDL_SetWindowSize(window_, windowedScale_ * kScreenWidth, windowedScale_ * kScreenHeight);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    invalidate();
}

std::optional<Point> SdlVideo::pictureAt(int windowX, int windowY) const {
    return toPicture(viewport(), windowX, windowY);
}

void SdlVideo::warpPointer(int pictureX, int pictureY) {
    const Point p = toWindow(viewport(), pictureX, pictureY);
    SDL_WarpMouseInWindow(window_, p.x, p.y);
}

}  // namespace minamori
