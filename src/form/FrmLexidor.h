// SPDX-License-Identifier: MIT
#pragma once

// How an event flows: toolkit -> adaptor -> FormEvents (the runtime's rules)
// -> FrmLexidor (the handlers) -> FormRuntime -> the adaptor draws.
// An adaptor (src/qt, src/win32, src/web; the tests' fake) does three things:
// 1. builds the window from kFrmLexidor (FormDescription.h), every size,
//    face, name and flag from there;
// 2. reports what its toolkit saw to FormEvents, as it saw it (a key pressed
//    or released and on which control, a button pressed, released or pressed
//    twice, the list scrolled or resized, the window activated or gone), and
//    leaves the toolkit's own handling out where FormEvents says Handled;
// 3. implements FormRuntime: draws what the form decided, once per event.

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
