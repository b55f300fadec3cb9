// SPDX-License-Identifier: MIT
#pragma once

// The scenario protocol (tests/scenarios/README.md), shared by every driver:
// reading a command line, the state line, the error and end lines, and the
// loop that runs a scenario. A driver only says how its toolkit performs
// each user action (Target) and what the window shows (State).

#include "Utf8.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace lexidor::scenario {

struct State {
    std::u16string text;
    int row; // selected, -1 for none
    int top; // the first row the list shows, read from the list itself
    std::u16string caption;
    int indice;
    int longitud;
    std::u16string focus;
    // What a screen reader was told since the previous line: the last text
    // announced, empty when nothing was.
    std::u16string said;
};

// A JSON string: quotes, backslashes and control characters escaped; lone
// surrogates as \uDXXX; everything else as UTF-8.
std::string jsonString(std::u16string_view text);
// One state line, with its newline.
std::string stateLine(const State& state);
// The line for a command the driver cannot carry out, with its newline.
std::string errorLine(std::u16string_view message);
// The line for a command the driver's toolkit cannot produce, with its
// newline; the driver then exits with kUnsupportedStatus.
std::string unsupportedLine(std::u16string_view message);
inline constexpr std::string_view kEndedLine = "{\"ended\":true}\n";
inline constexpr int kUnsupportedStatus = 77;

enum class BoxKey { Enter, KeypadEnter, Backspace, Shift, Left, Right, Home, End, Delete, CapsLock };
enum class ListKey { Enter, Space, Up, Down, PageUp, PageDown, Home, End, Letter };

struct Type {
    std::u16string text;
    // false: the whole text put in at once with no key event ("insert").
    bool withKeys = true;
};
struct PressBoxKey {
    BoxKey key;
};
struct PressListKey {
    ListKey key;
    char letter = 0; // for Letter: the key of that letter, A to Z (typed without Shift)
};
struct ReleaseAlt {}; // only the release reaches the box, as after Alt+Tab back
enum class Button { Left, Right, Middle };
struct ClickBox {
    Button button;
};
struct DragBox {};        // pressed in the box, released outside it
struct DoubleClickBox {}; // press, release, the double-click press, release
struct EnterOnBuscar {};  // Enter pressed and released with the focus on Buscar
struct ClickBuscar {};
struct SelectRow {
    int row;
    Button button = Button::Left; // a right click on a row selects nothing
};
struct DoubleClickRow {
    int row;
};
struct DoubleClickBelowRows {};
struct Tab {
    bool backwards;
    bool ctrl = false; // Ctrl+Tab, which moves nothing
};
struct Activate {};
struct Restart {};
struct EndProgram {
    enum How { AccessKey, MenuClick, CloseControl } how; // Alt+C, a click on Cerrar, the close control
};

using Command = std::variant<Type, PressBoxKey, PressListKey, ReleaseAlt, ClickBox, DragBox, DoubleClickBox,
                             EnterOnBuscar, ClickBuscar, SelectRow, DoubleClickRow, DoubleClickBelowRows, Tab,
                             Activate, Restart, EndProgram>;

// What one line holds: nothing (blank or a comment), a command with how
// many times to carry it out, or the reason it cannot be read.
struct Step {
    Command command;
    int times;
};
struct Unreadable {
    std::string why;
};
using Line = std::variant<std::monostate, Step, Unreadable>;
Line parse(std::string_view line, int rows);

// The characters of a text one by one: a surrogate pair is one character.
template <typename F> void forEachCharacter(std::u16string_view text, F&& f)
{
    for (std::size_t i = 0; i < text.size(); i += unitsAt(text, i)) {
        if (!f(text.substr(i, unitsAt(text, i))))
            return;
    }
}

// A window a driver can act on as a user would.
class Target {
public:
    virtual ~Target() = default;
    virtual int rows() const = 0;
    // What the window shows now, and what was said since the last call.
    virtual State state() = 0;
    virtual bool ended() const = 0;
    // One character (one UTF-16 unit, or a surrogate pair): press, the
    // character inserted at the caret, release.
    virtual void typeCharacter(std::u16string_view character) = 0;
    // Text put into the box at the caret as one input with no key event, as
    // dictation or a tapped suggestion puts it; false where the toolkit has
    // no such input of its own to send.
    virtual bool insertText(std::u16string_view) { return false; }
    virtual void act(const Command& command) = 0;
};

// Runs the scenario read from `in` on `target`, writing the start state and
// one line after each command to `out`; returns the driver's exit status.
int run(std::FILE* in, std::FILE* out, Target& target);

} // namespace lexidor::scenario
