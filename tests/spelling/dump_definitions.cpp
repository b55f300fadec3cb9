// SPDX-License-Identifier: MIT
// Writes every glossary definition to standard output in UTF-8, one per line
// and in list order, for tools that read text rather than UTF-16 (the
// spelling check feeds this output to hunspell).

#include "Catalogue.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A surrogate without its partner becomes U+FFFD, so the output is always
// valid UTF-8.
std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t high = c - 0xD800u;
            const char32_t low = text[i + 1] - 0xDC00u;
            appendUtf8(out, 0x10000 + ((high << 10) | low));
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

} // namespace

int main()
{
    for (const lexidor::Entry& entry : lexidor::kCatalogue) {
        std::string line = toUtf8(entry.definition);
        line += '\n';
        if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size())
            return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
