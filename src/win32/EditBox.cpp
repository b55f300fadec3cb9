// SPDX-License-Identifier: MIT
#include "EditBox.h"

#include "Utf16.h"

#include <algorithm>

namespace lexidor::editbox {

namespace {

void selection(HWND edit, DWORD& start, DWORD& end)
{
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

} // namespace

std::u16string text(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int length =
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

void setText(HWND edit, std::u16string_view text)
{
    const std::wstring value(text.begin(), text.end());
    SetWindowTextW(edit, value.c_str());
    const auto end = static_cast<LPARAM>(value.size());
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
}

void selectWholeCharacter(HWND edit, bool before)
{
    DWORD start = 0;
    DWORD end = 0;
    selection(edit, start, end);
    const std::u16string value = text(edit);
    if (start != end || start > value.size())
        return;
    const std::size_t units = before ? (start > 0 ? unitsBefore(value, start) : 1)
                                     : (start < value.size() ? unitsAt(value, start) : 1);
    if (units != 2)
        return;
    if (before)
        SendMessageW(edit, EM_SETSEL, start - 2, start);
    else
        SendMessageW(edit, EM_SETSEL, start, start + 2);
}

void keepCaretOffSurrogatePair(HWND edit, int direction)
{
    DWORD start = 0;
    DWORD end = 0;
    selection(edit, start, end);
    const std::u16string value = text(edit);
    if (start != end || start == 0 || start >= value.size())
        return;
    if (isHighSurrogate(value[start - 1]) && isLowSurrogate(value[start])) {
        const DWORD caret = direction < 0 ? start - 1 : start + 1;
        SendMessageW(edit, EM_SETSEL, caret, caret);
    }
}

void collapseSelectionToCaret(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    selection(edit, start, end);
    if (start == end)
        return;
    DWORD caret = end;
    POINT at{};
    if (GetCaretPos(&at)) {
        const LRESULT hit = SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(at.x, at.y));
        if (LOWORD(hit) == start)
            caret = start;
    }
    SendMessageW(edit, EM_SETSEL, caret, caret);
}

} // namespace lexidor::editbox
