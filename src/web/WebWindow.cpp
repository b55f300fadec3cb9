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

constexpr web::AccessKey kCerrar = web::accessKeyOf(kFrmLexidor.menu.caption);

} // namespace

WebWindow::WebWindow() : rowHeight_(kFrmLexidor.listRowPixels)
{
    build();
}

void WebWindow::start()
{
    events_.created();
    lexidor_dom_listen(element(Control::lstLista));
    events_.activated();
}

void WebWindow::focus(Control c, bool selectText)
{
    lexidor_dom_focus(element(c), selectText ? 1 : 0);
}

// Where Alt and the menu's access key were pressed: by the character typed,
// or by the key's place (Option+C types "ç" on a Mac).
bool WebWindow::isAccessKey(std::u16string_view key, std::u16string_view code) const
{
    if (kCerrar.key == 0)
        return false;
    const auto typed = web::singleCharacter(key);
    if (typed && vk::ofCharacter(*typed) == vk::ofCharacter(kCerrar.key))
        return true;
    const char16_t upper =
        kCerrar.key >= u'a' && kCerrar.key <= u'z' ? kCerrar.key - u'a' + u'A' : kCerrar.key;
    return code == u"Key" + std::u16string(1, upper);
}

bool WebWindow::key(bool down, int control, int keyCode, int modifiers, std::u16string_view key,
                    std::u16string_view code)
{
    const bool onBox = control == static_cast<int>(Control::txtBuscar);
    const bool onList = control == static_cast<int>(Control::lstLista);
    keys_.keyEvent(down);
    if (!down) {
        if (onBox)
            events_.boxKeyReleased(keys_.released(key, code, keyCode));
        else if (onList)
            events_.listKeyReleased(web::codeOfKey(key, code));
        return false;
    }
    if (events_.hasEnded())
        return false;
    if ((modifiers & (kAlt | kCtrl | kMeta)) == kAlt && isAccessKey(key, code)) {
        events_.cerrarChosen();
        return true;
    }
    // Tab runs through the controls in the form's tab order, round the end;
    // its release reaches the control it moved to, as on the desktop.
    if (key == u"Tab" && (modifiers & (kAlt | kCtrl | kMeta)) == 0) {
        const bool known = control >= 0 && control < static_cast<int>(kControlCount);
        const Control from = known ? static_cast<Control>(control) : Control::lblBuscar;
        const Control to = kFrmLexidor.nextFocus(from, (modifiers & kShift) != 0 ? -1 : 1);
        focus(to, to == Control::txtBuscar);
        return true;
    }
    // Enter on "Buscar" presses nothing, as a desktop push button that is
    // not a dialog's default; a browser would click it.
    if (control == static_cast<int>(Control::cmdBuscar) && key == u"Enter")
        return true;
    if (onList) {
        // Space selects the current row, which a single-selection list has
        // selected already; the page must not scroll.
        if (key == u" ")
            return true;
        const ListBox& list = events_.list();
        if (const auto to =
                web::listMove(key, list.selectedRow(), list.topRow(), list.visibleRows(), list.ListCount())) {
            userSelects(*to);
            return true;
        }
        // A character moves to the next row that begins with it, as in a
        // desktop list box.
        const auto typed = web::singleCharacter(key);
        if (typed && *typed > u' ' && *typed < 0x10000 && (modifiers & (kAlt | kCtrl | kMeta)) == 0) {
            if (const int row = list.rowStartingWith(static_cast<char16_t>(*typed)); row >= 0)
                userSelects(row);
            return true;
        }
    }
    return false;
}

void WebWindow::input(int control, std::u16string_view inputType, std::u16string_view data)
{
    if (control == static_cast<int>(Control::txtBuscar) && !keys_.input(inputType, data))
        events_.boxTextArrived(web::shortcutOf(inputType));
}

bool WebWindow::mouse(Mouse kind, int control, int row, int button, int clickCount)
{
    const bool onBox = control == static_cast<int>(Control::txtBuscar);
    const bool onList = control == static_cast<int>(Control::lstLista);
    // The middle button pastes the X selection into a text field on Linux
    // browsers; the box takes text from the keyboard only, as on the desktop.
    const bool refused = (onBox || boxPress_) && button == 1;
    switch (kind) {
    case Mouse::Down:
        // The box gets the release of a press that began in it, wherever
        // the pointer is by then, as a captured mouse does; a click is the
        // press and release of one button, so the press says which.
        boxPress_ = onBox ? std::optional(buttonOf(button)) : std::nullopt;
        if (onBox && clickCount >= 2 && clickCount % 2 == 0)
            events_.boxDoubleClicked();
        if (onList && row >= 0 && button == 0 && !events_.hasEnded())
            userSelects(row);
        break;
    case Mouse::Up:
        if (const auto pressed = std::exchange(boxPress_, std::nullopt))
            events_.boxButtonReleased(*pressed, onBox);
        break;
    case Mouse::DoubleClick:
        if (onList)
            events_.listDoubleClicked(row >= 0);
        break;
    case Mouse::Click:
        if (control == static_cast<int>(Control::cmdBuscar))
            events_.buscarClicked();
        else if (control == kMenuItem)
            events_.cerrarChosen();
        break;
    }
    return refused;
}

void WebWindow::userSelects(int row)
{
    ListBox moved = events_.list();
    moved.SetListIndex(row);
    lstLista_Show(moved.selectedRow(), moved.topRow());
    events_.listShown(moved.selectedRow(), moved.topRow());
}

void WebWindow::listScrolled(double scrollTop)
{
    const int top = static_cast<int>(std::lround(scrollTop / rowHeight_));
    if (top == shownTop_ || events_.hasEnded())
        return;
    shownTop_ = top;
    events_.listShown(events_.list().selectedRow(), top);
}

void WebWindow::listMeasured(double height, double rowHeight)
{
    if (rowHeight <= 0 || events_.hasEnded())
        return;
    const bool newHeight = rowHeight != rowHeight_;
    rowHeight_ = rowHeight;
    const int rows = static_cast<int>(std::floor(height / rowHeight + 0.01));
    if (rows != events_.list().visibleRows())
        events_.listResized(rows);
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
    lexidor_dom_scroll_top(element(Control::lstLista), static_cast<int>(std::lround(shownTop_ * rowHeight_)));
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

// The options show the selection (aria-selected, which the style sheet
// draws); the list names its current option for a screen reader that is in
// the list. The box keeps the focus while the list follows the typing.
void WebWindow::lstLista_Show(int selectedRow, int topRow)
{
    const int list = element(Control::lstLista);
    if (selectedRow != shownRow_) {
        if (shownRow_ >= 0)
            dom::attr(options_[static_cast<std::size_t>(shownRow_)], "aria-selected", u"false");
        if (selectedRow >= 0) {
            dom::attr(options_[static_cast<std::size_t>(selectedRow)], "aria-selected", u"true");
            dom::attr(list, "aria-activedescendant", u"lstLista-" + dom::u16(std::to_string(selectedRow)));
        } else {
            dom::removeAttr(list, "aria-activedescendant");
        }
        shownRow_ = selectedRow;
    }
    shownTop_ = topRow;
    scrollList();
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
