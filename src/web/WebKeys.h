// SPDX-License-Identifier: MIT
#pragma once

// Keys as a browser reports them (KeyboardEvent.key and .code, and the
// input events of the box) turned into the codes KeyUp expects, through the
// one table every toolkit uses (KeyCodes.h).
//
// Phone keyboards report a key-up with key "Unidentified" and keyCode 229:
// the key is then read from the input event that came just before it (a
// character typed, a character deleted), so the type-ahead follows a phone
// user's typing as it follows a keyboard's. An input event while no key is
// down (dictation, a tapped suggestion, a paste from a menu) has no release
// to wait for: the adaptor reports it at once (FormEvents::boxTextArrived).

#include "KeyCodes.h"
#include "Utf16.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace lexidor::web {

// An ASCII name (a key's name, an input type) as the narrow string the key
// table uses; anything else gives an empty name.
inline std::string asciiName(std::u16string_view s)
{
    std::string out;
    for (const char16_t c : s) {
        if (c < 0x20 || c > 0x7E)
            return {};
        out += static_cast<char>(c);
    }
    return out;
}

// The character `s` holds when it holds exactly one (one unit, or a
// surrogate pair), else nothing.
inline std::optional<char32_t> singleCharacter(std::u16string_view s)
{
    if (s.empty() || unitsAt(s, 0) != s.size())
        return std::nullopt;
    if (s.size() == 2)
        return 0x10000 + ((static_cast<char32_t>(s[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(s[1]) - 0xDC00);
    return s[0];
}

// The code of a key the browser named: a character by the key that types
// it (a keypad digit by the keypad's key), anything else by its name. With
// Alt held, a letter key by its place (Option+C types "ç" on a Mac).
inline int codeOfKey(std::u16string_view key, std::u16string_view code, bool altHeld = false)
{
    if (altHeld && code.size() == 4 && code.substr(0, 3) == u"Key" && code[3] >= u'A' && code[3] <= u'Z')
        return vk::KeyA + (code[3] - u'A');
    if (const auto c = singleCharacter(key))
        return code.substr(0, 6) == u"Numpad" ? vk::ofKeypadCharacter(*c) : vk::ofCharacter(*c);
    return vk::ofName(asciiName(key));
}

// The key of the Ctrl shortcut that does what an input event of this type
// did without keys (V for a paste from a menu), as FormEvents::boxTextArrived
// takes it; vk::None for text that typing gives.
inline int shortcutOf(std::u16string_view inputType)
{
    const std::string type = asciiName(inputType);
    const char letter = type == "insertFromPaste" ? 'V'
                        : type == "deleteByCut"   ? 'X'
                        : type == "historyUndo"   ? 'Z'
                        : type == "historyRedo"   ? 'Y'
                                                  : 0;
    return letter != 0 ? vk::ofCharacter(static_cast<char32_t>(letter)) : vk::None;
}

class KeyReader {
public:
    // A key pressed or released anywhere on the page: the input events
    // between a press and the next release come from the keyboard.
    void keyEvent(bool down) { keyDown_ = down; }

    // An input event in the box: its inputType and data. False when it came
    // with no key down, so that no release will say which key it was.
    bool input(std::u16string_view type, std::u16string_view data)
    {
        type_ = asciiName(type);
        lastCharacter_.clear();
        if (!data.empty())
            lastCharacter_ = data.substr(data.size() - unitsBefore(data, data.size()));
        pending_ = keyDown_;
        return keyDown_;
    }

    // A key released: its code, from the key's name, or from the input it
    // caused where the browser could not name the key.
    int released(std::u16string_view key, std::u16string_view code, int legacyKeyCode)
    {
        const bool pending = std::exchange(pending_, false);
        const bool unnamed = key.empty() || key == u"Unidentified" || key == u"Process";
        if (legacyKeyCode != kComposing && !unnamed)
            return codeOfKey(key, code);
        if (!pending)
            return unnamed ? vk::None : codeOfKey(key, code);
        const std::string_view type = type_;
        if (type.starts_with("delete"))
            return type.ends_with("Backward") ? vk::Back : vk::Delete;
        if (type == "insertLineBreak" || type == "insertParagraph")
            return vk::Return;
        if (type.starts_with("insert") && !lastCharacter_.empty())
            return codeOfKey(lastCharacter_, u"");
        return vk::None;
    }

private:
    // The keyCode of a key-up whose key an input method took.
    static constexpr int kComposing = 229;

    std::string type_;
    std::u16string lastCharacter_;
    bool pending_ = false;
    bool keyDown_ = false;
};

} // namespace lexidor::web
