// SPDX-License-Identifier: MIT
#include "QtAccessibility.h"

#include <QtCore/QModelIndex>
#include <QtGui/QAccessible>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QAccessibleWidget>

namespace lexidor {

void TermList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // QListView's own version only adds the focus report for the row.
    if (hasFocus()) {
        QListWidget::currentChanged(current, previous);
        rowReported_ = true;
    } else {
        QAbstractItemView::currentChanged(current, previous); // NOLINT(bugprone-parent-virtual-call)
    }
}

void TermList::focusInEvent(QFocusEvent* event)
{
    // Qt's list makes a row current here when none is, and reports that.
    rowReported_ = false;
    QListWidget::focusInEvent(event);
    if (rowReported_)
        return;
    // Qt reports the list itself as focused only after this event; the row
    // is reported once that is done, or the list's report would cover it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QModelIndex current = currentIndex();
            if (!hasFocus() || !current.isValid() || !QAccessible::isActive())
                return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(current.row());
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

namespace {

QAccessibleInterface* accessibleAnnouncer(const QString&, QObject* object)
{
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    QAccessible::installFactory(&accessibleAnnouncer);
    setObjectName(QStringLiteral("anuncio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text)
{
    // Hidden and shown again, so that a text said before (the same term
    // looked up twice) is read again too. Both happen before the next paint,
    // and the announcer has no size: nothing on screen changes.
    setAccessibleName(text);
    hide();
    show();
}

} // namespace lexidor
