// SPDX-License-Identifier: MIT
#pragma once

// frmLexidor in a web page: builds the window's elements from kFrmLexidor
// and the catalogue, realises the FormRuntime operations on them and reports
// each browser event to FormEvents, which raises the handlers. It holds no
// behaviour of its own.
//
//   browser event --> lexidor-dom.js --> main.cpp entry --> WebWindow --> FormEvents
//   (keyup, input,     (as reported)      (strings from      (which key,    (the rules,
//    mousedown, ...)                       the scratch)       which control) the handlers)
//
// The form keeps the list's selection and scrolling (ListBox) as on every
// toolkit: the options carry aria-selected, the list's scrollTop is its top
// row times the row height the layout gives (measured, so the phone layout
// with its taller rows scrolls by whole rows too).

#include "FormDescription.h"
#include "FormEvents.h"
#include "FormRuntime.h"
#include "WebKeys.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

class WebWindow final : public FormRuntime {
public:
    // What a browser event happened on, besides the controls (Control).
    static constexpr int kNoControl = -1;
    static constexpr int kMenuItem = 100;
    enum class Mouse { Down, Up, Click };

    // Builds the page's elements.
    WebWindow();
    // Raises Load, starts listening to the page and raises Activate.
    void start();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    // Browser events. A key: pressed or released, on which control, with
    // KeyboardEvent's keyCode, modifiers (1 Shift, 2 Ctrl, 4 Alt, 8 Meta),
    // key and code; true when the browser's own action must not happen.
    bool key(bool down, int control, int keyCode, int modifiers, std::u16string_view key,
             std::u16string_view code);
    void input(int control, std::u16string_view inputType, std::u16string_view data);
    // A mouse event on a control (and on a list row, or -1): its button and
    // click count.
    bool mouse(Mouse kind, int control, int row, int button, int clickCount);
    void listScrolled(double scrollTop);
    // The list's inner height and its rows' height, as laid out.
    void listMeasured(double height, double rowHeight);
    // The page went away; `persisted` when the browser keeps it to come back.
    void pageHidden(bool persisted);

    // FormRuntime.
    std::u16string txtBuscar_Text() const override;
    void txtBuscar_SetText(std::u16string_view text) override;
    void txtBuscar_SetFocus() override;
    void Control_SetFocus(Control c, bool selectText) override;
    void lstLista_Show(int selectedRow, int topRow) override;
    void lblDescripcion_SetCaption(std::u16string_view caption) override;
    void Announce(std::u16string_view text) override;
    std::u16string App_Path() const override;
    void ChDir(std::u16string_view dir) override;
    void End() override;

private:
    void build();
    int element(Control c) const { return elements_[static_cast<std::size_t>(c)]; }
    void focus(Control c, bool selectText);
    void scrollList();

    FormEvents events_{*this};
    web::KeyReader keys_;
    std::array<int, kControlCount> elements_{};
    std::vector<int> options_;
    int window_ = 0;
    int announcer_ = 0;
    double rowHeight_;
    std::u16string caption_;
    std::u16string announced_;
    std::u16string currentDir_;
    std::optional<Control> pressedOn_; // where a mouse button went down, until released
};

} // namespace lexidor
