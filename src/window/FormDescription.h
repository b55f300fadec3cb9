// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace lexidor {

// The main window as data: every realisation builds frmLexidor from this
// table, so the layout lives here and nowhere else. Lengths are in twips;
// 15 twips make one pixel at 96 dots per inch.

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

enum class ControlKind { Label, TextBox, ListBox, CommandButton };

struct ControlDescription {
    std::string_view name; // also the widget's object name
    ControlKind kind;
    std::u16string_view text;     // initial text; a list's rows come from the catalogue
    int left, top, width, height; // twips, relative to the client area
    int tabIndex;
    std::u16string_view accessibleName; // what a screen reader says
    bool framed;                        // a thin single-line border
};

struct MenuItemDescription {
    std::string_view name;
    std::u16string_view caption; // '&' marks the access key
};

struct FormDescription {
    std::string_view name;
    std::u16string_view caption;
    int clientWidth, clientHeight; // twips
    MenuItemDescription menu;
    std::array<ControlDescription, 5> controls;

    // The control with the given name; the name must exist.
    constexpr const ControlDescription& control(std::string_view controlName) const
    {
        for (const ControlDescription& c : controls) {
            if (c.name == controlName)
                return c;
        }
        return controls[0];
    }
};

inline constexpr FormDescription kFrmLexidor{
    "frmLexidor",
    u"Lexidor de Términos",
    7350,
    6015,
    {"mnuCerrar", u"&Cerrar"},
    {{
        {"lblBuscar", ControlKind::Label, u"Escriba la palabra clave a buscar:", 240, 360, 2535, 255, 4,
         u"Escriba la palabra clave a buscar:", false},
        {"txtBuscar", ControlKind::TextBox, u"", 240, 720, 3375, 285, 1, u"Palabra clave", false},
        {"lstLista", ControlKind::ListBox, u"", 240, 1200, 3615, 3765, 2, u"Términos", false},
        {"lblDescripcion", ControlKind::Label, u"", 4080, 1200, 3015, 3735, 3, u"Definición", true},
        {"cmdBuscar", ControlKind::CommandButton, u"Buscar", 1440, 5280, 1215, 375, 0, u"Buscar", false},
    }},
};

} // namespace lexidor
