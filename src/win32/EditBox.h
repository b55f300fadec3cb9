// SPDX-License-Identifier: MIT
#pragma once

// The EDIT control as the search box needs it: its text, and the caret and
// selection rules that the box follows on every toolkit (FormRuntime.h,
// Utf16.h) where the control itself differs.

#include <windows.h>

#include <string>
#include <string_view>

namespace lexidor::editbox {

std::u16string text(HWND window);
// Replaces the text and leaves the caret at its end, nothing selected.
void setText(HWND edit, std::u16string_view text);
// Backspace (before) or Delete removes a surrogate pair as a whole: with the
// caret next to one and nothing selected, the pair is selected first, so the
// control deletes both halves (some versions delete one code unit only).
void selectWholeCharacter(HWND edit, bool before);
// After an arrow key: never leave the caret between a pair's halves.
void keepCaretOffSurrogatePair(HWND edit, int direction);
// Drops the selection and leaves the caret where it was, at whichever end
// of the selection that is.
void collapseSelectionToCaret(HWND edit);

} // namespace lexidor::editbox
