// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/Qt>

namespace lexidor {

// The virtual-key code that KeyUp reports for a Qt key: the same numbers on
// every toolkit, so the window logic can test for 13 (Enter) and 8
// (Backspace). A key with no code, such as an accented letter, gives 0.
int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace lexidor
