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
           ",\"focus\":" + jsonString(s.focus) + ",\"said\":" + jsonString(s.said) + "}\n";
}

std::string errorLine(std::u16string_view message)
{
    return "{\"error\":" + jsonString(message) + "}\n";
}

std::string unsupportedLine(std::u16string_view message)
{
    return "{\"unsupported\":" + jsonString(message) + "}\n";
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

constexpr std::array<std::pair<std::string_view, ListKey>, 8> kListKeys{{
    {"Enter", ListKey::Enter},
    {"Space", ListKey::Space},
    {"Up", ListKey::Up},
    {"Down", ListKey::Down},
    {"PageUp", ListKey::PageUp},
    {"PageDown", ListKey::PageDown},
    {"Home", ListKey::Home},
    {"End", ListKey::End},
}};

std::optional<int> number(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::optional<int> rowNumber(std::string_view text, int rows)
{
    const std::optional<int> row = number(text);
    return row && *row < rows ? row : std::nullopt;
}

std::optional<Command> command(std::string_view line, int rows)
{
    const std::size_t space = line.find(' ');
    const std::string_view name = line.substr(0, space);
    const std::string_view argument =
        space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);

    if (name == "key") {
        if (const auto key = keyNamed(kBoxKeys, argument))
            return PressBoxKey{*key};
    }
    if (name == "listkey") {
        if (const auto key = keyNamed(kListKeys, argument))
            return PressListKey{*key};
        if (argument.size() == 1 && argument[0] >= 'A' && argument[0] <= 'Z')
            return PressListKey{ListKey::Letter, argument[0]};
    }
    if (name == "select" || name == "rightclick" || name == "dblclick") {
        if (const auto row = rowNumber(argument, rows)) {
            if (name == "select")
                return SelectRow{*row};
            if (name == "rightclick")
                return SelectRow{*row, Button::Right};
            return DoubleClickRow{*row};
        }
    }
    static const std::pair<std::string_view, Command> kPlain[] = {
        {"release Alt", ReleaseAlt{}},
        {"click box", ClickBox{Button::Left}},
        {"rightclick box", ClickBox{Button::Right}},
        {"middleclick box", ClickBox{Button::Middle}},
        {"drag box", DragBox{}},
        {"dblclick box", DoubleClickBox{}},
        {"enter on Buscar", EnterOnBuscar{}},
        {"click buscar", ClickBuscar{}},
        {"dblclick below", DoubleClickBelowRows{}},
        {"tab", Tab{false}},
        {"shift+tab", Tab{true}},
        {"ctrl+tab", Tab{false, true}},
        {"activate", Activate{}},
        {"restart", Restart{}},
        {"alt+c", EndProgram{EndProgram::AccessKey}},
        {"click cerrar", EndProgram{EndProgram::MenuClick}},
        {"close", EndProgram{EndProgram::CloseControl}},
    };
    for (const auto& [text, plain] : kPlain) {
        if (text == line)
            return plain;
    }
    return std::nullopt;
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
    // Everything after "type " is the text, spaces and all.
    if (line.substr(0, 5) == "type ")
        return Step{Type{fromUtf8(line.substr(5))}, 1};
    if (line.substr(0, 7) == "insert ")
        return Step{Type{fromUtf8(line.substr(7)), false}, 1};

    // Any other command may end in a repeat count: "key Shift x100".
    int times = 1;
    const std::size_t last = line.rfind(' ');
    if (last != std::string_view::npos && line.substr(last + 1, 1) == "x") {
        if (const auto count = number(line.substr(last + 2)); count && *count > 0) {
            times = *count;
            line = line.substr(0, last);
        }
    }
    if (const auto c = command(line, rows))
        return Step{*c, times};
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
        const auto where = [&](const std::string& why) {
            return fromUtf8("line " + std::to_string(lineNumber) + ": " + why + ": " + line);
        };
        auto fail = [&](const std::string& why) {
            write(out, errorLine(where(why)));
            return 2;
        };
        if (const auto* unreadable = std::get_if<Unreadable>(&parsed))
            return fail(unreadable->why);

        const auto& [command, times] = std::get<Step>(parsed);
        for (int time = 0; time < times; ++time) {
            if (const auto* type = std::get_if<Type>(&command); type && !type->withKeys) {
                if (!target.insertText(type->text)) {
                    write(out, unsupportedLine(where("no input without keys here")));
                    return kUnsupportedStatus;
                }
            } else if (type) {
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
    }
    return 0;
}

} // namespace lexidor::scenario
