#include "platform/web/web_dialogs.h"

#include <emscripten.h>

namespace minamori {

namespace {

EM_JS(int, jsConfirm, (const char* text), { return confirm(UTF8ToString(text)) ? 1 : 0; });
EM_JS(void, jsAlert, (const char* text), { alert(UTF8ToString(text)); });

}  // namespace

bool WebDialogs::askYesNo(const std::string& text) { return jsConfirm(text.c_str()) != 0; }
void WebDialogs::showMessage(const std::string& text) { jsAlert(text.c_str()); }

}  // namespace minamori
