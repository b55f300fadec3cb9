// SPDX-License-Identifier: MIT
#pragma once

// The main window as data: every toolkit builds frmLexidor from this table
// and asks it for every number of the layout (rectangles, colours, margin,
// font faces and size, tab order, names for screen readers), so the layout
// is written here and nowhere else. One layout lives elsewhere: on a screen
// narrower than the window (a phone), the page puts the same controls in one
// column with touch-sized rows (src/web/lexidor.css, its narrow-screen rule).
// Lengths are in twips; 15 twips make one pixel at 96 dots per inch, and
// 1440 make an inch at any resolution.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lexidor {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kBaseDpi = 96;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Twips to whole pixels on a display of `dpi` dots per inch, rounded down
// as twipsToPixels is, so at 96 both give the same pixels.
constexpr int twipsToPixelsAt(int twips, int dpi)
{
    return twips * dpi / kTwipsPerInch;
}

// A length given in pixels at 96 dots per inch (a margin, a frame), on a
// display of `dpi`; never thinner than one pixel when it was not zero.
constexpr int scalePixels(int pixels, int dpi)
{
    const int scaled = pixels * dpi / kBaseDpi;
    return pixels > 0 && scaled < 1 ? 1 : scaled;
}

// How many whole rows of `rowHeight` an inner height of the list holds
// (never fewer than one); a hundredth of a pixel of rounding is forgiven.
constexpr int wholeRows(double innerHeight, double rowHeight)
{
    if (rowHeight <= 0)
        return 1;
    const int rows = static_cast<int>(innerHeight / rowHeight + 0.01);
    return rows > 0 ? rows : 1;
}

enum class ControlKind { Label, TextBox, ListBox, CommandButton };

// The window's controls, by name; the value indexes FormDescription::controls.
enum class Control : std::uint8_t { lblBuscar, txtBuscar, lstLista, lblDescripcion, cmdBuscar };
inline constexpr std::size_t kControlCount = 5;

struct PixelRect {
    int left, top, width, height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const PixelRect&) const = default;
};

struct Rgb {
    std::uint8_t red, green, blue;
    constexpr bool operator==(const Rgb&) const = default;
};

struct ControlDescription {
    Control id;
    std::string_view name; // also the widget's object name
    ControlKind kind;
    std::u16string_view text;     // initial text; a list's rows come from the catalogue
    int left, top, width, height; // twips, relative to the client area
    int tabIndex;
    // What a screen reader says. A control read by its text (the label that
    // shows the definition) has its text as its name, and this becomes its
    // description.
    std::u16string_view accessibleName;
    bool framed;     // a thin single-line border
    bool readByText; // a screen reader's name for it is its text
    // What a screen reader says of it besides its name ("" for nothing).
    constexpr std::u16string_view accessibleDescription() const { return readByText ? accessibleName : u""; }

    constexpr PixelRect pixels() const
    {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
    }
    constexpr PixelRect pixelsAt(int dpi) const
    {
        return {twipsToPixelsAt(left, dpi), twipsToPixelsAt(top, dpi), twipsToPixelsAt(width, dpi),
                twipsToPixelsAt(height, dpi)};
    }
    // Labels take no focus; every other control is a tab stop.
    constexpr bool focusable() const { return kind != ControlKind::Label; }
    // A label wraps its text at word boundaries inside its box.
    constexpr bool wraps() const { return kind == ControlKind::Label; }
};

// A caption around its access key: "&Cerrar" is "", 'C', "errar"; no key
// (0) where the caption has no '&' before a character.
struct AccessKey {
    std::u16string_view before;
    char16_t key = 0;
    std::u16string_view after;
};

struct MenuItemDescription {
    std::string_view name;
    std::u16string_view caption; // '&' marks the access key

    constexpr AccessKey accessKey() const
    {
        const std::size_t amp = caption.find(u'&');
        if (amp == std::u16string_view::npos || amp + 1 >= caption.size())
            return {caption, 0, {}};
        return {caption.substr(0, amp), caption[amp + 1], caption.substr(amp + 2)};
    }
};

struct FormDescription {
    std::string_view name;
    std::u16string_view caption;
    int clientWidth, clientHeight; // twips
    MenuItemDescription menu;
    std::array<ControlDescription, kControlCount> controls;

