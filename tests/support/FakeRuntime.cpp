// SPDX-License-Identifier: MIT
#include "FakeRuntime.h"

#include "Catalogue.h"
#include "Utf16.h"

#include <string>
#include <utility>

namespace lexidor {

FakeRuntime::FakeRuntime() = default;

std::u16string FakeRuntime::txtBuscar_Text() const
{
    return text_;
}

void FakeRuntime::txtBuscar_SetText(std::u16string_view text)
{
    text_ = text;
    caret_ = text_.size();
    allSelected_ = false;
}

void FakeRuntime::txtBuscar_SetFocus()
{
    focus_ = Focus::txtBuscar;
}

void FakeRuntime::Control_SetFocus(Control c, bool selectText)
{
    focus_ = c == Control::txtBuscar   ? Focus::txtBuscar
             : c == Control::lstLista  ? Focus::lstLista
             : c == Control::cmdBuscar ? Focus::cmdBuscar
                                       : focus_;
    if (selectText)
        allSelected_ = true;
}

void FakeRuntime::lstLista_Show(int selectedRow, int topRow)
{
    selected_ = selectedRow;
    top_ = topRow;
    ++listDraws_;
}

std::u16string FakeRuntime::selectedText() const
{
    return selected_ < 0 ? std::u16string{}
                         : std::u16string(kCatalogue[static_cast<std::size_t>(selected_)].term);
}

void FakeRuntime::lblDescripcion_SetCaption(std::u16string_view caption)
{
    caption_ = caption;
}

void FakeRuntime::Announce(std::u16string_view text)
{
    announcements_.emplace_back(text);
}

std::u16string FakeRuntime::App_Path() const
{
    return appPath_;
}

void FakeRuntime::ChDir(std::u16string_view dir)
{
    currentDir_ = dir;
}

void FakeRuntime::End()
{
    ended_ = true;
    if (onEnd_)
        onEnd_();
}

bool FakeRuntime::dropSelectedText()
{
    if (!allSelected_)
        return false;
    allSelected_ = false;
    text_.clear();
    caret_ = 0;
    return true;
}

void FakeRuntime::userTypes(std::u16string_view text)
{
    dropSelectedText();
    text_.insert(caret_, text);
    caret_ += text.size();
}

// Backspace and Delete remove a surrogate pair as one character.
void FakeRuntime::userBackspace()
{
    if (dropSelectedText() || caret_ == 0)
        return;
    const std::size_t units = unitsBefore(text_, caret_);
    caret_ -= units;
    text_.erase(caret_, units);
}

void FakeRuntime::userDeletes()
{
    if (dropSelectedText() || caret_ >= text_.size())
        return;
    text_.erase(caret_, unitsAt(text_, caret_));
}

void FakeRuntime::userMovesCaret(int step)
{
    if (std::exchange(allSelected_, false)) {
        caret_ = step < 0 ? 0 : text_.size();
        return;
    }
    caret_ = caretAfterStep(text_, caret_, step);
}

void FakeRuntime::userMovesCaretTo(bool end)
{
    allSelected_ = false;
    caret_ = end ? text_.size() : 0;
}

void FakeRuntime::userShowsList(int selectedRow, int topRow)
{
    selected_ = selectedRow;
    top_ = topRow;
}

} // namespace lexidor
