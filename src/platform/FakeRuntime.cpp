// SPDX-License-Identifier: MIT
#include "FakeRuntime.h"

#include "Catalogue.h"

#include <stdexcept>
#include <string>

namespace lexidor {

namespace {
std::vector<std::u16string> catalogueTerms()
{
    std::vector<std::u16string> rows;
    rows.reserve(kCatalogue.size());
    for (const Entry& entry : kCatalogue)
        rows.emplace_back(entry.term);
    return rows;
}
} // namespace

FakeRuntime::FakeRuntime() : rows_(catalogueTerms()) {}

FakeRuntime::FakeRuntime(std::vector<std::u16string> rows) : rows_(std::move(rows)) {}

std::u16string FakeRuntime::txtBuscar_Text() const
{
    return text_;
}

void FakeRuntime::txtBuscar_SetText(std::u16string_view text)
{
    text_ = text;
}

void FakeRuntime::txtBuscar_SetFocus()
{
    focus_ = Focus::txtBuscar;
}

int FakeRuntime::lstLista_ListCount() const
{
    return static_cast<int>(rows_.size());
}

void FakeRuntime::lstLista_SetListIndex(int row)
{
    select(row);
}

void FakeRuntime::lstLista_SetSelected(int row)
{
    select(row);
}

std::u16string FakeRuntime::lstLista_Text() const
{
    return selected_ < 0 ? std::u16string{} : rows_[static_cast<std::size_t>(selected_)];
}

void FakeRuntime::lblDescripcion_SetCaption(std::u16string_view caption)
{
    caption_ = caption;
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
}

void FakeRuntime::userBackspace()
{
    if (!text_.empty())
        text_.pop_back();
}

void FakeRuntime::userSelectsRow(int row)
{
    select(row);
    focus_ = Focus::lstLista;
}

void FakeRuntime::select(int row)
{
    // A real list box raises a run-time error for a row outside the list;
    // the fake makes that loud so a test catches it.
    if (row < 0 || row >= lstLista_ListCount())
        throw std::out_of_range("list row " + std::to_string(row) + " out of range");
    selected_ = row;
}

} // namespace lexidor