    // Seen where the picture does not reach, and when it cannot be drawn.
    Rgb background;
    // The labels' text and the definition area's frame, straight on the picture.
    Rgb labelText;
    // Space between a framed label's border and its text, in pixels.
    int labelMargin;
    // The form sets no font; the controls are laid out for the classic 8-point
    // dialog font: 11 pixels high at 96 dots per inch.
    int fontPixels;
    // A list row's height, and the list box's sunken border on each side, in
    // pixels at 96 dots per inch: the classic list box with that font, so
    // every toolkit shows the same rows.
    int listRowPixels;
    int listBorderPixels;
    // The font faces, in order of preference: the classic dialog face, then
    // faces with its metrics; the last is a generic family.
    std::array<std::u16string_view, 5> fontFaces;
    // A fixed single border that the user cannot resize, and a caption bar
    // with its close button only.
    bool sizable;
    bool minimizeMaximizeButtons;
    // What is left in place of the window after End where the window cannot
    // go away itself (a browser tab that the user opened).
    std::u16string_view endedNote;

    constexpr const ControlDescription& operator[](Control c) const
    {
        return controls[static_cast<std::size_t>(c)];
    }
    constexpr int clientPixelWidth() const { return twipsToPixels(clientWidth); }
    constexpr int clientPixelHeight() const { return twipsToPixels(clientHeight); }
    constexpr int clientPixelWidthAt(int dpi) const { return twipsToPixelsAt(clientWidth, dpi); }
    constexpr int clientPixelHeightAt(int dpi) const { return twipsToPixelsAt(clientHeight, dpi); }

    // The font's pixel height at `dpi`, rounded down as the boxes are.
    constexpr int fontPixelsAt(int dpi) const { return scalePixels(fontPixels, dpi); }
    constexpr int listRowPixelsAt(int dpi) const { return scalePixels(listRowPixels, dpi); }
    // From a framed label's outer edge to its text: the frame and the margin.
    constexpr int labelInsetAt(int dpi) const { return scalePixels(1, dpi) + scalePixels(labelMargin, dpi); }
    // How many whole rows the list shows at `dpi`, inside a border of
    // `border` pixels on each side (the toolkit's own, or the table's).
    constexpr int listVisibleRowsAt(int dpi, int border) const
    {
        const int inner = (*this)[Control::lstLista].pixelsAt(dpi).height - 2 * border;
        return wholeRows(inner, listRowPixelsAt(dpi));
    }
    constexpr int listVisibleRowsAt(int dpi) const
    {
        return listVisibleRowsAt(dpi, scalePixels(listBorderPixels, dpi));
    }
    // The list's box at `dpi`, shortened to whole rows as a classic list
    // box does (its integral height), so no row is ever shown cut.
    constexpr PixelRect listPixelsAt(int dpi, int border) const
    {
        PixelRect r = (*this)[Control::lstLista].pixelsAt(dpi);
        r.height = 2 * border + listVisibleRowsAt(dpi, border) * listRowPixelsAt(dpi);
        return r;
    }
    // A control's box at `dpi`: the table's, the list's made whole rows.
    constexpr PixelRect boxAt(Control c, int dpi, int listBorder) const
    {
        return c == Control::lstLista ? listPixelsAt(dpi, listBorder) : (*this)[c].pixelsAt(dpi);
    }
    // Where a label's text goes inside its box of `width` by `height` pixels.
    constexpr PixelRect labelTextAt(Control c, int width, int height, int dpi) const
    {
        const int inset = (*this)[c].framed ? labelInsetAt(dpi) : 0;
        return {inset, inset, width - 2 * inset, height - 2 * inset};
    }

    // The controls in tab-index order, labels included.
    constexpr std::array<Control, kControlCount> tabOrder() const
    {
        std::array<Control, kControlCount> order{};
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = controls[i].id;
        for (std::size_t i = 1; i < order.size(); ++i) {
            for (std::size_t j = i; j > 0 && (*this)[order[j - 1]].tabIndex > (*this)[order[j]].tabIndex;
                 --j) {
                const Control moved = order[j];
                order[j] = order[j - 1];
                order[j - 1] = moved;
            }
        }
        return order;
    }

    // Where Tab (step +1) or Shift+Tab (step -1) takes the focus from
    // `from`: the next focusable control in tab order, round the end. From a
    // control that takes no focus, the first (or last) one.
    constexpr Control nextFocus(Control from, int step) const
    {
        const std::array<Control, kControlCount> order = tabOrder();
        std::array<Control, kControlCount> stops{};
        int count = 0;
        int at = -1;
        for (const Control c : order) {
            if (!(*this)[c].focusable())
                continue;
            if (c == from)
                at = count;
            stops[static_cast<std::size_t>(count++)] = c;
        }
        if (at < 0)
            return stops[static_cast<std::size_t>(step < 0 ? count - 1 : 0)];
        const int next = ((at + (step < 0 ? -1 : 1)) % count + count) % count;
        return stops[static_cast<std::size_t>(next)];
    }
};

