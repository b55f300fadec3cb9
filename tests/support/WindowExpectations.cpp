// SPDX-License-Identifier: MIT
#include "WindowExpectations.h"

#include "Catalogue.h"
#include "Utf8.h"

#include <cstdio>
#include <cstdlib>

namespace lexidor::test {

namespace {

std::string text(const PixelRect& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height) + ")";
}

std::string number(int n)
{
    return std::to_string(n);
}

// The client area and the font in pixels at the resolutions the tests use,
// written out rather than computed, so a wrong scaling rule in the form
// table shows too.
struct KnownSize {
    int dpi, clientWidth, clientHeight, fontPixels;
};
constexpr KnownSize kKnownSizes[] = {{96, 490, 401, 11}, {144, 735, 601, 16}};

const KnownSize* knownSize(int dpi)
{
    for (const KnownSize& k : kKnownSizes) {
        if (k.dpi == dpi)
            return &k;
    }
    return nullptr;
}

// Each expectation: what must hold, and the reason it does not (empty when
// it holds, or when the toolkit did not measure it).
struct Expectation {
    const char* what;
    std::string (*fault)(const WindowSeen&);
};

const Expectation kExpectations[] = {
    {"the client area has the form's size",
     [](const WindowSeen& s) -> std::string {
         const KnownSize* k = knownSize(s.dpi);
         if (!k)
             return "no known size at " + number(s.dpi) + " dpi";
         if (s.clientWidth == k->clientWidth && s.clientHeight == k->clientHeight)
             return {};
         return number(s.clientWidth) + "x" + number(s.clientHeight) + ", want " + number(k->clientWidth) +
                "x" + number(k->clientHeight);
     }},
    {"the controls' font is the dialog font at the window's resolution",
     [](const WindowSeen& s) -> std::string {
         const KnownSize* k = knownSize(s.dpi);
         return !k || s.fontPixels == k->fontPixels
                    ? std::string()
                    : number(s.fontPixels) + " pixels, want " + number(k->fontPixels);
     }},
    {"a fixed border and the close button only",
     [](const WindowSeen& s) -> std::string {
         return s.fixedSize && s.closeButtonOnly ? std::string() : "sizable or with more buttons";
     }},
    {"the caption",
     [](const WindowSeen& s) -> std::string {
         return s.caption == kFrmLexidor.caption ? std::string() : toUtf8(s.caption);
     }},
    {"the menu bar holds Cerrar alone, without a submenu",
     [](const WindowSeen& s) -> std::string {
         if (s.menu == std::vector<std::u16string>{std::u16string(kFrmLexidor.menu.caption)} &&
             !s.menuHasSubmenu)
             return {};
         std::string items;
         for (const std::u16string& item : s.menu)
             items += "\"" + toUtf8(item) + "\" ";
         return items + (s.menuHasSubmenu ? "with a submenu" : "");
     }},
    {"the window is centred on the work area, within 2 pixels",
     [](const WindowSeen& s) -> std::string {
         const int dx = (s.frame.left + s.frame.right()) - (s.workArea.left + s.workArea.right());
         const int dy = (s.frame.top + s.frame.bottom()) - (s.workArea.top + s.workArea.bottom());
         if (std::abs(dx) <= 4 && std::abs(dy) <= 4)
             return {};
         return "frame " + text(s.frame) + " on " + text(s.workArea);
     }},
    {"every control is placed as in the form table",
     [](const WindowSeen& s) -> std::string {
         std::string wrong;
         for (const ControlDescription& c : kFrmLexidor.controls) {
             const ControlSeen& seen = s.controls[static_cast<std::size_t>(c.id)];
             const int border = (seen.rect.height - seen.innerHeight) / 2;
             if (!seen.exists || !(seen.rect == kFrmLexidor.boxAt(c.id, s.dpi, border)))
                 wrong += std::string(c.name) + (seen.exists ? " at " + text(seen.rect) : " missing") + "; ";
         }
         return wrong;
     }},
    {"the list shows whole rows only",
     [](const WindowSeen& s) -> std::string {
         const int inner = s.controls[static_cast<std::size_t>(Control::lstLista)].innerHeight;
         const int row = kFrmLexidor.listRowPixelsAt(s.dpi);
         if (inner % row == 0)
             return {};
         return number(inner) + " pixels inside the border, rows of " + number(row);
     }},
    {"every control but the labels is a tab stop",
     [](const WindowSeen& s) -> std::string {
         std::string wrong;
         for (const ControlDescription& c : kFrmLexidor.controls) {
             if (s.controls[static_cast<std::size_t>(c.id)].tabStop != c.focusable())
                 wrong += std::string(c.name) + " ";
         }
         return wrong;
     }},
    {"a screen reader gets each control's name from the form table",
     [](const WindowSeen& s) -> std::string {
         std::string wrong;
         for (const ControlDescription& c : kFrmLexidor.controls) {
             const std::optional<std::u16string>& spoken = s.controls[static_cast<std::size_t>(c.id)].spoken;
             if (spoken && *spoken != c.accessibleName)
                 wrong += std::string(c.name) + ": \"" + toUtf8(*spoken) + "\" ";
         }
         return wrong;
     }},
    {"a screen reader walks the controls in tab order",
     [](const WindowSeen& s) -> std::string {
         if (s.readingOrder.empty())
             return {};
         const auto order = kFrmLexidor.tabOrder();
         if (std::vector<Control>(order.begin(), order.end()) == s.readingOrder)
             return {};
         std::string seen;
         for (const Control c : s.readingOrder)
             seen += std::string(kFrmLexidor[c].name) + " ";
         return seen;
     }},
    {"the list's rows are the terms in catalogue order",
     [](const WindowSeen& s) -> std::string {
         if (s.rows.size() != kCatalogue.size())
             return number(static_cast<int>(s.rows.size())) + " rows";
         for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
             if (s.rows[i] != kCatalogue[i].term)
                 return "row " + number(static_cast<int>(i)) + " is \"" + toUtf8(s.rows[i]) + "\"";
         }
         return {};
     }},
    {"the prompt fits its label on one line",
     [](const WindowSeen& s) -> std::string {
         const int width = s.controls[static_cast<std::size_t>(Control::lblBuscar)].rect.width;
         return s.promptWidth <= width ? std::string()
                                       : number(s.promptWidth) + " of " + number(width) + " pixels";
     }},
    {"every definition fits the definition area",
     [](const WindowSeen& s) -> std::string {
         if (s.definitionsHeight > 0 && s.definitionsHeight <= s.definitionAreaHeight &&
             s.definitionsWidth <= s.definitionAreaWidth)
             return {};
         return number(s.definitionsWidth) + "x" + number(s.definitionsHeight) + " in " +
                number(s.definitionAreaWidth) + "x" + number(s.definitionAreaHeight);
     }},
    {"the definition's first pixel is inside the frame and the margin",
     [](const WindowSeen& s) -> std::string {
         if (!s.definitionInkLeft || !s.definitionInkTop)
             return {};
         // A glyph may start a pixel after its pen position; its top sits
         // below the inset by the font's internal leading.
         const int inset = kFrmLexidor.labelInsetAt(s.dpi);
         const int left = *s.definitionInkLeft;
         const int top = *s.definitionInkTop;
         if (left >= inset && left <= inset + 1 && top >= inset && top <= inset + s.fontPixels / 2)
             return {};
         return "at " + number(left) + "," + number(top) + ", inset " + number(inset);
     }},
    {"the longest definition is drawn on several lines inside its text rectangle",
     [](const WindowSeen& s) -> std::string {
         if (!s.longDefinitionInkRight || !s.longDefinitionInkBottom || !s.definitionInkTop ||
             !s.definitionTextRight)
             return {};
         // Clipped unwrapped, one line runs up to the rectangle's edge.
         if (*s.longDefinitionInkRight<*s.definitionTextRight&& * s.longDefinitionInkBottom -
                                       *s.definitionInkTop> 2 *
             s.fontPixels)
             return {};
         return "ink up to " + number(*s.longDefinitionInkRight) + "," + number(*s.longDefinitionInkBottom) +
                ", text ends at " + number(*s.definitionTextRight);
     }},
    {"the longest term's row is drawn whole inside its text rectangle",
     [](const WindowSeen& s) -> std::string {
         if (!s.longRowInkRight || !s.longRowTextRight || !s.longRowInkWidth || !s.longTermInkWidth)
             return {};
         if (*s.longRowInkRight <= *s.longRowTextRight &&
             std::abs(*s.longRowInkWidth - *s.longTermInkWidth) <= 1)
             return {};
         return "ends at " + number(*s.longRowInkRight) + " of " + number(*s.longRowTextRight) + ", " +
                number(*s.longRowInkWidth) + " pixels wide of " + number(*s.longTermInkWidth);
     }},
    {"the picture covers the client area",
     [](const WindowSeen& s) -> std::string {
         return !s.plainFillSamples || *s.plainFillSamples == 0
                    ? std::string()
                    : number(*s.plainFillSamples) + " sampled pixels in the plain fill colour";
     }},
    {"the worst type-ahead step tells the list view once",
     [](const WindowSeen& s) -> std::string {
         if ((!s.selectionNotes || *s.selectionNotes <= 1) && (!s.scrollNotes || *s.scrollNotes <= 1))
             return {};
         return number(s.selectionNotes.value_or(0)) + " selection and " + number(s.scrollNotes.value_or(0)) +
                " scroll notifications";
     }},
};

