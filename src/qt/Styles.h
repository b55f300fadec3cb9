// SPDX-License-Identifier: MIT
#pragma once

// How the window's widgets look on Qt: a list with a classic list box's row
// height and text margins, and the application style that defers one icon
// the window never shows.

class QAbstractItemDelegate;
class QObject;
class QStyle;

namespace lexidor {

// List rows with a classic list box's narrow text margins, so the longest
// term fits beside the scroll bar; owned by the caller.
QStyle* newListRowStyle();
// Rows of the form table's height.
QAbstractItemDelegate* newListRowDelegate(QObject* parent);
// The application style `base` with the deferred icon; it takes `base`.
QStyle* newWindowStyle(QStyle* base);
bool isWindowStyle(const QStyle* style);

} // namespace lexidor
