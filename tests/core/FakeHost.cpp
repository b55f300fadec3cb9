// SPDX-License-Identifier: MIT
// lexidor-fake-host: the window logic on the in-memory fake toolkit as
// tests/drive's target "fake" (tests/hosts/fake.py). A servant of one line
// in, one line out, as the Windows host's is:
//
//   start           a fresh window, as at program start
//   stop            nothing to close: the window is dropped at the next start
//   type TEXT       each character of TEXT (UTF-8) typed into the box
//   insert TEXT     TEXT put into the box with no key event
//   act COMMAND     one scenario command other than type, insert and restart
//   state           {"text":...,"row":...,"top":...,"caption":...,"intIndice":...,
//                    "intLongitud":...,"focus":...,"said":...}
//
// Each answer is "ok", "ended", a state, or "error WHY". The user's side of
// each gesture changes the fake controls first, then the toolkit's events
// reach the form, as on a real toolkit. The fake draws nothing and tells no
// screen reader anything: it is the one target that sees the type-ahead
// state.

#include "Catalogue.h"
#include "FakeWindow.h"
#include "FormDescription.h"
#include "Utf8.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace lexidor {
namespace {

using test::FakeWindow;
using Focus = FakeRuntime::Focus;

// The focused control's name, from the form's table ("" for none).
std::u16string focusName(Focus focus)
{
    constexpr std::pair<Focus, Control> focusable[] = {{Focus::txtBuscar, Control::txtBuscar},
                                                       {Focus::lstLista, Control::lstLista},
                                                       {Focus::cmdBuscar, Control::cmdBuscar}};
    for (const auto& [f, control] : focusable) {
        if (f == focus)
            return fromUtf8(kFrmLexidor[control].name);
    }
    return u"";
}

class Host {
public:
    std::string answer(const std::string& line)
    {
        if (line == "start") {
            w_ = std::make_unique<FakeWindow>();
            heard_ = 0;
            return "ok";
        }
        if (line == "stop")
            return "ok";
        if (!w_)
            return "error no window: start first";
        if (line == "state")
            return w_->events.hasEnded() ? "ended" : state();
        if (line.starts_with("type ")) {
            const std::u16string text = fromUtf8(std::string_view(line).substr(5));
            for (std::size_t i = 0; i < text.size() && !w_->events.hasEnded(); i += unitsAt(text, i))
                w_->typeCharacter(std::u16string_view(text).substr(i, unitsAt(text, i)));
        } else if (line.starts_with("insert ")) {
            w_->insert(fromUtf8(std::string_view(line).substr(7)));
        } else if (line.starts_with("act ")) {
            if (!act(std::string_view(line).substr(4)))
                return "error cannot do: " + line;
        } else {
            return "error cannot read: " + line;
        }
        return w_->events.hasEnded() ? "ended" : "ok";
    }

private:
    std::string state()
    {
        // The announcements made since the last state; the last one is heard.
        const auto& announced = w_->rt.announcements();
        const std::u16string said = announced.size() > heard_ ? announced.back() : u"";
        heard_ = announced.size();
        return "{\"text\":" + jsonString(w_->rt.txtBuscar_Text()) +
               ",\"row\":" + std::to_string(w_->rt.selectedRow()) +
               ",\"top\":" + std::to_string(w_->rt.topRow()) +
               ",\"caption\":" + jsonString(w_->rt.caption()) +
               ",\"intIndice\":" + std::to_string(w_->form().indice()) +
               ",\"intLongitud\":" + std::to_string(w_->form().longitud()) +
               ",\"focus\":" + jsonString(focusName(w_->rt.focus())) + ",\"said\":" + jsonString(said) + "}";
    }

    bool boxKey(std::string_view name)
    {
        FakeRuntime& rt = w_->rt;
        if (name == "Enter" || name == "KeypadEnter")
            w_->key(vk::Return);
        else if (name == "Backspace")
            w_->backspace();
        else if (name == "Shift")
            w_->key(vk::Shift);
        else if (name == "CapsLock")
            w_->key(vk::Capital);
        else if (name == "Left" || name == "Right")
            (rt.userMovesCaret(name == "Left" ? -1 : 1), w_->key(name == "Left" ? vk::Left : vk::Right));
        else if (name == "Home" || name == "End")
            (rt.userMovesCaretTo(name == "End"), w_->key(name == "End" ? vk::End : vk::Home));
        else if (name == "Delete")
            (rt.userDeletes(), w_->key(vk::Delete));
        else
            return false;
        return true;
    }

