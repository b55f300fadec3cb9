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

std::string px(int pixels)
{
    return std::to_string(pixels) + "px";
}

std::string rgb(Rgb c)
{
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) +
           ")";
}

std::u16string u16(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

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

// The menu caption around its access key: "&Cerrar" is "", 'C', "errar".
struct AccessKey {
    std::u16string_view before;
    char16_t key = 0;
    std::u16string_view after;
};

constexpr AccessKey accessKeyOf(std::u16string_view caption)
{
    const std::size_t amp = caption.find(u'&');
    if (amp == std::u16string_view::npos || amp + 1 >= caption.size())
        return {caption, 0, {}};
    return {caption.substr(0, amp), caption[amp + 1], caption.substr(amp + 2)};
}

constexpr AccessKey kCerrar = accessKeyOf(kFrmLexidor.menu.caption);

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

// The page: the caption bar, the menu bar and the client area with its
// controls, placed from the form table by CSS variables (lexidor.css lays
// them out at those places, or in one column on a narrow screen).
void WebWindow::build()
{
    const FormDescription& f = kFrmLexidor;
    const int root = dom::kDocument;
    dom::style(root, "--client-width", px(f.clientPixelWidth()));
    dom::style(root, "--client-height", px(f.clientPixelHeight()));
    dom::style(root, "--background", rgb(f.background));
    dom::style(root, "--label-text", rgb(f.labelText));
    dom::style(root, "--label-margin", px(f.labelMargin));
    dom::style(root, "--font", px(f.fontPixels));
    dom::style(root, "--row", px(f.listRowPixels));
    dom::style(root, "--list-border", px(f.listBorderPixels));
    dom::text(root, f.caption);

    window_ = dom::create("main");
    dom::attr(window_, "id", u16(f.name));
    dom::attr(window_, "aria-labelledby", u"caption");
    const int caption = dom::create("h1", window_);
    dom::attr(caption, "id", u"caption");
    dom::text(caption, f.caption);

    const int menuBar = dom::create("div", window_);
    dom::attr(menuBar, "role", u"menubar");
    dom::attr(menuBar, "class", u"menubar");
    const int menu = dom::create("button", menuBar);
    dom::attr(menu, "id", u16(f.menu.name));
    dom::attr(menu, "type", u"button");
    dom::attr(menu, "role", u"menuitem");
    dom::attr(menu, "tabindex", u"-1");
    dom::tag(menu, kMenuItem, -1);
    dom::text(dom::create("span", menu), kCerrar.before);
    if (kCerrar.key != 0) {
        dom::attr(menu, "aria-keyshortcuts", u"Alt+" + std::u16string(1, kCerrar.key));
        dom::text(dom::create("u", menu), std::u16string_view(&kCerrar.key, 1));
    }
    dom::text(dom::create("span", menu), kCerrar.after);

    const int client = dom::create("div", window_);
    dom::attr(client, "class", u"client");
    for (const ControlDescription& c : f.controls) {
        const bool live = c.kind == ControlKind::Label && c.readByText;
        const char* tag = c.kind == ControlKind::TextBox          ? "input"
                          : c.kind == ControlKind::CommandButton  ? "button"
                          : c.kind == ControlKind::Label && !live ? "label"
                                                                  : "div";
        const int el = dom::create(tag, client);
        elements_[static_cast<std::size_t>(c.id)] = el;
        dom::attr(el, "id", u16(c.name));
        dom::tag(el, static_cast<int>(c.id), -1);
        const PixelRect r = c.pixels();
        dom::style(el, "--left", px(r.left));
        dom::style(el, "--top", px(r.top));
        dom::style(el, "--width", px(r.width));
        dom::style(el, "--height", px(r.height));
        if (!c.text.empty())
            dom::text(el, c.text);
        if (!live && c.accessibleName != c.text)
            dom::attr(el, "aria-label", c.accessibleName);
        switch (c.kind) {
        case ControlKind::TextBox:
            dom::attr(el, "type", u"text");
            dom::attr(el, "aria-controls", u16(f[Control::lstLista].name));
            // Whole words typed as typed: no capitals, corrections or
            // suggestions added by a phone's keyboard.
            for (const char* off : {"autocomplete", "autocorrect", "autocapitalize"})
                dom::attr(el, off, u"off");
            dom::attr(el, "spellcheck", u"false");
            dom::attr(el, "enterkeyhint", u"search");
            break;
        case ControlKind::ListBox:
            dom::attr(el, "role", u"listbox");
            dom::attr(el, "tabindex", u"0");
            break;
        case ControlKind::CommandButton:
            dom::attr(el, "type", u"button");
            break;
        case ControlKind::Label:
            if (live) {
                // One polite live region: its text is replaced by each
                // definition found, and read once.
                dom::attr(el, "role", u"status");
                dom::attr(el, "aria-live", u"polite");
                dom::attr(el, "aria-atomic", u"true");
                dom::attr(el, "aria-description", c.accessibleName);
            } else {
                dom::attr(el, "for", u16(f[Control::txtBuscar].name));
            }
            break;
        }
    }

    const int list = element(Control::lstLista);
    options_.reserve(kCatalogue.size());
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const int option = dom::create("div", list);
        dom::attr(option, "id", u"lstLista-" + u16(std::to_string(i)));
        dom::attr(option, "role", u"option");
        dom::attr(option, "aria-selected", u"false");
        dom::tag(option, static_cast<int>(Control::lstLista), static_cast<int>(i));
        dom::text(option, kCatalogue[i].term);
        options_.push_back(option);
    }
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
    }
    return false;
}

void WebWindow::input(int control, std::u16string_view inputType, std::u16string_view data)
{
    if (control == static_cast<int>(Control::txtBuscar))
        keys_.input(inputType, data);
}

void WebWindow::mouse(Mouse kind, int control, int row, int button, int clickCount)
{
    const bool onBox = control == static_cast<int>(Control::txtBuscar);
    const bool onList = control == static_cast<int>(Control::lstLista);
    switch (kind) {
    case Mouse::Down:
        // The box gets the release of a press that began in it, wherever
        // the pointer is by then, as a captured mouse does.
        pressedInBox_ = onBox;
        if (onBox && clickCount >= 2 && clickCount % 2 == 0)
            events_.boxDoubleClicked();
        if (onList && row >= 0 && button == 0 && !events_.hasEnded())
            userSelects(row);
        break;
    case Mouse::Up:
        if (std::exchange(pressedInBox_, false))
            events_.boxButtonReleased(buttonOf(button), onBox);
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
            dom::attr(list, "aria-activedescendant", u"lstLista-" + u16(std::to_string(selectedRow)));
        } else {
            dom::removeAttr(list, "aria-activedescendant");
        }
        shownRow_ = selectedRow;
    }
    shownTop_ = topRow;
    scrollList();
}

// The same text again changes nothing on screen and is not read again.
void WebWindow::lblDescripcion_SetCaption(std::u16string_view caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    dom::text(element(Control::lblDescripcion), caption);
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
