// SPDX-License-Identifier: MIT
// libFuzzer target: the input bytes are read as a sequence of user actions on
// the window logic (on the fake), and after every action the state the user
// can reach must be sound. Any violation aborts with a message.
//
// Each action is one opcode byte followed by its argument bytes (missing
// bytes at the end of the input read as 0):
//
//   op % 13  action                                   argument
//   0        type any UTF-16 unit (surrogate halves)  2 bytes, little-endian
//   1        type a Latin-1 character                 1 byte
//   2        type a letter, digit or space of a term  1 byte (index)
//   3        Backspace
//   4        Enter in the box
//   5        Shift
//   6        an arrow key                             1 byte (which)
//   7        any other key released, text unchanged   1 byte (key code)
//   8        click into the box
//   9        click on a row / double-click on a row   1 byte (bit 7: double)
//   10       Buscar
//   11       Enter in the list
//   12       one key released many times, text        1 byte (count), 1 byte (key:
//            unchanged (reaches the history's end)    Shift, Enter, Right, Caps Lock)

#include "Catalogue.h"
#include "FakeWindow.h"
#include "StateInvariants.h"
#include "TermCompare.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

namespace {

using namespace lexidor;

// Characters the terms are made of, so that short inputs reach long matches.
constexpr std::u16string_view kTermCharacters =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdeilmnoprstuzÁÉÍÓÚáéíóúÑñ 0123456789";

[[noreturn]] void violation(const char* what, int step)
{
    std::fprintf(stderr, "lexidor fuzz: %s (after action %d)\n", what, step);
    std::abort();
}

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

struct Session {
    test::FakeWindow w;
    FakeRuntime& rt = w.rt;
    FormEvents& events = w.events;
    const FrmLexidor& frm = w.form();
    int step = 0;
    bool everSelected = false;

    // A key released in the box after the user's action changed its text.
    void boxKey(int keyCode)
    {
        const int longitudBefore = frm.longitud();
        w.key(keyCode);
        afterKeyStep(keyCode, longitudBefore);
    }

    void afterKeyStep(int keyCode, int longitudBefore)
    {
        const bool ignoredBackspace = keyCode == vk::Back && longitudBefore <= 2;
        if (ignoredBackspace)
            return;
        // Every key step ends with the row it settled on selected.
        if (rt.selectedRow() != frm.indice())
            violation("a key step left the selection off intIndice", step);
        // A step that grew the prefix length found a row beginning with the text.
        if (keyCode != vk::Back && frm.longitud() == longitudBefore + 1 &&
            !termsEqual(prefixOf(rt.selectedText(), frm.longitud() - 1), rt.txtBuscar_Text()))
            violation("a matching step selected a row that does not begin with the text", step);
    }

    void typeChar(char16_t c)
    {
        const int before = frm.longitud();
        w.typeCharacter(std::u16string_view(&c, 1));
        afterKeyStep(vk::ofCharacter(c), before);
    }

    void act(Reader& in)
    {
        const int op = in.byte() % 13;
        switch (op) {
        case 0: {
            const auto lo = in.byte();
            const auto hi = in.byte();
            typeChar(static_cast<char16_t>(lo | (hi << 8)));
            break;
        }
        case 1:
            typeChar(static_cast<char16_t>(in.byte()));
            break;
        case 2:
            typeChar(kTermCharacters[in.byte() % kTermCharacters.size()]);
            break;
        case 3:
            rt.userBackspace();
            boxKey(vk::Back);
            break;
        case 4:
            boxKey(vk::Return);
            break;
        case 5:
            boxKey(vk::Shift);
            break;
        case 6:
            boxKey(vk::Left + in.byte() % 4);
            break;
        case 7: {
            // Backspace and Enter have their own actions; this is every
            // other key, including codes no keyboard sends.
            const int code = in.byte();
            if (code != vk::Back)
                boxKey(code);
            break;
        }
        case 8:
            w.clickBox();
            if (frm.indice() != 0 || frm.longitud() != 1)
                violation("a click into the box did not restart the search", step);
            break;
        case 9: {
            const int arg = in.byte();
            w.clickRow((arg & 0x7F) % kRowCount);
            if (arg & 0x80) {
                w.clickRow((arg & 0x7F) % kRowCount, MouseButton::Left, 2);
                if (rt.txtBuscar_Text() != rt.selectedText())
                    violation("a double-click did not copy the row into the box", step);
            }
            break;
        }
        case 10:
            w.clickBuscar();
            break;
        case 11:
            w.listKey(vk::Return);
            break;
        case 12: {
            const int count = in.byte();
            constexpr int keys[] = {vk::Shift, vk::Return, vk::Right, vk::Capital};
            const int key = keys[in.byte() % 4];
            for (int i = 0; i < count; ++i) {
                boxKey(key);
                check();
            }
            break;
        }
        default:
            break;
        }
    }

    void check()
    {
        const int row = rt.selectedRow();
        const std::u16string rowText = rt.selectedText();
        const std::string problem =
            test::stateProblem({frm.indice(), frm.longitud(), row, row >= 0 ? 1 : 0, rowText, rt.caption(),
                                rt.topRow(), events.list().rowsRefused()});
        if (!problem.empty())
            violation(problem.c_str(), step);
        if (row >= 0)
            everSelected = true;
        else if (everSelected)
            violation("the list lost its selection", step);
        if (rt.ended())
            violation("the program ended without Cerrar", step);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Session s;
    s.check();
    Reader in(data, size);
    try {
        while (!in.done()) {
            ++s.step;
            s.act(in);
            s.check();
        }
    } catch (const std::exception& ex) {
        // The fake throws when the logic touches a row outside the list.
        std::fprintf(stderr, "lexidor fuzz: %s (action %d)\n", ex.what(), s.step);
        std::abort();
    }
    return 0;
}
