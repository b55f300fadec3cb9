// SPDX-License-Identifier: MIT
#pragma once

// How an event flows through Lexidor
// ----------------------------------
//
//   toolkit event        adaptor               FormEvents           FrmLexidor
//   (Qt / Win32 /    --> (src/qt, src/win32,-> (the runtime's  -->  handler
//    test fake)           tests/support)        rules)                 |
//                                                                      |
//   widgets repaint  <-- FormRuntime operations  <---------------------+
//   after the handler    (Text, ListIndex, Caption, ...)
//
// 1. The toolkit reports something the user did: a key released in the
//    search box, a click on "Buscar", a double-click on a list row.
// 2. The adaptor (a thin layer that owns the real widgets) reports it to
//    FormEvents as it saw it: boxKeyReleased(code), boxButtonReleased(...).
//    Key codes are virtual-key codes (KeyCodes.h) on every toolkit.
// 3. FormEvents applies the rules every toolkit shares (Activate once,
//    nothing after End, one Click per click) and calls the one matching
//    FrmLexidor handler, named after its control and event:
//    txtBuscar_KeyUp(keyCode), cmdBuscar_Click(), ...
// 4. The handler runs to completion on the window's thread. It reads and
//    writes the controls only through the FormRuntime interface, which each
//    adaptor implements on its own widgets; the logic never sees a toolkit
//    type.
// 5. When the handler returns, the toolkit paints what changed, once.
//
// Everything in src/form is toolkit-free and runs unchanged on Qt, on Win32
// and on the in-memory fake of the tests. The layout of the window is data,
// in FormDescription.h; the glossary is data, in src/catalogue.

#include "FormRuntime.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace lexidor {

class FrmLexidor {
public:
    // Positions of the type-ahead history: 1 to kHistoryLength.
    static constexpr int kHistoryLength = 100;

    explicit FrmLexidor(FormRuntime& runtime) : rt_(runtime) {}

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

    // Type-ahead state: the row where the next scan starts, the prefix
    // length the next step compares, and the row found for each length.
    std::int16_t intIndice = 0;
    std::int16_t intLongitud = 1;
    std::array<std::uint8_t, kHistoryLength> bytHistorial{};
};

} // namespace lexidor
