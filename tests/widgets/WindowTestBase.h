// SPDX-License-Identifier: MIT
#pragma once

#include "Catalogue.h"
#include "ImageScan.h"
#include "QtWindow.h"
#include "WindowExpectations.h"

#include <QtCore/QObject>
#include <QtGui/QAccessible>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyleOptionViewItem>

#include <iterator>
#include <memory>
#include <utility>

namespace lexidor::test {

// What the widget tests share: the window under test and its controls,
// found by object name as a screen reader or a user's script finds them,
// and the window measured for the expectations every toolkit shares
// (WindowExpectations.h).
class WindowTestBase : public QObject {
protected:
    std::unique_ptr<QtWindow> window_;

    template <typename T> T* control(const char* name) const
    {
        auto* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* box() const { return control<QLineEdit>("txtBuscar"); }
    QListWidget* list() const { return control<QListWidget>("lstLista"); }
    QLabel* definition() const { return control<QLabel>("lblDescripcion"); }
    QPushButton* buscar() const { return control<QPushButton>("cmdBuscar"); }

    static QString definitionOf(int row)
    {
        return QString::fromStdU16String(
            std::u16string(kCatalogue[static_cast<std::size_t>(row)].definition));
    }

    // The window measured, in logical pixels (Qt scales the whole window).
    // Types a, then x into the box at the end.
    WindowSeen measure()
    {
        WindowSeen seen;
        QWidget* client = window_->centralWidget();
        seen.caption = window_->windowTitle().toStdU16String();
        seen.clientWidth = client->width();
        seen.clientHeight = client->height();
        const Qt::WindowFlags flags = window_->windowFlags();
        seen.fixedSize = window_->minimumSize() == window_->maximumSize();
        seen.closeButtonOnly = flags.testFlag(Qt::WindowCloseButtonHint) &&
                               !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
                               !flags.testFlag(Qt::WindowMaximizeButtonHint);
        for (const QAction* item : window_->menuBar()->actions()) {
            seen.menu.push_back(item->text().toStdU16String());
            seen.menuHasSubmenu = seen.menuHasSubmenu || item->menu();
        }
        seen.frame = pixels(window_->frameGeometry());
        seen.workArea = pixels(window_->screen()->availableGeometry());
        seen.fontPixels = QFontInfo(box()->font()).pixelSize();
        for (const ControlDescription& c : kFrmLexidor.controls) {
            const auto* widget = window_->findChild<QWidget*>(QString::fromLatin1(c.name.data()));
            ControlSeen& s = seen.controls[static_cast<std::size_t>(c.id)];
            if (!widget || widget->parentWidget() != client)
                continue;
            s.exists = true;
            s.rect = pixels(widget->geometry());
            s.innerHeight = widget->contentsRect().height();
            s.tabStop = (widget->focusPolicy() & Qt::TabFocus) != 0;
            QAccessibleInterface* spoken =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
            s.spoken =
                spoken->text(c.readByText ? QAccessible::Description : QAccessible::Name).toStdU16String();
        }
        QAccessibleInterface* clientSpoken = QAccessible::queryAccessibleInterface(client);
        for (int i = 0; i < clientSpoken->childCount(); ++i) {
            const QObject* object = clientSpoken->child(i)->object();
            for (const ControlDescription& c : kFrmLexidor.controls) {
                if (object && object->objectName() == QLatin1String(c.name.data(), c.name.size()))
                    seen.readingOrder.push_back(c.id);
            }
        }
        for (int row = 0; row < list()->count(); ++row)
            seen.rows.push_back(list()->item(row)->text().toStdU16String());

        measureText(seen);
        measureDefinitionInk(seen);
        measureLongestRow(seen);
        measurePicture(seen);
        measureWorstStep(seen);
        return seen;
    }

    // The window under the application's palette, taken as a contrast
    // theme: the palette's colours, the selected row, the definition and the
    // prompt against what lies behind them, the frame and the client area.
    ThemedWindowSeen measureThemed()
    {
        ThemedWindowSeen seen;
        const QPalette theme = window_->palette();
        constexpr QPalette::ColorRole roles[] = {QPalette::Window,    QPalette::WindowText,
                                                 QPalette::Highlight, QPalette::HighlightedText,
                                                 QPalette::Button,    QPalette::ButtonText};
        static_assert(std::size(roles) == kThemeColourCount);
        for (std::size_t i = 0; i < kThemeColourCount; ++i)
            seen.theme[i] = rgb(theme.color(roles[i]).rgb());

        QListWidgetItem* row = list()->currentItem();
        if (!row)
            qFatal("no row selected");
        const QRect rowRect = list()->visualItemRect(row);
        const QString term = row->text();
        const QImage rowShown = list()->viewport()->grab(rowRect).toImage();
        row->setText(QString());
        const QImage rowBlank = list()->viewport()->grab(rowRect).toImage();
        row->setText(term);
        seen.selectedRow = textSeen(rowShown, rowBlank);

        auto labelSeen = [this](QLabel* label) {
            const QString text = label->text();
            const QImage shown = window_->centralWidget()->grab(label->geometry()).toImage();
            label->setText(QString());
            const QImage blank = window_->centralWidget()->grab(label->geometry()).toImage();
            label->setText(text);
            return std::pair{textSeen(shown, blank), rgb(shown.pixel(0, shown.height() / 2))};
        };
        seen.definition = labelSeen(definition()).first;
        seen.definitionFrame = labelSeen(definition()).second;
        seen.prompt = labelSeen(control<QLabel>("lblBuscar")).first;

        QWidget* client = window_->centralWidget();
        const QImage drawn = client->grab().toImage();
        const QRgb ground = theme.color(roles[static_cast<std::size_t>(kContrastRule.client.ground)]).rgb();
        for (int y = 0; y < client->height(); y += 7) {
            for (int x = 0; x < client->width(); x += 7) {
                if (!client->childAt(x, y) && (drawn.pixel(x, y) & 0xFFFFFF) != (ground & 0xFFFFFF))
                    ++seen.foreignClientSamples;
            }
        }
        return seen;
    }

    // Checks every shared expectation; names each one the window misses.
    void checkSharedExpectations()
    {
        const std::vector<std::string> faults = windowFaults(measure());
        for (const std::string& fault : faults)
            qWarning("FAIL %s", fault.c_str());
        QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
    }

private:
    static PixelRect pixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
    static Rgb rgb(QRgb p)
    {
        return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                static_cast<std::uint8_t>(qBlue(p))};
    }
    static TextSeen textSeen(const QImage& shown, const QImage& blank)
    {
        const TextContrast t = textContrast(shown, blank, rgb);
        return {t.ink, t.ground, t.ratio};
    }

