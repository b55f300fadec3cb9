// SPDX-License-Identifier: MIT
#include "Styles.h"

#include "FormDescription.h"

#include <QtCore/QPointer>
#include <QtGui/QIconEngine>
#include <QtWidgets/QProxyStyle>
#include <QtWidgets/QStyledItemDelegate>

#include <functional>
#include <utility>

namespace lexidor {

namespace {

// List rows with the narrow text margins of a classic list box, so the
// longest term fits the list's width beside its scroll bar.
class ListRowStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Rows of the table's height, so the list shows as many rows as on every
// other toolkit and the type-ahead scrolls it the same way.
class ListRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kFrmLexidor.listRowPixels};
    }
};

// An icon made the first time it is used: its size, a pixmap or a paint.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (make_)
            icon_ = std::exchange(make_, nullptr)();
        return icon_;
    }

    std::function<QIcon()> make_;
    QIcon icon_;
};

// The application's style, unchanged but for one thing: Qt's menu bar asks
// for the icon of its overflow button when it is created, and the style
// reads that icon from Qt's resources with image-format detection, which
// loads every image plugin (and libjpeg) to ask whether it reads PNG. That
// is several milliseconds and about a megabyte before the first paint, for a
// button this window never shows: its one menu always fits. The icon is
// handed out unread and made by the style when first used.
class WindowStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton || option)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredIconEngine(
            [style = QPointer<QStyle>(baseStyle()), widget = QPointer<const QWidget>(widget), which] {
                return style ? style->standardIcon(which, nullptr, widget) : QIcon();
            }));
    }
};

} // namespace

QStyle* newListRowStyle()
{
    return new ListRowStyle;
}

QAbstractItemDelegate* newListRowDelegate(QObject* parent)
{
    return new ListRowDelegate(parent);
}

QStyle* newWindowStyle(QStyle* base)
{
    return new WindowStyle(base);
}

bool isWindowStyle(const QStyle* style)
{
    return dynamic_cast<const WindowStyle*>(style) != nullptr;
}

} // namespace lexidor
