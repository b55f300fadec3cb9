// SPDX-License-Identifier: MIT
// The web edition's entry points: main builds the window when the page has
// loaded the program, and lexidor-dom.js hands every browser event to one of
// the functions below, its strings in the scratch buffer.

#include "Dom.h"
#include "WebWindow.h"

#include <emscripten.h>

#include <string>

namespace {

lexidor::WebWindow* window = nullptr;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char16_t* lexidor_scratch(int units)
{
    return lexidor::dom::scratch(units);
}

// key and code, one after the other in the scratch buffer.
EMSCRIPTEN_KEEPALIVE int lexidor_key(int down, int control, int keyCode, int modifiers, int keyLength,
                                     int codeLength)
{
    const std::u16string strings = lexidor::dom::scratchText(keyLength + codeLength);
    const std::u16string_view all(strings);
    return window->key(down != 0, control, keyCode, modifiers,
                       all.substr(0, static_cast<std::size_t>(keyLength)),
                       all.substr(static_cast<std::size_t>(keyLength)))
               ? 1
               : 0;
}

// inputType and data, one after the other in the scratch buffer.
EMSCRIPTEN_KEEPALIVE void lexidor_input(int control, int typeLength, int dataLength)
{
    const std::u16string strings = lexidor::dom::scratchText(typeLength + dataLength);
    const std::u16string_view all(strings);
    window->input(control, all.substr(0, static_cast<std::size_t>(typeLength)),
                  all.substr(static_cast<std::size_t>(typeLength)));
}

EMSCRIPTEN_KEEPALIVE int lexidor_mouse(int kind, int control, int row, int button, int clickCount)
{
    return window->mouse(static_cast<lexidor::WebWindow::Mouse>(kind), control, row, button, clickCount) ? 1
                                                                                                         : 0;
}

EMSCRIPTEN_KEEPALIVE void lexidor_list_scrolled(double scrollTop)
{
    window->listScrolled(scrollTop);
}

EMSCRIPTEN_KEEPALIVE void lexidor_list_measured(double height, double rowHeight)
{
    window->listMeasured(height, rowHeight);
}

EMSCRIPTEN_KEEPALIVE void lexidor_closed(int persisted)
{
    window->pageHidden(persisted != 0);
}

} // extern "C"

int main()
{
    // The window lives as long as the page.
    window = new lexidor::WebWindow();
    window->start();
    return 0;
}