std::string text(Rgb c)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c.red, c.green, c.blue);
    return hex;
}

std::string text(const TextSeen& t)
{
    char ratio[16];
    std::snprintf(ratio, sizeof ratio, "%.2f:1", t.ratio);
    return std::string(ratio) + ", " + text(t.ink) + " on " + text(t.ground);
}

Rgb themed(const ThemedWindowSeen& s, ThemeColour c)
{
    return s.theme[static_cast<std::size_t>(c)];
}

// A text readable against its ground, and that ground the theme's colour
// the contrast rule gives it.
std::string readableOn(const TextSeen& t, Rgb ground)
{
    if (t.ratio >= kReadableContrast && t.ground == ground)
        return {};
    return text(t) + ", want 4.5:1 or more on " + text(ground);
}

struct ThemedExpectation {
    const char* what;
    std::string (*fault)(const ThemedWindowSeen&);
};

const ThemedExpectation kThemedExpectations[] = {
    {"the selected row's text is readable on the highlight",
     [](const ThemedWindowSeen& s) {
         return readableOn(s.selectedRow, themed(s, kContrastRule.selectedRow.ground));
     }},
    {"the definition's text is readable on the theme's window colour",
     [](const ThemedWindowSeen& s) {
         return readableOn(s.definition, themed(s, kContrastRule[Control::lblDescripcion].ground));
     }},
    {"the prompt is readable on the theme's window colour",
     [](const ThemedWindowSeen& s) {
         return readableOn(s.prompt, themed(s, kContrastRule[Control::lblBuscar].ground));
     }},
    {"the definition's frame is in the theme's text colour",
     [](const ThemedWindowSeen& s) -> std::string {
         const Rgb want = themed(s, kContrastRule[Control::lblDescripcion].ink);
         return s.definitionFrame == want ? std::string() : text(s.definitionFrame) + ", want " + text(want);
     }},
    {"no picture: the client area is the theme's window colour",
     [](const ThemedWindowSeen& s) -> std::string {
         return s.foreignClientSamples == 0
                    ? std::string()
                    : number(s.foreignClientSamples) + " sampled pixels of another colour";
     }},
};

} // namespace

std::vector<std::string> themedWindowFaults(const ThemedWindowSeen& seen, const std::string& theme)
{
    std::vector<std::string> faults;
    for (const ThemedExpectation& e : kThemedExpectations) {
        const std::string why = e.fault(seen);
        if (!why.empty())
            faults.push_back(theme + " contrast theme: " + e.what + ": " + why);
    }
    return faults;
}

std::string themedWindowSummary(const ThemedWindowSeen& seen, const std::string& theme)
{
    return theme + " contrast theme: selected row " + text(seen.selectedRow) + "; definition " +
           text(seen.definition) + "; prompt " + text(seen.prompt);
}

std::vector<std::string> windowFaults(const WindowSeen& seen)
{
    std::vector<std::string> faults;
    for (const Expectation& e : kExpectations) {
        const std::string why = e.fault(seen);
        if (!why.empty())
            faults.push_back(std::string(e.what) + ": " + why);
    }
    return faults;
}

} // namespace lexidor::test
