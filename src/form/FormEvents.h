// SPDX-License-Identifier: MIT
#pragma once

// The forms runtime's own rules, written once for every toolkit. An adaptor
// reports what its toolkit saw, as it saw it (a key pressed or released on a
// control, a mouse button pressed, released or pressed twice, the list
// scrolled or resized, the window activated or gone), and this class decides
// what it means:
// - Activate belongs to the window's first activation only; once the program
//   has ended, nothing more happens;
// - a Click of the box is the left button pressed in it and released inside
//   it, unless that press was the second of a double-click;
// - a DblClick of the list is the left button's second press on a row;
// - only the left button selects a row; any press on the list focuses it;
// - the middle button pastes nothing into the box;
// - Tab and Shift+Tab (no Ctrl, Alt or Meta) walk the tab order round the
//   end, and arriving in the box by Tab selects its text;
// - Alt and the menu's access key choose the menu item;
// - the list's keys (arrows, Page Up/Down, Home/End, Space, a letter) move
//   its selection as a classic list box does; Enter on "Buscar" presses
//   nothing;
// - text that reaches the box with no key released in it steps the list as
//   the keys that would have typed it;
// - the list box is kept here (ListBox), and at the end of each event the
//   adaptor is told once what it shows.

#include "FrmLexidor.h"
#include "ListBox.h"

#include <optional>
#include <string>

namespace lexidor {

enum class MouseButton { Left, Right, Middle, Other };

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool meta = false;
};

// What the toolkit does with the input it reported: its own handling
// (typing, caret, a button's press), or nothing, because the form has done
// all there is to do.
enum class Reaction { Native, Handled };

class FormEvents {
public:
    explicit FormEvents(FormRuntime& runtime);

    const FrmLexidor& form() const { return frm_; }
    const ListBox& list() const { return lstLista_; }
    bool hasEnded() const { return ended_; }
    // What the adaptor was last told to draw of the list; inside
    // FormRuntime::lstLista_Show, the outcome before the new one.
    int drawnRow() const { return shownRow_; }

    // The window exists with its controls; it is not shown yet.
    void created();
    // The window became the active window.
    void activated();
    // The window went away (End, its close control, or its owner). True the
    // first time only: the adaptor then tells the program that it has ended.
    bool closed();

    // A key pressed on a control: its code (KeyCodes.h), the modifiers held,
    // and the character it types, if any (0 for none).
    Reaction keyPressed(Control on, int keyCode, Modifiers modifiers, char32_t typed = 0);
    // A key released on the control that has the focus by then; held keys'
    // repeats are not releases.
    void keyReleased(Control on, int keyCode);
    // The box's text changed and no key release will follow: a word from an
    // input method (a tapped suggestion, dictation), or an editing command
    // chosen without its keys (a paste from a menu). `shortcut` is the
    // letter key of that command's Ctrl shortcut (V for a paste), whose
    // releases, the letter's and then Ctrl's, step the list as on a
    // keyboard; vk::None for text that typing would have given, which steps
    // the list as that typing would: one Backspace per character removed,
    // or the new characters typed one by one over the old ones.
    void boxTextArrived(int shortcut);

    // A mouse button pressed on a control: on the list, the row under the
    // pointer (-1 below the last row); `count` is the toolkit's count of
    // presses in quick succession (2 for the second of a double-click).
    Reaction buttonPressed(Control on, MouseButton button, int row, int count);
    // A mouse button released, reported to the control it was pressed on;
    // `inside` when the pointer is still over that control.
    // What the toolkit does with it is the form's to say, as for the press;
    // a toolkit that acts on the press only may leave the release be.
    Reaction buttonReleased(Control on, MouseButton button, bool inside);

    // The push button pressed (by mouse, or by Space while it has the focus),
    // and the menu item chosen (by mouse or by its access key).
    void buscarClicked();
    void cerrarChosen();

    // The user scrolled the list itself (the wheel, the scroll bar): its top
    // row now.
    void listScrolled(int topRow);
    // The list's inner height in pixels and its rows' height, as laid out
    // (a new resolution, a phone turned).
    void listResized(double innerHeight, double rowHeight);

private:
    // After every handler: the list's outcome to the adaptor, if it changed,
    // and the box's text as the event left it.
    void showList();
    // The user moved the list's selection to `row` (a click, a key).
    void userSelects(int row);
    Reaction listKeyPressed(int keyCode, char32_t typed);

    // The toolkit as the handlers see it: the box shows `typing` instead of
    // its text while text that arrived without keys is typed anew.
    class Retyping final : public FormRuntime {
    public:
        explicit Retyping(FormRuntime& rt) : rt_(rt) {}
        std::optional<std::u16string> typing;

        std::u16string txtBuscar_Text() const override { return typing ? *typing : rt_.txtBuscar_Text(); }
        void txtBuscar_SetText(std::u16string_view text) override { rt_.txtBuscar_SetText(text); }
        void txtBuscar_SetFocus() override { rt_.txtBuscar_SetFocus(); }
        void Control_SetFocus(Control c, bool selectText) override { rt_.Control_SetFocus(c, selectText); }
        void lstLista_Show(int selectedRow, int topRow) override { rt_.lstLista_Show(selectedRow, topRow); }
        void lblDescripcion_SetCaption(std::u16string_view caption) override
        {
            rt_.lblDescripcion_SetCaption(caption);
        }
        void Announce(std::u16string_view text) override { rt_.Announce(text); }
        std::u16string App_Path() const override { return rt_.App_Path(); }
        void ChDir(std::u16string_view dir) override { rt_.ChDir(dir); }
        void End() override { rt_.End(); }

    private:
        FormRuntime& rt_;
    };

    FormRuntime& rt_;
    Retyping retyping_{rt_};
    ListBox lstLista_;
    FrmLexidor frm_;
    int shownRow_ = -1;
    int shownTop_ = 0;
    bool activated_ = false;
    bool ended_ = false;
    // The left button went down in the box, and that press was not the
    // second of a double-click: its release inside the box is a Click.
    bool boxClickPending_ = false;
    std::u16string boxText_;
};

} // namespace lexidor
