// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "FakeWindow.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace lexidor {
namespace {

using test::FakeWindow;
using test::utf8;

TEST(Lifecycle, LoadAndActivateGiveTheStartState)
{
    FakeRuntime rt;
    rt.setAppPath(u"/usr/lib/lexidor");
    rt.txtBuscar_SetText(u"old text");
    rt.lblDescripcion_SetCaption(u"old caption");
    FormEvents events(rt);
    const FrmLexidor& frm = events.form();
    events.created();
    EXPECT_EQ(utf8(rt.currentDir()), "/usr/lib/lexidor");
    EXPECT_EQ(utf8(rt.txtBuscar_Text()), "");
    EXPECT_EQ(utf8(rt.caption()), "");
    EXPECT_EQ(rt.selectedRow(), -1);
    EXPECT_EQ(frm.indice(), 0);
    EXPECT_EQ(frm.longitud(), 1);
    EXPECT_EQ(rt.focus(), FakeRuntime::Focus::None);
    events.activated();
    EXPECT_EQ(rt.focus(), FakeRuntime::Focus::txtBuscar);
}

// Every lookup gesture, what it shows and what a screen reader hears of it,
// is in the golden scenario files (tests/scenarios/lookup-*.scenario). Here:
// every one of the 61 terms, in capitals and in small letters.
TEST(Lookup, EveryTermFindsItsOwnDefinitionInAnyCase)
{
    for (int row = 0; row < kRowCount; ++row) {
        for (bool lower : {false, true}) {
            FakeWindow w;
            std::u16string text(kCatalogue[row].term);
            if (lower)
                for (char16_t& c : text)
                    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
                        c = static_cast<char16_t>(c + 32);
            w.rt.txtBuscar_SetText(text);
            w.clickBuscar();
            EXPECT_EQ(utf8(w.rt.caption()), utf8(kCatalogue[row].definition)) << utf8(text);
        }
    }
}

} // namespace
} // namespace lexidor
