// SPDX-License-Identifier: MIT
// The window's elements, made once from the form table and the catalogue.

#include "Catalogue.h"
#include "Dom.h"
#include "WebWindow.h"

#include <string>

namespace lexidor {

namespace {

std::string px(int pixels)
{
    return std::to_string(pixels) + "px";
}

std::string rgb(Rgb c)
{
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) +
           ")";
}

// The CSS system colour of each of a contrast theme's colours.
const char* cssColour(ThemeColour c)
{
    switch (c) {
    case ThemeColour::Window:
        return "Canvas";
    case ThemeColour::WindowText:
        return "CanvasText";
    case ThemeColour::Highlight:
        return "Highlight";
    case ThemeColour::HighlightText:
        return "HighlightText";
    case ThemeColour::ButtonFace:
        return "ButtonFace";
    case ThemeColour::ButtonText:
        return "ButtonText";
    }
    return "CanvasText";
}

void setPair(int element, const char* prefix, ThemePair pair)
{
    dom::style(element, (std::string(prefix) + "-ink").c_str(), cssColour(pair.ink));
    dom::style(element, (std::string(prefix) + "-ground").c_str(), cssColour(pair.ground));
}

// The form's contrast rule as CSS variables, which the style sheet uses
// under forced colours: on the root the client area's, the selected row's
// and the focus's colours, on each control its own.
void setContrastColours(const std::array<int, kControlCount>& elements)
{
    setPair(dom::kDocument, "--contrast-client", kContrastRule.client);
    setPair(dom::kDocument, "--contrast-selected", kContrastRule.selectedRow);
    dom::style(dom::kDocument, "--contrast-focus", cssColour(kContrastRule.focus));
    for (const ControlDescription& c : kFrmLexidor.controls)
        setPair(elements[static_cast<std::size_t>(c.id)], "--contrast", kContrastRule[c.id]);
}

} // namespace

// The page: the caption bar, the menu bar and the client area with its
// controls, placed from the form table by CSS variables (lexidor.css lays
// them out at those places, or in one column on a narrow screen). The page
// was painted with a copy of this window made at build time (StaticPage.cpp)
// and holds the glossary for where scripts do not run: this window takes
// the copy's elements over as they stand, and the glossary is kept for
// printing only, hidden from the screen and from screen readers.
void WebWindow::build()
{
    const FormDescription& f = kFrmLexidor;
    constexpr AccessKey cerrar = kFrmLexidor.menu.accessKey();
    const int root = dom::kDocument;
    dom::adopt(dom::byId(f.name));
    if (const int glossary = dom::byId("glosario"))
        dom::attr(glossary, "hidden", u"");
    dom::style(root, "--client-width", px(f.clientPixelWidth()));
    dom::style(root, "--client-height", px(f.clientPixelHeight()));
    dom::style(root, "--background", rgb(f.background));
    dom::style(root, "--label-text", rgb(f.labelText));
    dom::style(root, "--label-margin", px(f.labelMargin));
    dom::style(root, "--font", px(f.fontPixels));
    std::string faces;
    for (const std::u16string_view face : f.fontFaces) {
        const std::string name(face.begin(), face.end());
        const bool generic = face == u"sans-serif";
        faces += (faces.empty() ? "" : ", ") + (generic ? name : "\"" + name + "\"");
    }
    dom::style(root, "--font-faces", faces);
    dom::style(root, "--row", px(f.listRowPixels));
    dom::style(root, "--list-border", px(f.listBorderPixels));
    dom::text(root, f.caption);

    window_ = dom::create("main");
    dom::attr(window_, "id", dom::u16(f.name));
    dom::attr(window_, "aria-labelledby", u"caption");
    const int caption = dom::create("h1", window_);
    dom::attr(caption, "id", u"caption");
    dom::text(caption, f.caption);

    const int menuBar = dom::create("div", window_);
    dom::attr(menuBar, "role", u"menubar");
    dom::attr(menuBar, "class", u"menubar");
    const int menu = dom::create("button", menuBar);
    dom::attr(menu, "id", dom::u16(f.menu.name));
    dom::attr(menu, "type", u"button");
    dom::attr(menu, "role", u"menuitem");
    dom::attr(menu, "tabindex", u"-1");
    dom::tag(menu, kMenuItem, -1);
    dom::text(dom::create("span", menu), cerrar.before);
    if (cerrar.key != 0) {
        dom::attr(menu, "aria-keyshortcuts", u"Alt+" + std::u16string(1, cerrar.key));
        dom::text(dom::create("u", menu), std::u16string_view(&cerrar.key, 1));
    }
    dom::text(dom::create("span", menu), cerrar.after);

    const int client = dom::create("div", window_);
    dom::attr(client, "class", u"client");
    for (const ControlDescription& c : f.controls) {
        const bool definition = c.kind == ControlKind::Label && c.readByText;
        const char* tag = c.kind == ControlKind::TextBox                ? "input"
                          : c.kind == ControlKind::CommandButton        ? "button"
                          : c.kind == ControlKind::Label && !definition ? "label"
                                                                        : "div";
        const int el = dom::create(tag, client);
        elements_[static_cast<std::size_t>(c.id)] = el;
        dom::attr(el, "id", dom::u16(c.name));
        dom::tag(el, static_cast<int>(c.id), -1);
        const PixelRect r = f.boxAt(c.id, kBaseDpi, f.listBorderPixels);
        dom::style(el, "--left", px(r.left));
        dom::style(el, "--top", px(r.top));
        dom::style(el, "--width", px(r.width));
        dom::style(el, "--height", px(r.height));
        if (!c.text.empty())
            dom::text(el, c.text);
        if (!definition && c.accessibleName != c.text)
            dom::attr(el, "aria-label", c.accessibleName);
        if (!c.accessibleDescription().empty())
            dom::attr(el, "aria-description", c.accessibleDescription());
        if (c.kind == ControlKind::Label)
            dom::style(el, "white-space", c.wraps() ? "normal" : "nowrap");
        switch (c.kind) {
        case ControlKind::TextBox:
            dom::attr(el, "type", u"text");
            dom::attr(el, "aria-controls", dom::u16(f[Control::lstLista].name));
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
            if (definition) {
                // A region a reader can go to, named by the definition it
                // shows, as a label is; what a lookup found is read out by
                // the announcer below.
                dom::attr(el, "role", u"region");
                dom::attr(el, "aria-labelledby", dom::u16(c.name));
            } else {
                dom::attr(el, "for", dom::u16(f[Control::txtBuscar].name));
            }
            break;
        }
    }

    // The one polite live region: its text is replaced by each
    // announcement, and read once; the style sheet keeps it off the screen.
    announcer_ = dom::create("div", window_);
    dom::attr(announcer_, "id", u"anuncio");
    dom::attr(announcer_, "class", u"announcer");
    dom::attr(announcer_, "role", u"status");
    dom::attr(announcer_, "aria-live", u"polite");
    dom::attr(announcer_, "aria-atomic", u"true");

    const int list = element(Control::lstLista);
    options_.reserve(kCatalogue.size());
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const int option = dom::create("div", list);
        dom::attr(option, "id", u"lstLista-" + dom::u16(std::to_string(i)));
        dom::attr(option, "role", u"option");
        dom::attr(option, "aria-selected", u"false");
        dom::tag(option, static_cast<int>(Control::lstLista), static_cast<int>(i));
        dom::text(option, kCatalogue[i].term);
        options_.push_back(option);
    }
    dom::adopt(0);
    setContrastColours(elements_);
}

} // namespace lexidor
