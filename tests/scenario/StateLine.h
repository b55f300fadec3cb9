// SPDX-License-Identifier: MIT
#pragma once

// The scenario drivers' output, shared by the Qt and the Win32 driver so that
// both print the same bytes for the same state.

#include "Utf8.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace lexidor::scenario {

// A JSON string: quotes, backslashes and control characters escaped; lone
// surrogates as \uDXXX; everything else as UTF-8.
inline std::string jsonString(std::u16string_view text)
{
    auto high = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    auto low = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        char escaped[8];
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 ||
                   ((high(c) || low(c)) && !(high(c) && i + 1 < text.size() && low(text[i + 1])))) {
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        } else if (high(c)) {
            out += toUtf8(text.substr(i, 2));
            ++i;
        } else {
            out += toUtf8(text.substr(i, 1));
        }
    }
    return out + "\"";
}

struct State {
    std::u16string text;
    int row;
    std::u16string caption;
    int indice;
    int longitud;
    std::u16string focus;
};

// One state line, with its newline.
inline std::string stateLine(const State& s)
{
    return "{\"text\":" + jsonString(s.text) + ",\"row\":" + std::to_string(s.row) +
           ",\"caption\":" + jsonString(s.caption) + ",\"intIndice\":" + std::to_string(s.indice) +
           ",\"intLongitud\":" + std::to_string(s.longitud) + ",\"focus\":" + jsonString(s.focus) + "}\n";
}

// The line for a command the driver cannot read, with its newline.
inline std::string errorLine(std::u16string_view message)
{
    return "{\"error\":" + jsonString(message) + "}\n";
}

} // namespace lexidor::scenario
