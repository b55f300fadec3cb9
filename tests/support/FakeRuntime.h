// SPDX-License-Identifier: MIT
#pragma once

#include "FormRuntime.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// A working in-memory stand-in for a real toolkit, for tests, benchmarks and
// the fuzzer. It keeps the state a user would see (box text and caret, the
// list's selected and top rows as last drawn, label caption, focus, current
// directory, ended) with the rules of the real controls that FormRuntime.h
// states: writing the box's Text puts the caret at its end, and the list
// shows what it is told once per event.
class FakeRuntime final : public FormRuntime {
public:
    enum class Focus { None, txtBuscar, lstLista, cmdBuscar };

    // The list's rows are the glossary's terms.
    FakeRuntime();

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

    // What a test looks at.
    int selectedRow() const { return selected_; }
    int topRow() const { return top_; }
    // The text of the row shown selected, empty while none is.
    std::u16string selectedText() const;
    // How often the list was told to draw.
    int listDraws() const { return listDraws_; }
    const std::u16string& caption() const { return caption_; }
    // Every text announced to screen readers, in order.
    const std::vector<std::u16string>& announcements() const { return announcements_; }
    Focus focus() const { return focus_; }
    bool ended() const { return ended_; }
    const std::u16string& currentDir() const { return currentDir_; }

    // Runs when End is called, as a real window reports that it closed.
    void onEnd(std::function<void()> closed) { onEnd_ = std::move(closed); }

    // What a user does to the controls directly, before the event reaches
    // the logic: typing edits the box at its caret (replacing a selection),
    // the list drawn as the user moved it.
    void setAppPath(std::u16string path) { appPath_ = std::move(path); }
    void userTypes(std::u16string_view text);
    void userBackspace();
    void userDeletes();
    void userMovesCaret(int step);   // -1 left, +1 right: one character
    void userMovesCaretTo(bool end); // Home or End
    void userSelectsAllText() { allSelected_ = true; }
    void userShowsList(int selectedRow, int topRow);
    void userFocuses(Focus focus) { focus_ = focus; }

private:
    bool dropSelectedText();

    std::u16string text_;
    std::size_t caret_ = 0;
    bool allSelected_ = false;
    std::u16string caption_;
    std::vector<std::u16string> announcements_;
    int selected_ = -1;
    int top_ = 0;
    int listDraws_ = 0;
    Focus focus_ = Focus::None;
    bool ended_ = false;
    std::function<void()> onEnd_;
    std::u16string appPath_{u"/opt/lexidor/bin"};
    std::u16string currentDir_{u"/"};
};

} // namespace lexidor
