// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/Qt>

namespace lexidor {

// Which key Qt saw, in the words of the form's key-code table (KeyCodes.h):
// a character key by its character (Qt names the Latin-1 keys by their
// capitals), any other key by its name. Gives the code KeyUp reports.
int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace lexidor
