// SPDX-License-Identifier: MIT
// The browser's keys as the web edition reads them (src/web/WebKeys.h): the
// code a key release gets from its key name, or, where a phone keyboard says
// only keyCode 229, from the input event before it (never from one that came
// with no key down); and the rows the list's own keys move to. The golden files replay both key paths in
// Chromium.

#include "WebKeys.h"
#include "KeyCodes.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace lexidor {
namespace {

struct Release {
    const char* name;
    std::u16string_view inputType; // empty: no input event before the release
    std::u16string_view data;
    std::u16string_view key;
    std::u16string_view code;
    int keyCode;
    int expected;
    bool keyDown = true; // false: the input came with no key pressed
};

void PrintTo(const Release& r, std::ostream* os)
{
    *os << r.name;
}

class KeyRelease : public testing::TestWithParam<Release> {};

TEST_P(KeyRelease, HasTheCodeOfTheKeyTyped)
{
    const Release& r = GetParam();
    web::KeyReader keys;
    keys.keyEvent(r.keyDown);
    // An input with no key down is the adaptor's to report at once.
    if (!r.inputType.empty()) {
        EXPECT_EQ(keys.input(r.inputType, r.data), r.keyDown);
    }
    keys.keyEvent(false);
    EXPECT_EQ(keys.released(r.key, r.code, r.keyCode), r.expected);
    // The input counts for one release only.
    EXPECT_EQ(keys.released(u"Unidentified", u"", 229), vk::None);
}

INSTANTIATE_TEST_SUITE_P(
    Browser, KeyRelease,
    testing::Values(
        Release{"Letter", u"insertText", u"c", u"c", u"KeyC", 67, 67},
        Release{"CapitalLetter", {}, {}, u"C", u"KeyC", 67, 67},
        Release{"AccentedLetter", u"insertText", u"á", u"á", u"KeyA", 0, vk::KeyA},
        Release{"NTilde", {}, {}, u"ñ", u"Semicolon", 192, vk::OemNtilde},
        Release{"DeadKeyBeforeItsLetter", {}, {}, u"Dead", u"BracketLeft", 222, vk::None},
        Release{"KeypadDigit", {}, {}, u"7", u"Numpad7", 103, vk::Numpad0 + 7},
        Release{"Enter", {}, {}, u"Enter", u"Enter", 13, vk::Return},
        Release{"Backspace", u"deleteContentBackward", {}, u"Backspace", u"Backspace", 8, vk::Back},
        Release{"Emoji", u"insertText", u"\U0001F600", u"\U0001F600", u"", 0, vk::None},
        Release{"PhoneLetter", u"insertText", u"c", u"Unidentified", u"", 229, 67},
        Release{"PhoneAccentedLetter", u"insertText", u"é", u"Unidentified", u"", 229, vk::KeyA + 4},
        Release{"PhoneWordBeingComposed", u"insertCompositionText", u"csn", u"Unidentified", u"", 229,
                vk::KeyA + 13},
        Release{"PhoneBackspace", u"deleteContentBackward", {}, u"Unidentified", u"", 229, vk::Back},
        Release{"PhoneWordDeleted", u"deleteWordBackward", {}, u"Unidentified", u"", 229, vk::Back},
        Release{"PhoneDelete", u"deleteContentForward", {}, u"Unidentified", u"", 229, vk::Delete},
        Release{"PhoneEnterAsInput", u"insertLineBreak", {}, u"Unidentified", u"", 229, vk::Return},
        Release{"PhoneKeyWithoutInput", {}, {}, u"Unidentified", u"", 229, vk::None},
        Release{"DictationIsNoKey", u"insertText", u"csn", u"Unidentified", u"", 229, vk::None, false},
        Release{"SuggestionIsNoKey", u"insertReplacementText", u"planes", u"Unidentified", u"", 229, vk::None,
                false},
        Release{"ComposingKeyNamedAnyway", {}, {}, u"a", u"KeyA", 229, vk::KeyA}));

} // namespace
} // namespace lexidor
