// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "FakeWindow.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace lexidor {
namespace {

using test::FakeWindow;
using test::utf8;

std::u16string definitionOf(int row)
{
    return std::u16string(kCatalogue[row].definition);
}

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

TEST(Lifecycle, CerrarEndsTheProgram)
{
    FakeWindow w;
    EXPECT_FALSE(w.rt.ended());
    w.events.cerrarChosen();
    EXPECT_TRUE(w.rt.ended());
}

struct LookupCase {
    const char* name;
    std::function<void(FakeWindow&)> steps;
    std::u16string caption; // what the definition area shows afterwards
    std::u16string text;    // what the search box holds afterwards
    // What a screen reader was told, in order: one text per lookup.
    std::vector<std::u16string> announced;
};

void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class Lookup : public testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, ShowsTheDefinitionOfTheWholeBoxText)
{
    const LookupCase& c = GetParam();
    FakeWindow w;
    c.steps(w);
    EXPECT_EQ(utf8(w.rt.caption()), utf8(c.caption));
    EXPECT_EQ(utf8(w.rt.txtBuscar_Text()), utf8(c.text));
    std::vector<std::string> announced;
    for (const std::u16string& a : w.rt.announcements())
        announced.push_back(utf8(a));
    std::vector<std::string> expected;
    for (const std::u16string& a : c.announced)
        expected.push_back(utf8(a));
    EXPECT_EQ(announced, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, Lookup,
    testing::Values(
        LookupCase{"partial_text_and_buscar",
                   [](auto& w) { w.type(u"cn"), w.clickBuscar(); },
                   u"",
                   u"cn",
                   {std::u16string(FrmLexidor::kNotFound)}},
        LookupCase{"enter_in_box",
                   [](auto& w) { w.type(u"csn"), w.enter(); },
                   definitionOf(13),
                   u"csn",
                   {definitionOf(13)}},
        LookupCase{"buscar_any_case",
                   [](auto& w) { w.type(u"Csn"), w.clickBuscar(); },
                   definitionOf(13),
                   u"Csn",
                   {definitionOf(13)}},
        LookupCase{"enter_in_list_uses_the_box",
                   [](auto& w) { w.type(u"csn"), w.selectRow(0), w.listKey(vk::Return); },
                   definitionOf(13),
                   u"csn",
                   {definitionOf(13)}},
        LookupCase{"no_match_keeps_previous",
                   [](auto& w) {
                       w.type(u"csn"), w.enter();
                       w.clickBox(), w.rt.txtBuscar_SetText(u""), w.type(u"xyz"), w.clickBuscar();
                   },
                   definitionOf(13),
                   u"xyz",
                   {definitionOf(13), std::u16string(FrmLexidor::kNotFound)}},
        LookupCase{"trailing_space_matches_nothing",
                   [](auto& w) { w.type(u"PENTA "), w.clickBuscar(); },
                   u"",
                   u"PENTA ",
                   {std::u16string(FrmLexidor::kNotFound)}},
        LookupCase{"empty_box",
                   [](auto& w) { w.clickBuscar(), w.enter(), w.listKey(vk::Return); },
                   u"",
                   u"",
                   {std::u16string(FrmLexidor::kNotFound), std::u16string(FrmLexidor::kNotFound),
                    std::u16string(FrmLexidor::kNotFound)}},
        LookupCase{"accented_lower_case",
                   [](auto& w) { w.type(u"átomo"), w.clickBuscar(); },
                   definitionOf(3),
                   u"átomo",
                   {definitionOf(3)}},
        LookupCase{"residuo_needs_its_accent",
                   [](auto& w) { w.type(u"residuo radiactivo"), w.enter(); },
                   u"",
                   u"residuo radiactivo",
                   {std::u16string(FrmLexidor::kNotFound)}},
        LookupCase{
            "double_click_copies_without_lookup", [](auto& w) { w.doubleClickRow(9); }, u"", u"CETRA", {}},
        LookupCase{"double_click_then_enter_in_list",
                   [](auto& w) { w.doubleClickRow(9), w.listKey(vk::Return); },
                   definitionOf(9),
                   u"CETRA",
                   {definitionOf(9)}},
        LookupCase{"double_click_then_buscar_replaces_typed_text",
                   [](auto& w) { w.type(u"pen"), w.doubleClickRow(44), w.clickBuscar(); },
                   definitionOf(44),
                   u"PLANES DE ACTUACIÓN MUNICIPAL",
                   {definitionOf(44)}},
        LookupCase{"other_keys_in_list_do_nothing",
                   [](auto& w) {
                       w.type(u"csn");
                       for (int k : {vk::Space, vk::Down, vk::KeyA, vk::Back, vk::Tab})
                           w.listKey(k);
                   },
                   u"",
                   u"csn",
                   {}},
        LookupCase{"last_row_found",
                   [](auto& w) { w.type(u"ZONAS DE PLANIFICACIÓN"), w.enter(); },
                   definitionOf(60),
                   u"ZONAS DE PLANIFICACIÓN",
                   {definitionOf(60)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lookup, DoubleClickLeavesTheTypeAheadStateAlone)
{
    FakeWindow w;
    w.type(u"ce");
    const auto indice = w.form().indice();
    const auto longitud = w.form().longitud();
    w.doubleClickRow(30);
    EXPECT_EQ(w.form().indice(), indice);
    EXPECT_EQ(w.form().longitud(), longitud);
    EXPECT_EQ(w.rt.selectedRow(), 30);
}

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
