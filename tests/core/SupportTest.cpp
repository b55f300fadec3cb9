// SPDX-License-Identifier: MIT
// The test support's own text handling: UTF-8 both ways at every encoding
// boundary, and the JSON strings of the scenario state lines.

#include "Utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace lexidor {
namespace {

struct Utf8Case {
    const char* name;
    std::u16string utf16;
    std::string utf8;
    bool roundTrip; // fromUtf8(utf8) gives utf16 back
};

void PrintTo(const Utf8Case& c, std::ostream* os)
{
    *os << c.name;
}

class Utf8Boundaries : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Boundaries, EncodeAndDecode)
{
    const Utf8Case& c = GetParam();
    EXPECT_EQ(toUtf8(c.utf16), c.utf8);
    if (c.roundTrip) {
        EXPECT_EQ(fromUtf8(c.utf8), c.utf16);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8Boundaries,
                         testing::Values(Utf8Case{"Empty", u"", "", true},
                                         Utf8Case{"LastOneByte", u"\u007F", "\x7F", true},
                                         Utf8Case{"FirstTwoBytes", u"\u0080", "\xC2\x80", true},
                                         Utf8Case{"AccentedCapital", u"\u00C1", "\xC3\x81", true},
                                         Utf8Case{"LastTwoBytes", u"\u07FF", "\xDF\xBF", true},
                                         Utf8Case{"FirstThreeBytes", u"\u0800", "\xE0\xA0\x80", true},
                                         Utf8Case{"LastThreeBytes", u"\uFFFF", "\xEF\xBF\xBF", true},
                                         Utf8Case{"FirstFourBytes", u"\U00010000", "\xF0\x90\x80\x80", true},
                                         Utf8Case{"LastCodePoint", u"\U0010FFFF", "\xF4\x8F\xBF\xBF", true},
                                         Utf8Case{"LoneHighAtTheEnd", std::u16string(u"a") + char16_t(0xD83D),
                                                  "a\xEF\xBF\xBD", false},
                                         Utf8Case{"LoneLowFirst", std::u16string(1, char16_t(0xDE00)) + u"a",
                                                  "\xEF\xBF\xBD"
                                                  "a",
                                                  false},
                                         Utf8Case{"HighThenLetter",
                                                  std::u16string(1, char16_t(0xD83D)) + u"a",
                                                  "\xEF\xBF\xBD"
                                                  "a",
                                                  false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DecodeCase {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Utf8Malformed : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Malformed, EachBadByteIsOneReplacement)
{
    EXPECT_EQ(fromUtf8(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Malformed,
    testing::Values(DecodeCase{"StrayContinuation",
                               "a\x80"
                               "b",
                               u"a\uFFFDb"},
                    DecodeCase{"TruncatedAtTheEnd", "a\xE0\xA0", u"a\uFFFD\uFFFD"},
                    DecodeCase{"Overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    DecodeCase{"EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                    DecodeCase{"PastTheLastCodePoint", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lexidor