    void measureText(WindowSeen& seen)
    {
        auto* prompt = control<QLabel>("lblBuscar");
        seen.promptWidth = prompt->fontMetrics().horizontalAdvance(prompt->text());
        QLabel* label = definition();
        const int m = label->margin();
        const QRect inside = label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
        seen.definitionAreaWidth = inside.width();
        seen.definitionAreaHeight = inside.height();
        for (const Entry& entry : kCatalogue) {
            const QRect needed = label->fontMetrics().boundingRect(
                inside, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                QString::fromStdU16String(std::u16string(entry.definition)));
            seen.definitionsWidth = std::max(seen.definitionsWidth, needed.width());
            seen.definitionsHeight = std::max(seen.definitionsHeight, needed.height());
        }
    }

    // The definition area drawn with and without a definition: where the
    // two differ is the text.
    void measureDefinitionInk(WindowSeen& seen)
    {
        QLabel* label = definition();
        const QString before = label->text();
        const QImage empty = window_->centralWidget()->grab(label->geometry()).toImage();
        label->setText(definitionOf(13));
        const QImage shown = window_->centralWidget()->grab(label->geometry()).toImage();
        label->setText(before);
        const Difference first = differences(empty, shown);
        // The logical pixel that holds the first device pixel.
        seen.definitionInkLeft = static_cast<int>(first.left / empty.devicePixelRatio());
        seen.definitionInkTop = static_cast<int>(first.top / empty.devicePixelRatio());
    }

