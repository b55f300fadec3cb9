// SPDX-License-Identifier: MIT
#pragma once

// What the window must look like, stated once for every toolkit. A window
// test measures its real window into WindowSeen (sizes, places, what its
// text needs, pixels of what it drew) and windowFaults judges the
// measurements by one table of expectations; the Qt and the Windows window
// tests run the same table. What a toolkit cannot measure stays empty and
// is not judged.

#include "FormDescription.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lexidor::test {

struct ControlSeen {
    bool exists = false;
    PixelRect rect{};    // in the client area
    int innerHeight = 0; // inside its border (the list's rows' room)
    bool tabStop = false;
    // What a screen reader gets: the name, or for a control read by its
    // text, the description.
    std::optional<std::u16string> spoken;
};

// Pixels are the window's, at its dots per inch.
struct WindowSeen {
    int dpi = kBaseDpi;
    std::u16string caption;
    int clientWidth = 0, clientHeight = 0;
    bool fixedSize = false, closeButtonOnly = false;
    std::vector<std::u16string> menu; // captions of the menu bar's items
    bool menuHasSubmenu = false;
    PixelRect frame{}, workArea{}; // on the screen
    int fontPixels = 0;            // the controls' font: its em height
    std::array<ControlSeen, kControlCount> controls{};
    // The controls in the order a screen reader walks them (on Windows the
    // children's z-order), front to back.
    std::vector<Control> readingOrder;
    std::vector<std::u16string> rows; // the list's rows

    // Text as the toolkit lays it out: the prompt on one line, and the
    // largest block any definition needs in the definition area's text
    // rectangle, which is `definitionArea` big.
    int promptWidth = 0;
    int definitionsHeight = 0, definitionsWidth = 0;
    int definitionAreaWidth = 0, definitionAreaHeight = 0;

    // Pixels of what the window drew. The first pixel of a definition's
    // text, from the label's outer edge.
    std::optional<int> definitionInkLeft, definitionInkTop;
    // The longest definition as the window draws it: where its ink ends, and
    // the right edge of the text's rectangle.
    std::optional<int> longDefinitionInkRight, longDefinitionInkBottom, definitionTextRight;
    // The longest term's row: where its text's pixels end, the right edge
    // of the row's text rectangle as the style lays it out, and the width
    // of the drawn text against that of the whole term drawn alone.
    std::optional<int> longRowInkRight, longRowTextRight, longRowInkWidth, longTermInkWidth;
    // Sampled pixels of the client area in the plain fill colour, where the
    // picture should be.
    std::optional<int> plainFillSamples;
    // How often the list view was told of a new selection and of a scroll
    // during the worst type-ahead step (a, then x).
    std::optional<int> selectionNotes, scrollNotes;
};

// One line per expectation the window does not meet; empty when it meets
// them all.
std::vector<std::string> windowFaults(const WindowSeen& seen);

// The window under a contrast theme, measured the same way on every
// toolkit: the theme's colours as the platform gives them (by
// ThemeColour), and texts of the window against what lies behind them on
// screen (ImageScan.h's textContrast).
struct TextSeen {
    Rgb ink{}, ground{};
    double ratio = 1;
};

struct ThemedWindowSeen {
    std::array<Rgb, kThemeColourCount> theme{};
    TextSeen selectedRow, definition, prompt;
    Rgb definitionFrame{}; // a pixel of the definition's frame
    // Sampled pixels of the client area, outside every control, that are
    // not the client area's colour under the theme.
    int foreignClientSamples = 0;
};

// The same for the window under a contrast theme; `theme` names it.
std::vector<std::string> themedWindowFaults(const ThemedWindowSeen& seen, const std::string& theme);
// One line of what was measured, for the test's log.
std::string themedWindowSummary(const ThemedWindowSeen& seen, const std::string& theme);

} // namespace lexidor::test
