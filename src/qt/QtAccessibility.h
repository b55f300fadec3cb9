// SPDX-License-Identifier: MIT
#pragma once

// What the Qt window adds for screen readers (AT-SPI on Linux) beyond what
// its widgets say by themselves: a list whose moves while the user types in
// the box do not pull the reader away from the box, and a way to have a text
// read out once where the user is.

#include <QtWidgets/QListWidget>
#include <QtWidgets/QWidget>

class QModelIndex;

namespace lexidor {

// lstLista. Qt's list view tells screen readers that its current row has the
// focus whenever the current row changes, even while the keyboard focus is
// somewhere else; a screen reader follows, so the type-ahead moves made for
// the user typing in the box would read the list and its rows instead of the
// box. This list reports its current row as focused only while it has the
// keyboard focus itself, and reports it when it gets the focus (Tab), so the
// reader names the row the user lands on; it selects, scrolls and paints
// exactly as Qt's.
class TermList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool rowReported_ = false;
};

// Reads a text out to screen readers once, politely, where the user is: the
// keyboard focus stays where it is and nothing on screen changes.
//
// Qt 6.4 has no announcement of its own, and a reader presents a change of
// name or text only for the object it has as its focus (Orca 43 does not
// even get the new text from Qt for that). What readers do present, without
// taking the focus, is a notification appearing: Orca speaks its name in
// full ("notification CSN: Consejo de Seguridad Nuclear.") and keeps it in
// its list of notifications, where the user can hear it again. So the
// announcer is an object with the notification role and no size, inside the
// window, that appears anew with each text.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

} // namespace lexidor
