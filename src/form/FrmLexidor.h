// SPDX-License-Identifier: MIT
#pragma once

// How an event flows through Lexidor
// ----------------------------------
//
//   toolkit event       adaptor              FormEvents          FrmLexidor
//   (Qt / Win32 /   --> (src/qt, src/win32, -> (the runtime's --> handler
//    browser / fake)     src/web, the fake)     rules)              |
//                                                                   v
//                                              ListBox  <------ ListIndex, Text,
//                                              (lstLista)       Selected, ListCount
//                                                 |
//   widgets drawn   <-- FormRuntime  <------------+------------ Text, Caption, ...
//   once per event      (lstLista_Show once, at the end of the event)
//
// 1. The toolkit reports something the user did: a key released in the
//    search box, a click on "Buscar", a double-click on a list row.
// 2. The adaptor (a thin layer that owns the real widgets) reports it to
//    FormEvents as it saw it: boxKeyReleased(code), boxButtonReleased(...).
//    Key codes come from one table (KeyCodes.h) on every toolkit.
// 3. FormEvents applies the rules every toolkit shares (Activate once,
//    nothing after End, one Click per click) and calls the one matching
//    FrmLexidor handler, named after its control and event:
//    txtBuscar_KeyUp(keyCode), cmdBuscar_Click(), ...
// 4. The handler runs to completion on the window's thread. It works the
//    list through ListBox, a toolkit-free list box that selects and scrolls
//    row by row as a real one does, and the other controls through the
//    FormRuntime interface; the logic never sees a toolkit type.
// 5. When the handler returns, FormEvents tells the adaptor once where the
//    list ended (selected row, top row), and the toolkit paints what
//    changed, once. What the user does to the list directly comes back as
//    FormEvents::listShown, so the model always holds what the screen shows.
//
// Everything in src/form is toolkit-free and runs unchanged on Qt, on Win32,
// in the browser and on the in-memory fake of the tests. The layout of the
// window is data, in FormDescription.h; the glossary is data, in
// src/catalogue.

#include "FormRuntime.h"
#include "ListBox.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace lexidor {

class FrmLexidor {
public:
    // Positions of the type-ahead history: 1 to kHistoryLength.
    static constexpr int kHistoryLength = 100;
    // What a screen reader hears after a lookup that finds no term; the
    // window shows nothing for it.
    static constexpr std::u16string_view kNotFound = u"Término no encontrado.";

    FrmLexidor(FormRuntime& runtime, ListBox& list) : rt_(runtime), lstLista(list) {}

    // Form events.
    void Form_Load();
    void Form_Activate();

    // Control events.
    void txtBuscar_KeyUp(int keyCode);
    void txtBuscar_Click();
    void lstLista_KeyUp(int keyCode);
    void lstLista_DblClick();
    void cmdBuscar_Click();
    void mnuCerrar_Click();

    // The type-ahead state, for display and tests.
    std::int16_t indice() const { return intIndice; }
    std::int16_t longitud() const { return intLongitud; }
    // The row remembered for prefix length `position` (1 .. kHistoryLength).
    int historial(int position) const;

private:
    void lookUpDefinition();
    bool selectedRowStartsWith(std::u16string_view text) const;

    FormRuntime& rt_;
    ListBox& lstLista;

    // Type-ahead state: the row where the next scan starts, the prefix
    // length the next step compares, and the row found for each length.
    std::int16_t intIndice = 0;
    std::int16_t intLongitud = 1;
    std::array<std::uint8_t, kHistoryLength> bytHistorial{};
};

} // namespace lexidor