    // Columns of `image` within `rows` that differ from `background`: the
    // first and the last.
    static std::pair<int, int> inkColumns(const QImage& image, QRect rows, QRgb background)
    {
        return test::inkColumns(image, rows.left(), rows.top(), rows.right() + 1, rows.bottom() + 1,
                                background, [](QRgb p) { return qGray(p); });
    }

    // The longest term's row as the list draws it; its text rectangle as
    // the list's style lays out the row; the term drawn alone in the same
    // font.
    void measureLongestRow(WindowSeen& seen)
    {
        QListWidget* view = list();
        QListWidgetItem* item = view->item(0);
        for (int row = 1; row < view->count(); ++row) {
            if (view->fontMetrics().horizontalAdvance(view->item(row)->text()) >
                view->fontMetrics().horizontalAdvance(item->text()))
                item = view->item(row);
        }
        view->scrollToItem(item);
        const QRect row = view->visualItemRect(item);
        const QImage drawn = view->viewport()->grab().toImage();
        const qreal ratio = drawn.devicePixelRatio();
        const QRect rowPixels(qRound(row.x() * ratio), qRound(row.y() * ratio), qRound(row.width() * ratio),
                              qRound(row.height() * ratio));
        const auto [first, last] = inkColumns(drawn, rowPixels, drawn.pixel(rowPixels.topLeft()));

        QStyleOptionViewItem option;
        option.initFrom(view);
        option.rect = row;
        option.text = item->text();
        option.font = view->font();
        option.features = QStyleOptionViewItem::HasDisplay;
        const QRect text = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view);

        QImage alone(qRound((row.width() * 2) * ratio), rowPixels.height(), QImage::Format_RGB32);
        alone.setDevicePixelRatio(ratio);
        alone.fill(Qt::white);
        {
            QPainter painter(&alone);
            painter.setFont(view->font());
            painter.setPen(Qt::black);
            painter.drawText(QRect(0, 0, row.width() * 2, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             item->text());
        }
        const auto [aloneFirst, aloneLast] = inkColumns(alone, alone.rect(), qRgb(255, 255, 255));
        seen.longRowInkRight = qRound(last / ratio);
        seen.longRowTextRight = text.right();
        seen.longRowInkWidth = qRound((last - first + 1) / ratio);
        seen.longTermInkWidth = qRound((aloneLast - aloneFirst + 1) / ratio);
        view->scrollToTop();
    }

    // A grid of the client area's pixels, outside the controls that paint
    // a background of their own.
    void measurePicture(WindowSeen& seen)
    {
        QWidget* client = window_->centralWidget();
        const QImage drawn = client->grab().toImage();
        const qreal ratio = drawn.devicePixelRatio();
        const QRgb fill =
            qRgb(kFrmLexidor.background.red, kFrmLexidor.background.green, kFrmLexidor.background.blue);
        int plain = 0;
        for (int y = 0; y < client->height(); y += 7) {
            for (int x = 0; x < client->width(); x += 7) {
                const QWidget* at = client->childAt(x, y);
                if (at && !qobject_cast<const QLabel*>(at))
                    continue;
                if ((drawn.pixel(qRound(x * ratio), qRound(y * ratio)) & 0xFFFFFF) == (fill & 0xFFFFFF))
                    ++plain;
            }
        }
        seen.plainFillSamples = plain;
    }

    // What the list view hears during the worst type-ahead step: a, then x.
    void measureWorstStep(WindowSeen& seen)
    {
        QTest::keyClick(box(), Qt::Key_A, Qt::NoModifier);
        int selections = 0, scrolls = 0;
        const QMetaObject::Connection selection =
            connect(list()->selectionModel(), &QItemSelectionModel::selectionChanged, [&] { ++selections; });
        const QMetaObject::Connection scroll =
            connect(list()->verticalScrollBar(), &QScrollBar::valueChanged, [&] { ++scrolls; });
        QTest::keyClick(box(), Qt::Key_X, Qt::NoModifier);
        disconnect(selection);
        disconnect(scroll);
        seen.selectionNotes = selections;
        seen.scrollNotes = scrolls;
    }
};

} // namespace lexidor::test
