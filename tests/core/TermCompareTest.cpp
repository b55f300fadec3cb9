// SPDX-License-Identifier: MIT
#include "TermCompare.h"
#include "Catalogue.h"
#include "TestText.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lexidor {
namespace {

using test::utf8;

struct EqualCase {
    const char* name;
    std::u16string_view a;
    std::u16string_view b;
    bool equal;
};

void PrintTo(const EqualCase& c, std::ostream* os)
{
    *os << utf8(c.a) << " vs " << utf8(c.b);
}

class TermsEqual : public testing::TestWithParam<EqualCase> {};

TEST_P(TermsEqual, FoldsLetterCaseButNotAccents)
{
    const EqualCase& c = GetParam();
    EXPECT_EQ(termsEqual(c.a, c.b), c.equal);
    EXPECT_EQ(termsEqual(c.b, c.a), c.equal) << "comparison must be symmetric";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TermsEqual,
    testing::Values(EqualCase{"lower", u"csn", u"CSN", true}, EqualCase{"mixed", u"Csn", u"CSN", true},
                    EqualCase{"same", u"CSN", u"CSN", true},
                    EqualCase{"trailing_space", u"CSN ", u"CSN", false},
                    EqualCase{"leading_space", u" CSN", u"CSN", false},
                    EqualCase{"shorter", u"CS", u"CSN", false},
                    EqualCase{"empty_vs_term", u"", u"CSN", false}, EqualCase{"both_empty", u"", u"", true},
                    EqualCase{"accented_lower", u"átomo", u"ÁTOMO", true},
                    EqualCase{"accent_missing", u"ATOMO", u"ÁTOMO", false},
                    EqualCase{"accent_missing_lower", u"atomo", u"ÁTOMO", false},
                    EqualCase{"residuo_plain", u"RESIDUO RADIACTIVO", u"RESÍDUO RADIACTIVO", false},
                    EqualCase{"residuo_lower_accent", u"resíduo radiactivo", u"RESÍDUO RADIACTIVO", true},
                    EqualCase{"enye", u"ñ", u"Ñ", true}, EqualCase{"u_umlaut", u"ü", u"Ü", true},
                    EqualCase{"grave_vs_acute", u"à", u"Á", false},
                    EqualCase{"division_vs_multiplication", u"÷", u"×", false},
                    EqualCase{"division_sign_itself", u"÷", u"÷", true},
                    EqualCase{"sharp_s_has_no_capital", u"ß", u"SS", false},
                    EqualCase{"y_diaeresis_outside_latin1_capital", u"ÿ", u"Ÿ", false},
                    EqualCase{"greek_is_not_folded", u"α", u"Α", false},
                    EqualCase{"punctuation_counts", u"C.S.N", u"CSN", false},
                    EqualCase{"at_sign_vs_backquote", u"@", u"`", false},
                    EqualCase{"brackets_are_not_letters", u"[", u"{", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FoldCase, MapsExactlyTheLatin1SmallLettersToTheirCapitals)
{
    // Walk every UTF-16 code unit: only a-z and U+00E0..U+00FE without
    // U+00F7 move, each 32 places down; nothing else changes.
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const auto u = static_cast<char16_t>(c);
        const bool small = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
        EXPECT_EQ(foldCase(u), small ? static_cast<char16_t>(c - 32) : u) << "U+" << std::hex << unsigned(c);
    }
}

struct PrefixCase {
    const char* name;
    std::u16string_view text;
    int length;
    std::u16string_view prefix;
};

class Prefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(Prefix, TakesTheFirstCharactersOrAll)
{
    const PrefixCase& c = GetParam();
    EXPECT_EQ(utf8(prefixOf(c.text, c.length)), utf8(c.prefix));
}

INSTANTIATE_TEST_SUITE_P(Rows, Prefix,
                         testing::Values(PrefixCase{"longer_than_text", u"CAT", 10, u"CAT"},
                                         PrefixCase{"accented_first", u"ÁTOMO", 2, u"ÁT"},
                                         PrefixCase{"exact_length", u"CSN", 3, u"CSN"},
                                         PrefixCase{"one", u"CECOPAL", 1, u"C"},
                                         PrefixCase{"zero", u"CECOPAL", 0, u""},
                                         PrefixCase{"history_end", u"CSN", 101, u"CSN"},
                                         PrefixCase{"keeps_spaces", u"PLAN DE", 5, u"PLAN "}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RowCase {
    const char* name;
    std::u16string_view text;
    std::optional<int> row;
};

class RowOfTerm : public testing::TestWithParam<RowCase> {};

TEST_P(RowOfTerm, FindsTheOneEqualTerm)
{
    const RowCase& c = GetParam();
    EXPECT_EQ(rowOfTerm(c.text), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowOfTerm,
    testing::Values(RowCase{"first", u"abrs", 0}, RowCase{"last", u"zonas de planificación", 60},
                    RowCase{"accented", u"Átomo", 3},
                    RowCase{"residuo_with_accent", u"Resíduo Radiactivo", 51},
                    RowCase{"residuo_without_accent", u"residuo radiactivo", std::nullopt},
                    RowCase{"prefix_of_longer_term", u"CECO", std::nullopt},
                    RowCase{"shorter_of_two", u"cecop", 6}, RowCase{"longer_of_two", u"CECOPAL", 7},
                    RowCase{"space_matters", u"PLAN DE EMERGENCIA  INTERIOR", std::nullopt},
                    RowCase{"trailing_space", u"PENTA ", std::nullopt}, RowCase{"empty", u"", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct Utf8Case {
    const char* name;
    std::u16string_view text;
    std::string_view utf8;
};

class Utf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, EncodesEveryCodePointOnce)
{
    EXPECT_EQ(toUtf8(GetParam().text), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Utf8,
    testing::Values(Utf8Case{"ascii", u"CSN", "CSN"}, Utf8Case{"latin1", u"ÁTOMO ñ", "\xC3\x81TOMO \xC3\xB1"},
                    Utf8Case{"bmp", u"\u20AC", "\xE2\x82\xAC"},
                    Utf8Case{"pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
                    Utf8Case{"lone_high", std::u16string_view(u"\xD83Dx", 2), "\xEF\xBF\xBDx"},
                    Utf8Case{"lone_low_last", std::u16string_view(u"a\xDE00", 2), "a\xEF\xBF\xBD"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lexidor