inline constexpr FormDescription kFrmLexidor{
    "frmLexidor",
    u"Lexidor de Términos",
    7350,
    6015,
    {"mnuCerrar", u"&Cerrar"},
    {{
        {Control::lblBuscar, "lblBuscar", ControlKind::Label, u"Escriba la palabra clave a buscar:", 240, 360,
         2535, 255, 4, u"Escriba la palabra clave a buscar:", false, false},
        {Control::txtBuscar, "txtBuscar", ControlKind::TextBox, u"", 240, 720, 3375, 285, 1, u"Palabra clave",
         false, false},
        {Control::lstLista, "lstLista", ControlKind::ListBox, u"", 240, 1200, 3615, 3765, 2, u"Términos",
         false, false},
        {Control::lblDescripcion, "lblDescripcion", ControlKind::Label, u"", 4080, 1200, 3015, 3735, 3,
         u"Definición", true, true},
        {Control::cmdBuscar, "cmdBuscar", ControlKind::CommandButton, u"Buscar", 1440, 5280, 1215, 375, 0,
         u"Buscar", false, false},
    }},
    {0x06, 0x12, 0x2e},
    {0xff, 0xff, 0xff},
    2,
    11,
    13,
    2,
    {u"MS Sans Serif", u"Tahoma", u"Liberation Sans", u"Arial", u"sans-serif"},
    false,
    false,
    u"Lexidor se ha cerrado. Puede cerrar esta pestaña.",
};

// Under a contrast theme (the user's own colours: a Windows contrast theme, a
// browser's forced colours, a high-contrast Qt palette) the window takes its
// colours from the platform instead: no picture, and each part in the
// theme's colour named here. The look above is the look without one.
enum class ThemeColour : std::uint8_t {
    Window,
    WindowText,
    Highlight,
    HighlightText,
    ButtonFace,
    ButtonText
};
inline constexpr std::size_t kThemeColourCount = 6;

// A part's text (and its lines: the definition's frame) on its ground.
struct ThemePair {
    ThemeColour ink, ground;
};

struct ContrastRule {
    ThemePair client;                              // where the picture was
    std::array<ThemePair, kControlCount> controls; // by Control
    ThemePair selectedRow;                         // the list's selected row
    ThemeColour focus;                             // the keyboard focus's outline, where drawn

    constexpr const ThemePair& operator[](Control c) const { return controls[static_cast<std::size_t>(c)]; }
};

inline constexpr ContrastRule kContrastRule{
    {ThemeColour::WindowText, ThemeColour::Window},
    {{
        {ThemeColour::WindowText, ThemeColour::Window},     // lblBuscar
        {ThemeColour::WindowText, ThemeColour::Window},     // txtBuscar
        {ThemeColour::WindowText, ThemeColour::Window},     // lstLista
        {ThemeColour::WindowText, ThemeColour::Window},     // lblDescripcion, text and frame
        {ThemeColour::ButtonText, ThemeColour::ButtonFace}, // cmdBuscar
    }},
    {ThemeColour::HighlightText, ThemeColour::Highlight},
    ThemeColour::Highlight,
};

// WCAG 2 contrast: how far apart two colours' relative luminances are, from
// 1 (the same) to 21 (black and white). Text needs 4.5 against its ground.
inline double relativeLuminance(Rgb c)
{
    auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

inline double contrastRatio(Rgb a, Rgb b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Readable text, and what a palette with no other sign of being a contrast
// theme must reach in every pair of the rule (WCAG's enhanced contrast).
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kContrastThemeContrast = 7.0;

// Each row of the table sits at the index its id names, so kFrmLexidor[id]
// is the control with that name.
constexpr bool controlsInIdOrder()
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (static_cast<std::size_t>(kFrmLexidor.controls[i].id) != i)
            return false;
    }
    return true;
}
static_assert(controlsInIdOrder());

// At 96 dots per inch the scaled layout is the unscaled one.
constexpr bool sameLayoutAtBaseDpi()
{
    for (const ControlDescription& c : kFrmLexidor.controls) {
        if (!(c.pixelsAt(kBaseDpi) == c.pixels()))
            return false;
    }
    return kFrmLexidor.clientPixelWidthAt(kBaseDpi) == kFrmLexidor.clientPixelWidth() &&
           kFrmLexidor.clientPixelHeightAt(kBaseDpi) == kFrmLexidor.clientPixelHeight();
}
static_assert(sameLayoutAtBaseDpi());

} // namespace lexidor
