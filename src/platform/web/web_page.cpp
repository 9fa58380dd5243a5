#include "platform/web/web_page.h"

#include <emscripten.h>

namespace minamori {

namespace {

EM_JS(void, jsPresent, (const uint8_t* rgba, int width, int height),
      { Module.minamoriPage.present(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height); });
EM_JS(void, jsSetCaption, (const char* text), { Module.minamoriPage.setCaption(UTF8ToString(text)); });
EM_JS(void, jsShowClosed, (), { Module.minamoriPage.showClosed(); });
EM_JS(int, jsLargestFactor, (), { return Module.minamoriPage.largestFactor(); });
EM_JS(int, jsFactor, (), { return Module.minamoriPage.factor(); });
EM_JS(void, jsSetMostFactor, (int factor), { Module.minamoriPage.setMostFactor(factor); });
EM_JS(void, jsSetFullscreen, (int on), { Module.minamoriPage.setFullscreen(!!on); });
EM_JS(int, jsIsFullscreen, (), { return Module.minamoriPage.isFullscreen() ? 1 : 0; });

}  // namespace

void WebPage::present(const Canvas& picture) {
    const std::vector<Pixel>& pixels = picture.pixels();
    if (pixels == shown_) return;
    shown_ = pixels;
    rgba_.resize(pixels.size() * 4);
    uint8_t* out = rgba_.data();
    for (const Pixel p : pixels) {
        *out++ = static_cast<uint8_t>(p >> 16);
        *out++ = static_cast<uint8_t>(p >> 8);
        *out++ = static_cast<uint8_t>(p);
        *out++ = 255;
    }
    jsPresent(rgba_.data(), picture.width(), picture.height());
}

void WebPage::closeWindow() {
    if (closed_) return;
    closed_ = true;
    jsShowClosed();
}

void WebPage::setCaption(const std::string& caption) { jsSetCaption(caption.c_str()); }
int WebPage::largestWindowFactor() { return jsLargestFactor(); }
int WebPage::windowFactor() { return jsFactor(); }

void WebPage::applyWindow(int factor, bool fullscreen) {
    jsSetMostFactor(factor);
    if (fullscreen != isFullscreen()) jsSetFullscreen(fullscreen ? 1 : 0);
}

void WebPage::toggleFullscreen() { jsSetFullscreen(isFullscreen() ? 0 : 1); }
bool WebPage::isFullscreen() const { return jsIsFullscreen() != 0; }

}  // namespace minamori
