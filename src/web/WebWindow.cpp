// SPDX-License-Identifier: MIT
#include "WebWindow.h"

#include "Catalogue.h"
#include "Dom.h"

#include <cmath>
#include <string>
#include <utility>

namespace lexidor {

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4, kMeta = 8;

MouseButton buttonOf(int domButton)
{
    switch (domButton) {
    case 0:
        return MouseButton::Left;
    case 1:
        return MouseButton::Middle;
    case 2:
        return MouseButton::Right;
    default:
        return MouseButton::Other;
    }
}

Modifiers modifiersOf(int held)
{
    return {(held & kShift) != 0, (held & kCtrl) != 0, (held & kAlt) != 0, (held & kMeta) != 0};
}

std::optional<Control> controlOf(int tag)
{
    if (tag < 0 || tag >= static_cast<int>(kControlCount))
        return std::nullopt;
    return static_cast<Control>(tag);
}

} // namespace

WebWindow::WebWindow() : rowHeight_(kFrmLexidor.listRowPixels)
{
    build();
}

// The box has had the focus since the page loaded (StaticPage.cpp): what
// was typed into it before the program ran, which Form_Load empties, is
// given back as text that arrived without its keys, and the list follows
// it as it would have followed the typing.
void WebWindow::start()
{
    const int box = element(Control::txtBuscar);
    const std::u16string early = dom::value(box);
    events_.created();
    lexidor_dom_listen(element(Control::lstLista));
    events_.activated();
    if (!early.empty()) {
        dom::setValue(box, early);
        events_.boxTextArrived(vk::None);
    }
}

void WebWindow::focus(Control c, bool selectText)
{
    lexidor_dom_focus(element(c), selectText ? 1 : 0);
}

bool WebWindow::key(bool down, int control, int keyCode, int modifiers, std::u16string_view key,
                    std::u16string_view code)
{
    const std::optional<Control> on = controlOf(control);
    keys_.keyEvent(down);
    if (!down) {
        if (on == Control::txtBuscar)
            events_.keyReleased(*on, keys_.released(key, code, keyCode));
        else if (on)
            events_.keyReleased(*on, web::codeOfKey(key, code, modifiers & kAlt));
        return false;
    }
    if (events_.hasEnded())
        return false;
    const auto typed = web::singleCharacter(key);
    if (on) {
        return events_.keyPressed(*on, web::codeOfKey(key, code, modifiers & kAlt), modifiersOf(modifiers),
                                  typed.value_or(0)) == Reaction::Handled;
    }
    // Outside the controls (the page itself has the focus): only the menu's
    // access key and Tab mean something there.
    return events_.keyPressed(Control::lblBuscar, web::codeOfKey(key, code, modifiers & kAlt),
                              modifiersOf(modifiers), 0) == Reaction::Handled;
}

void WebWindow::input(int control, std::u16string_view inputType, std::u16string_view data)
{
    if (control == static_cast<int>(Control::txtBuscar) && !keys_.input(inputType, data))
        events_.boxTextArrived(web::shortcutOf(inputType));
}

bool WebWindow::mouse(Mouse kind, int control, int row, int button, int clickCount)
{
    const std::optional<Control> on = controlOf(control);
    switch (kind) {
    case Mouse::Down:
        // The control pressed on gets the release, wherever the pointer is
        // by then, as a captured mouse does.
        pressedOn_ = on;
        if (on)
            return events_.buttonPressed(*on, buttonOf(button), row, clickCount) == Reaction::Handled;
        break;
    case Mouse::Up:
        if (const auto pressed = std::exchange(pressedOn_, std::nullopt))
            return events_.buttonReleased(*pressed, buttonOf(button), on == pressed) == Reaction::Handled;
        break;
    case Mouse::Click:
        if (on == Control::cmdBuscar)
            events_.buscarClicked();
        else if (control == kMenuItem)
            events_.cerrarChosen();
        break;
    }
    return false;
}

void WebWindow::listScrolled(double scrollTop)
{
    events_.listScrolled(static_cast<int>(std::lround(scrollTop / rowHeight_)));
}

void WebWindow::listMeasured(double height, double rowHeight)
{
    if (rowHeight <= 0 || events_.hasEnded())
        return;
    const bool newHeight = rowHeight != rowHeight_;
    rowHeight_ = rowHeight;
    events_.listResized(height, rowHeight);
    if (newHeight)
        scrollList();
}

void WebWindow::pageHidden(bool persisted)
{
    if (!persisted)
        events_.closed();
}

void WebWindow::scrollList()
{
    lexidor_dom_scroll_top(element(Control::lstLista),
                           static_cast<int>(std::lround(events_.list().topRow() * rowHeight_)));
}

std::u16string WebWindow::txtBuscar_Text() const
{
    return dom::value(element(Control::txtBuscar));
}

void WebWindow::txtBuscar_SetText(std::u16string_view text)
{
    dom::setValue(element(Control::txtBuscar), text);
}

void WebWindow::txtBuscar_SetFocus()
{
    focus(Control::txtBuscar, false);
}

void WebWindow::Control_SetFocus(Control c, bool selectText)
{
    focus(c, selectText);
}

// The options show the selection (aria-selected, which the style sheet
// draws); the list names its current option for a screen reader that is in
// the list. The box keeps the focus while the list follows the typing.
void WebWindow::lstLista_Show(int selectedRow, int topRow)
{
    const int list = element(Control::lstLista);
    const int drawn = events_.drawnRow();
    if (selectedRow != drawn) {
        if (drawn >= 0)
            dom::attr(options_[static_cast<std::size_t>(drawn)], "aria-selected", u"false");
        if (selectedRow >= 0) {
            dom::attr(options_[static_cast<std::size_t>(selectedRow)], "aria-selected", u"true");
            dom::attr(list, "aria-activedescendant", u"lstLista-" + dom::u16(std::to_string(selectedRow)));
        } else {
            dom::removeAttr(list, "aria-activedescendant");
        }
    }
    lexidor_dom_scroll_top(list, static_cast<int>(std::lround(topRow * rowHeight_)));
}

// The same text again changes nothing on screen.
void WebWindow::lblDescripcion_SetCaption(std::u16string_view caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    dom::text(element(Control::lblDescripcion), caption);
}

// A text equal to the last one read is a change all the same: it gets a
// no-break space at its end every other time, which readers do not say.
void WebWindow::Announce(std::u16string_view text)
{
    std::u16string said(text);
    if (said == announced_)
        said += u'\u00A0';
    announced_ = said;
    dom::text(announcer_, said);
}

// The folder the page was opened from.
std::u16string WebWindow::App_Path() const
{
    std::u16string url = dom::scratchText(lexidor_dom_location());
    const std::size_t end = url.find_first_of(u"?#");
    url = url.substr(0, end);
    return url.substr(0, url.rfind(u'/'));
}

// A page has no current directory of its own to change; the program opens
// no files, so the folder is only kept.
void WebWindow::ChDir(std::u16string_view dir)
{
    currentDir_ = dir;
}

// The program ends: the window goes, and so does the tab where the browser
// lets a page close it; elsewhere a short note stands in the window's place.
void WebWindow::End()
{
    if (!events_.closed())
        return;
    lexidor_dom_remove(window_);
    const int note = dom::create("p");
    dom::attr(note, "id", u"ended");
    dom::text(note, kFrmLexidor.endedNote);
    lexidor_dom_close_window();
}

} // namespace lexidor