    bool listKey(std::string_view name)
    {
        constexpr std::pair<std::string_view, int> keys[] = {
            {"Enter", vk::Return}, {"Space", vk::Space},   {"Up", vk::Up},     {"Down", vk::Down},
            {"PageUp", vk::Prior}, {"PageDown", vk::Next}, {"Home", vk::Home}, {"End", vk::End},
        };
        for (const auto& [keyName, code] : keys) {
            if (keyName == name)
                return w_->listKey(code), true;
        }
        // The key of a letter, unshifted: it types the small letter.
        if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
            return w_->listKey(vk::ofCharacter(static_cast<char16_t>(name[0])),
                               static_cast<char32_t>(name[0] - 'A' + 'a')),
                   true;
        return false;
    }

    bool act(std::string_view command)
    {
        const std::size_t space = command.find(' ');
        const std::string_view verb = command.substr(0, space);
        const std::string_view argument = space == std::string_view::npos ? "" : command.substr(space + 1);
        const int row = argument.empty() ||
                                argument.find_first_not_of("0123456789") != std::string_view::npos ||
                                argument.size() > 2
                            ? -1
                            : std::stoi(std::string(argument));
        if (verb == "key")
            return boxKey(argument);
        if (verb == "listkey")
            return listKey(argument);
        if (row >= 0 && row < kRowCount && (verb == "select" || verb == "rightclick" || verb == "dblclick")) {
            if (verb == "dblclick")
                w_->doubleClickRow(row);
            else
                w_->clickRow(row, verb == "rightclick" ? MouseButton::Right : MouseButton::Left);
            return true;
        }
        if (command == "release Alt")
            w_->events.keyReleased(Control::txtBuscar, vk::Menu);
        else if (command == "click box")
            w_->clickBox(MouseButton::Left);
        else if (command == "rightclick box")
            w_->clickBox(MouseButton::Right);
        else if (command == "middleclick box")
            w_->clickBox(MouseButton::Middle);
        else if (command == "drag box")
            w_->clickBox(MouseButton::Left, false);
        else if (command == "dblclick box")
            w_->doubleClickBox();
        else if (command == "enter on Buscar") {
            // Buscar takes the focus, then Enter is pressed and released there.
            w_->rt.userFocuses(Focus::cmdBuscar);
            w_->events.keyPressed(Control::cmdBuscar, vk::Return, {});
            w_->events.keyReleased(Control::cmdBuscar, vk::Return);
        } else if (command == "click buscar")
            w_->clickBuscar();
        else if (command == "dblclick below") {
            w_->scrollList(kRowCount - w_->events.list().visibleRows());
            w_->clickRow(-1);
            w_->clickRow(-1, MouseButton::Left, 2);
        } else if (command == "tab" || command == "shift+tab" || command == "ctrl+tab")
            w_->tab(command == "shift+tab", {false, command == "ctrl+tab", false, false});
        else if (command == "wheel down" || command == "wheel up") {
            // A notch: three rows, as far as the list goes.
            const ListBox& list = w_->events.list();
            const int last = std::max(0, kRowCount - list.visibleRows());
            w_->scrollList(std::clamp(list.topRow() + (command == "wheel down" ? 3 : -3), 0, last));
        } else if (command == "activate")
            w_->events.activated();
        else if (command == "alt+c" || command == "click cerrar")
            w_->events.cerrarChosen();
        else if (command == "close")
            w_->events.closed();
        else
            return false;
        return true;
    }

    std::unique_ptr<FakeWindow> w_;
    std::size_t heard_ = 0;
};

} // namespace
} // namespace lexidor

int main()
{
    std::ios::sync_with_stdio(false);
    lexidor::Host host;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::cout << host.answer(line) << '\n' << std::flush;
    }
    return 0;
}
