// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "TermCompare.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lexidor {
namespace {

using test::utf8;

// The list's ordering rule, written out independently of the stored order:
// an accented capital sorts as its plain letter, and a space before any letter.
std::u16string sortKey(std::u16string_view term)
{
    std::u16string key;
    for (char16_t c : term) {
        switch (c) {
        case u'Á':
            key += u'A';
            break;
        case u'É':
            key += u'E';
            break;
        case u'Í':
            key += u'I';
            break;
        case u'Ó':
            key += u'O';
            break;
        case u'Ú':
            key += u'U';
            break;
        default:
            key += c;
        }
    }
    return key;
}

TEST(Catalogue, RowsFollowTheOrderingRule)
{
    std::vector<std::u16string_view> sorted;
    for (const Entry& e : kCatalogue)
        sorted.push_back(e.term);
    std::stable_sort(sorted.begin(), sorted.end(), [](auto a, auto b) { return sortKey(a) < sortKey(b); });
    for (int row = 0; row < kRowCount; ++row)
        EXPECT_EQ(utf8(kCatalogue[row].term), utf8(sorted[row])) << "row " << row;
}

TEST(Catalogue, TermsUseCapitalsAccentedCapitalsAndSpacesOnly)
{
    const std::u16string_view allowed = u"ABCDEFGHIJKLMNOPQRSTUVWXYZÁÉÍÓ ";
    for (const Entry& e : kCatalogue) {
        EXPECT_GE(e.term.size(), 3u) << utf8(e.term);
        EXPECT_LE(e.term.size(), 32u) << utf8(e.term);
        for (char16_t c : e.term)
            EXPECT_NE(allowed.find(c), std::u16string_view::npos) << utf8(e.term);
    }
}

TEST(Catalogue, TermsAreDistinctUnderTermComparison)
{
    for (int a = 0; a < kRowCount; ++a)
        for (int b = a + 1; b < kRowCount; ++b)
            EXPECT_FALSE(termsEqual(kCatalogue[a].term, kCatalogue[b].term))
                << utf8(kCatalogue[a].term) << " / " << utf8(kCatalogue[b].term);
}

TEST(Catalogue, DefinitionsOpenWithTheirTermAndStayWithinBounds)
{
    for (const Entry& e : kCatalogue) {
        const std::u16string head = std::u16string(e.term) + u": ";
        EXPECT_EQ(e.definition.substr(0, head.size()), head) << utf8(e.definition);
        EXPECT_GE(e.definition.size(), 34u) << utf8(e.term);
        EXPECT_LE(e.definition.size(), 331u) << utf8(e.term);
        EXPECT_EQ(e.definition.find(u"PENDIENTE"), std::u16string_view::npos) << utf8(e.term);
        for (char16_t c : e.definition)
            EXPECT_LE(c, 0xFF) << "outside Latin-1 in " << utf8(e.term);
    }
}

TEST(Catalogue, MunicipalPlansHaveTheOneLongestDefinition)
{
    const auto pamen = rowOfTerm(u"PLANES DE ACTUACIÓN MUNICIPAL");
    ASSERT_TRUE(pamen.has_value());
    EXPECT_EQ(kCatalogue[*pamen].definition.size(), 331u);
    for (int row = 0; row < kRowCount; ++row) {
        if (row != *pamen) {
            EXPECT_LT(kCatalogue[row].definition.size(), 331u) << utf8(kCatalogue[row].term);
        }
    }
}

struct Quoted {
    const char* name;
    int row;
    std::u16string_view definition;
};

class QuotedDefinition : public testing::TestWithParam<Quoted> {};

TEST_P(QuotedDefinition, IsStoredCharacterForCharacter)
{
    const Quoted& q = GetParam();
    EXPECT_EQ(utf8(kCatalogue[q.row].definition), utf8(q.definition));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuotedDefinition,
    testing::Values(
        Quoted{"CSN", 13, u"CSN: Consejo de Seguridad Nuclear."},
        Quoted{"CETRA", 9, u"CETRA: Centro de Transmisiones, situado en el CECOP."},
        Quoted{"SACOP", 52, u"SACOP: Sala de Coordinación Operativa. Situada en el CECOP."},
        Quoted{"ABRS", 0,
               u"ABRS: (Área Base de Recepción Social). Lugar en donde se acogen a las personas evacuadas de "
               u"las áreas afectadas por el accidente nuclear."},
        Quoted{"PENBU", 37, u"PENBU: Plan de Emergencia Nuclear de la provincia de Burgos."},
        Quoted{"PENCA", 38, u"PENCA: Plan de Emergencia Nuclear de la provincia de Cáceres."},
        Quoted{"PENGUA", 39, u"PENGUA: Plan de Emergencia Nuclear de la provincia de Guadalajara."},
        Quoted{"PENTA", 40, u"PENTA: Plan de Emergencia Nuclear de la provincia de Tarragona."},
        Quoted{"PENVA", 41, u"PENVA: Plan de Emergencia Nuclear de la provincia de Valencia."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, CsnHasTheShortestDefinition)
{
    for (const Entry& e : kCatalogue)
        EXPECT_GE(e.definition.size(), kCatalogue[13].definition.size()) << utf8(e.term);
}

} // namespace
} // namespace lexidor
