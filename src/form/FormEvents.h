// SPDX-License-Identifier: MIT
#pragma once

// The forms runtime's own rules, written once for every toolkit. An adaptor
// reports what its toolkit saw (a key released, a mouse button released in
// the box, the window activated or gone, the user moving the list) and this
// class decides which handler of FrmLexidor, if any, runs:
// - Activate belongs to the window's first activation only;
// - once the program has ended, no handler runs;
// - one Click per click: only the left button, released inside the box, and
//   not the release that ends a double-click;
// - a double-click in the list is a DblClick only on a row;
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

class FormEvents {
public:
    explicit FormEvents(FormRuntime& runtime);

    const FrmLexidor& form() const { return frm_; }
    const ListBox& list() const { return lstLista_; }
    bool hasEnded() const { return ended_; }

    // The window exists with its controls; it is not shown yet.
    void created();
    // The window became the active window.
    void activated();
    // The window went away (End, its close control, or its owner). True the
    // first time only: the adaptor then tells the program that it has ended.
    bool closed();

    void boxKeyReleased(int keyCode);
    // The box's text changed and no key release will follow: a word from an
    // input method (a tapped suggestion, dictation), or an editing command
    // chosen without its keys (a paste from a menu). `shortcut` is the
    // letter key of that command's Ctrl shortcut (V for a paste), whose
    // releases, the letter's and then Ctrl's, step the list as on a
    // keyboard; vk::None for text that typing would have given, which steps
    // the list as that typing would: one Backspace per character removed,
    // or the new characters typed one by one over the old ones.
    void boxTextArrived(int shortcut);
    void listKeyReleased(int keyCode);
    // A mouse button pressed in the box for the second time of a double-click.
    void boxDoubleClicked();
    // A mouse button released in the box, after the box has handled it;
    // `insideBox` when the pointer is still over the box.
    void boxButtonReleased(MouseButton button, bool insideBox);
    // A double-click in the list: on a row, or on the empty space below the last one.
    void listDoubleClicked(bool onRow);
    void buscarClicked();
    void cerrarChosen();

    // The user changed the list itself (a click, the arrow keys, the wheel,
    // the scroll bar) and the toolkit has drawn it: what it shows now.
    void listShown(int selectedRow, int topRow);
    // The list's height in whole rows, when it changes (a new resolution).
    void listResized(int visibleRows);

private:
    // After every handler: the list's outcome to the adaptor, if it changed,
    // and the box's text as the event left it.
    void showList();

    // The toolkit as the handlers see it: the box shows `typing` instead of
    // its text while text that arrived without keys is typed anew.
    class Retyping final : public FormRuntime {
    public:
        explicit Retyping(FormRuntime& rt) : rt_(rt) {}
        std::optional<std::u16string> typing;

        std::u16string txtBuscar_Text() const override { return typing ? *typing : rt_.txtBuscar_Text(); }
        void txtBuscar_SetText(std::u16string_view text) override { rt_.txtBuscar_SetText(text); }
        void txtBuscar_SetFocus() override { rt_.txtBuscar_SetFocus(); }
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
    bool boxDoubleClicked_ = false;
    std::u16string boxText_;
};

} // namespace lexidor
