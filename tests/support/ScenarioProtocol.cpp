// SPDX-License-Identifier: MIT
#include "ScenarioProtocol.h"

#include "Utf8.h"

#include <array>
#include <utility>

namespace lexidor::scenario {

std::string jsonString(std::u16string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool pair = unitsAt(text, i) == 2;
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || ((isHighSurrogate(c) || isLowSurrogate(c)) && !pair)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += toUtf8(text.substr(i, pair ? 2 : 1));
            i += pair ? 1 : 0;
        }
    }
    return out + "\"";
}

std::string stateLine(const State& s)
{
    return "{\"text\":" + jsonString(s.text) + ",\"row\":" + std::to_string(s.row) +
           ",\"top\":" + std::to_string(s.top) + ",\"caption\":" + jsonString(s.caption) +
           ",\"intIndice\":" + std::to_string(s.indice) + ",\"intLongitud\":" + std::to_string(s.longitud) +
           ",\"focus\":" + jsonString(s.focus) + "}\n";
}

std::string errorLine(std::u16string_view message)
{
    return "{\"error\":" + jsonString(message) + "}\n";
}

namespace {

template <typename Key, std::size_t N>
std::optional<Key> keyNamed(const std::array<std::pair<std::string_view, Key>, N>& keys,
                            std::string_view name)
{
    for (const auto& [keyName, key] : keys) {
        if (keyName == name)
            return key;
    }
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, BoxKey>, 10> kBoxKeys{{
    {"Enter", BoxKey::Enter},
    {"KeypadEnter", BoxKey::KeypadEnter},
    {"Backspace", BoxKey::Backspace},
    {"Shift", BoxKey::Shift},
    {"Left", BoxKey::Left},
    {"Right", BoxKey::Right},
    {"Home", BoxKey::Home},
    {"End", BoxKey::End},
    {"Delete", BoxKey::Delete},
    {"CapsLock", BoxKey::CapsLock},
}};

constexpr std::array<std::pair<std::string_view, ListKey>, 6> kListKeys{{
    {"Enter", ListKey::Enter},
    {"Space", ListKey::Space},
    {"Up", ListKey::Up},
    {"Down", ListKey::Down},
    {"Home", ListKey::Home},
    {"End", ListKey::End},
}};

std::optional<int> rowNumber(std::string_view text, int rows)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int row = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        row = row * 10 + (c - '0');
    }
    return row < rows ? std::optional<int>(row) : std::nullopt;
}

void write(std::FILE* out, std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), out);
    std::fflush(out);
}

bool readLine(std::FILE* in, std::string& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(in)) != EOF) {
        if (c == '\n')
            break;
        line += static_cast<char>(c);
    }
    if (c == EOF && line.empty())
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

} // namespace

Line parse(std::string_view line, int rows)
{
    if (line.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos || line.front() == '#')
        return std::monostate{};

    const std::size_t space = line.find(' ');
    const std::string_view command = line.substr(0, space);
    const std::string_view argument =
        space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);

    if (command == "type" && space != std::string_view::npos)
        return Command{Type{fromUtf8(argument)}};
    if (command == "key") {
        if (const auto key = keyNamed(kBoxKeys, argument))
            return Command{PressBoxKey{*key}};
    }
    if (command == "listkey") {
        if (const auto key = keyNamed(kListKeys, argument))
            return Command{PressListKey{*key}};
    }
    if (line == "release Alt")
        return Command{ReleaseAlt{}};
    if (line == "click box")
        return Command{ClickBox{}};
    if (line == "click buscar")
        return Command{ClickBuscar{}};
    if (line == "dblclick below")
        return Command{DoubleClickBelowRows{}};
    if (command == "select" || command == "dblclick") {
        if (const auto row = rowNumber(argument, rows)) {
            if (command == "select")
                return Command{SelectRow{*row}};
            return Command{DoubleClickRow{*row}};
        }
    }
    if (line == "tab" || line == "shift+tab")
        return Command{Tab{line == "shift+tab"}};
    if (line == "activate")
        return Command{Activate{}};
    if (line == "restart")
        return Command{Restart{}};
    if (line == "alt+c")
        return Command{EndProgram{EndProgram::AccessKey}};
    if (line == "click cerrar")
        return Command{EndProgram{EndProgram::MenuClick}};
    if (line == "close")
        return Command{EndProgram{EndProgram::CloseControl}};
    return Unreadable{"cannot read"};
}

int run(std::FILE* in, std::FILE* out, Target& target)
{
    write(out, stateLine(target.state()));
    std::string line;
    for (int lineNumber = 1; readLine(in, line); ++lineNumber) {
        const Line parsed = parse(line, target.rows());
        if (std::holds_alternative<std::monostate>(parsed))
            continue;
        auto fail = [&](const std::string& why) {
            write(out, errorLine(fromUtf8("line " + std::to_string(lineNumber) + ": " + why + ": " + line)));
            return 2;
        };
        if (const auto* unreadable = std::get_if<Unreadable>(&parsed))
            return fail(unreadable->why);

        const Command& command = std::get<Command>(parsed);
        if (const auto* type = std::get_if<Type>(&command)) {
            forEachCharacter(type->text, [&](std::u16string_view character) {
                target.typeCharacter(character);
                return !target.ended();
            });
        } else {
            target.act(command);
        }

        if (std::holds_alternative<EndProgram>(command) && !target.ended())
            return fail("the program did not end");
        if (target.ended()) {
            write(out, kEndedLine);
            return 0;
        }
        write(out, stateLine(target.state()));
    }
    return 0;
}

} // namespace lexidor::scenario
