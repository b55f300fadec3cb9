// SPDX-License-Identifier: MIT
#pragma once

// Virtual-key codes as KeyUp reports them, and the one table that turns what
// a keyboard typed into a code. Every toolkit and every test driver takes
// its codes from here, so a key has the same code everywhere: a toolkit only
// says which key it saw (a character, or one of the named keys below).
// Letters are their capitals' codes (65..90), digits 48..57; a key that has
// no code reports 0. The punctuation keys are those of the Spanish layout.

#include <string_view>

namespace lexidor::vk {

inline constexpr int None = 0;
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18; // Alt
inline constexpr int Pause = 19;
inline constexpr int Capital = 20; // Caps Lock
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33; // Page Up
inline constexpr int Next = 34;  // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Snapshot = 44; // Print Screen
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Key0 = 48;
inline constexpr int KeyA = 65;
inline constexpr int LWin = 91;
inline constexpr int Apps = 93; // the context-menu key
inline constexpr int Numpad0 = 96;
inline constexpr int Multiply = 106; // keypad *
inline constexpr int Add = 107;      // keypad +
inline constexpr int Subtract = 109; // keypad -
inline constexpr int Decimal = 110;  // keypad .
inline constexpr int Divide = 111;   // keypad /
inline constexpr int F1 = 112;
inline constexpr int NumLock = 144;
inline constexpr int ScrollLock = 145;
// The OEM keys of the Spanish layout, by what they type unshifted.
inline constexpr int OemGrave = 186;       // ` (dead key), ^ shifted
inline constexpr int OemPlus = 187;        // +
inline constexpr int OemComma = 188;       // ,
inline constexpr int OemMinus = 189;       // -
inline constexpr int OemPeriod = 190;      // .
inline constexpr int OemCedilla = 191;     // ç
inline constexpr int OemNtilde = 192;      // ñ
inline constexpr int OemQuote = 219;       // '
inline constexpr int OemOrdinal = 220;     // º
inline constexpr int OemExclamation = 221; // ¡
inline constexpr int OemAcute = 222;       // ´ (dead key), ¨ shifted
inline constexpr int OemLess = 226;        // <

// The key that types `c` on a Spanish keyboard, unshifted or shifted. An
// accented vowel comes from its accent key followed by the letter's key:
// its KeyUp is the letter's. Characters no key types report 0.
constexpr int ofCharacter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return KeyA + static_cast<int>(c - U'a');
    if (c >= U'A' && c <= U'Z')
        return KeyA + static_cast<int>(c - U'A');
    if (c >= U'0' && c <= U'9')
        return Key0 + static_cast<int>(c - U'0');
    switch (c) {
    case U' ':
        return Space;
    case U'á':
    case U'Á':
    case U'à':
    case U'À':
    case U'ä':
    case U'Ä':
    case U'â':
    case U'Â':
        return KeyA;
    case U'é':
    case U'É':
    case U'è':
    case U'È':
    case U'ë':
    case U'Ë':
    case U'ê':
    case U'Ê':
        return KeyA + ('E' - 'A');
    case U'í':
    case U'Í':
    case U'ì':
    case U'Ì':
    case U'ï':
    case U'Ï':
    case U'î':
    case U'Î':
        return KeyA + ('I' - 'A');
    case U'ó':
    case U'Ó':
    case U'ò':
    case U'Ò':
    case U'ö':
    case U'Ö':
    case U'ô':
    case U'Ô':
        return KeyA + ('O' - 'A');
    case U'ú':
    case U'Ú':
    case U'ù':
    case U'Ù':
    case U'ü':
    case U'Ü':
    case U'û':
    case U'Û':
        return KeyA + ('U' - 'A');
    case U'ñ':
    case U'Ñ':
        return OemNtilde;
    case U'ç':
    case U'Ç':
        return OemCedilla;
    case U'+':
    case U'*':
        return OemPlus;
    case U',':
    case U';':
        return OemComma;
    case U'-':
    case U'_':
        return OemMinus;
    case U'.':
    case U':':
        return OemPeriod;
    case U'\'':
    case U'?':
        return OemQuote;
    case U'º':
    case U'ª':
        return OemOrdinal;
    case U'¡':
    case U'¿':
        return OemExclamation;
    case U'`':
    case U'^':
        return OemGrave;
    case U'´':
    case U'¨':
        return OemAcute;
    case U'<':
    case U'>':
        return OemLess;
    case U'!':
        return Key0 + 1;
    case U'"':
        return Key0 + 2;
    case U'·':
        return Key0 + 3;
    case U'$':
        return Key0 + 4;
    case U'%':
        return Key0 + 5;
    case U'&':
        return Key0 + 6;
    case U'/':
        return Key0 + 7;
    case U'(':
        return Key0 + 8;
    case U')':
        return Key0 + 9;
    case U'=':
        return Key0;
    default:
        return None;
    }
}

// The keypad's keys while Num Lock is on.
constexpr int ofKeypadCharacter(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return Numpad0 + static_cast<int>(c - U'0');
    switch (c) {
    case U'*':
        return Multiply;
    case U'+':
        return Add;
    case U'-':
        return Subtract;
    case U'.':
    case U',':
        return Decimal;
    case U'/':
        return Divide;
    default:
        return ofCharacter(c);
    }
}

// The keys that type no character, by the names the scenario files and the
// browser (KeyboardEvent.key) give them.
struct NamedKey {
    std::string_view name;
    int code;
};
inline constexpr NamedKey kNamedKeys[] = {
    {"Enter", Return},
    {"Backspace", Back},
    {"Tab", Tab},
    {"Shift", Shift},
    {"Control", Control},
    {"Alt", Menu},
    {"AltGraph", Menu},
    {"Pause", Pause},
    {"CapsLock", Capital},
    {"Escape", Escape},
    {"PageUp", Prior},
    {"PageDown", Next},
    {"End", End},
    {"Home", Home},
    {"ArrowLeft", Left},
    {"ArrowUp", Up},
    {"ArrowRight", Right},
    {"ArrowDown", Down},
    {"Left", Left},
    {"Up", Up},
    {"Right", Right},
    {"Down", Down},
    {"PrintScreen", Snapshot},
    {"Insert", Insert},
    {"Delete", Delete},
    {"Meta", LWin},
    {"ContextMenu", Apps},
    {"NumLock", NumLock},
    {"ScrollLock", ScrollLock},
};

// The code of a named key (F1 to F24 included), or 0.
constexpr int ofName(std::string_view name)
{
    for (const NamedKey& key : kNamedKeys) {
        if (key.name == name)
            return key.code;
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (const char digit : name.substr(1)) {
            if (digit < '0' || digit > '9')
                return None;
            n = n * 10 + (digit - '0');
        }
        if (n >= 1 && n <= 24)
            return F1 + n - 1;
    }
    return None;
}

} // namespace lexidor::vk
