// SPDX-License-Identifier: MIT
#pragma once

#include "FormRuntime.h"

#include <string>
#include <vector>

namespace lexidor {

// A working in-memory stand-in for a real toolkit, for tests, benchmarks and
// the fuzzer. It keeps the state a user would see (box text, selected row,
// label caption, focus, current directory, ended) with the list box rules of
// the real controls: no row selected at start, list Text is the selected
// row's text, and ListIndex and Selected do the same thing.
class FakeRuntime final : public FormRuntime {
public:
    enum class Focus { None, txtBuscar, lstLista, cmdBuscar };

    // The rows default to the glossary's terms.
    FakeRuntime();
    explicit FakeRuntime(std::vector<std::u16string> rows);

    std::u16string txtBuscar_Text() const override;
    void txtBuscar_SetText(std::u16string_view text) override;
    void txtBuscar_SetFocus() override;

    int lstLista_ListCount() const override;
    void lstLista_SetListIndex(int row) override;
    void lstLista_SetSelected(int row) override;
    std::u16string lstLista_Text() const override;

    void lblDescripcion_SetCaption(std::u16string_view caption) override;

    std::u16string App_Path() const override;
    void ChDir(std::u16string_view dir) override;
    void End() override;

    // What a test looks at.
    int selectedRow() const { return selected_; }
    const std::u16string& caption() const { return caption_; }
    Focus focus() const { return focus_; }
    bool ended() const { return ended_; }
    const std::u16string& currentDir() const { return currentDir_; }

    // What a user does to the controls directly, before the event reaches
    // the logic: typing edits the box, a click on a row selects it.
    void setAppPath(std::u16string path) { appPath_ = std::move(path); }
    void userTypes(std::u16string_view text) { text_ += text; }
    void userBackspace();
    void userSelectsRow(int row);
    void userFocuses(Focus focus) { focus_ = focus; }

private:
    void select(int row);

    std::vector<std::u16string> rows_;
    std::u16string text_;
    std::u16string caption_;
    int selected_ = -1;
    Focus focus_ = Focus::None;
    bool ended_ = false;
    std::u16string appPath_{u"/opt/lexidor/bin"};
    std::u16string currentDir_{u"/"};
};

} // namespace lexidor
