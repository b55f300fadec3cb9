// SPDX-License-Identifier: MIT
#include "QtWindow.h"

#include "QtAccessibility.h"

#include "Catalogue.h"
#include "FormDescription.h"
#include "LexidorVersion.h"
#include "Pictures.h"
#include "VirtualKeys.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QItemSelectionModel>
#include <QtCore/QPointer>
#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QIcon>
#include <QtGui/QIconEngine>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProxyStyle>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyleFactory>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace lexidor {

namespace {

QString qs(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string u16(const QString& text)
{
    return text.toStdU16String();
}

QColor colour(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// The client area: the background picture drawn from its top-left corner.
class Client final : public QWidget {
public:
    Client(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture)
    {
        setFixedSize(kFrmLexidor.clientPixelWidth(), kFrmLexidor.clientPixelHeight());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), colour(kFrmLexidor.background));
        painter.drawImage(0, 0, picture_);
    }

private:
    const QImage& picture_;
};

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

QtWindow::QtWindow(std::function<void()> onEnd)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      onEnd_(std::move(onEnd)), background_(pictureOf(backgroundBits()))
{
    // Before the menu bar exists; the style wraps the one Qt chose.
    if (!dynamic_cast<WindowStyle*>(QApplication::style()))
        QApplication::setStyle(new WindowStyle(QStyleFactory::create(QApplication::style()->name())));
    setObjectName(QString::fromLatin1(kFrmLexidor.name));
    setWindowTitle(qs(kFrmLexidor.caption));
    QIcon icon;
    for (const PictureBits& image : iconBits())
        icon.addPixmap(QPixmap::fromImage(pictureOf(image)));
    setWindowIcon(icon);
    // The controls are sized for the classic 8-point dialog font; Liberation
    // Sans has its metrics, so the prompt fits its 169 pixels.
    QFont dialogFont(QStringLiteral("Liberation Sans"));
    dialogFont.setPixelSize(kFrmLexidor.fontPixels);
    setFont(dialogFont);

    auto* client = new Client(background_, this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    createMenu();
    createControls(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    events_.created();
}

QtWindow::~QtWindow() = default;

void QtWindow::createMenu()
{
    QAction* cerrar = menuBar()->addAction(qs(kFrmLexidor.menu.caption));
    cerrar->setObjectName(QString::fromLatin1(kFrmLexidor.menu.name));
    connect(cerrar, &QAction::triggered, this, [this] { events_.cerrarChosen(); });
}

void QtWindow::place(QWidget* widget, Control id)
{
    const ControlDescription& c = kFrmLexidor[id];
    const PixelRect r = c.pixels();
    widget->setObjectName(QString::fromLatin1(c.name));
    widget->setAccessibleName(qs(c.accessibleName));
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

void QtWindow::createControls(QWidget* client)
{
    QPalette labelPalette = palette();
    labelPalette.setColor(QPalette::WindowText, colour(kFrmLexidor.labelText));
    auto makeLabel = [&](Control id) {
        auto* label = new QLabel(qs(kFrmLexidor[id].text), client);
        label->setPalette(labelPalette);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_TranslucentBackground);
        if (kFrmLexidor[id].framed) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            label->setWordWrap(true);
            label->setMargin(kFrmLexidor.labelMargin);
        }
        place(label, id);
        return label;
    };

    lblBuscar_ = makeLabel(Control::lblBuscar);

    txtBuscar_ = new QLineEdit(qs(kFrmLexidor[Control::txtBuscar].text), client);
    txtBuscar_->installEventFilter(this);
    place(txtBuscar_, Control::txtBuscar);

    lstLista_ = new TermList(client);
    lstLista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstLista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstLista_->setDragEnabled(false);
    lstLista_->setUniformItemSizes(true);
    lstLista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listStyle_ = std::make_unique<ListRowStyle>();
    lstLista_->setStyle(listStyle_.get());
    for (const Entry& entry : kCatalogue)
        lstLista_->addItem(qs(entry.term));
    lstLista_->installEventFilter(this);
    lstLista_->viewport()->installEventFilter(this);
    // Qt reports a double-click on a row only, never below the last one.
    connect(lstLista_, &QListWidget::doubleClicked, this, [this] { events_.listDoubleClicked(true); });
    place(lstLista_, Control::lstLista);

    lblDescripcion_ = makeLabel(Control::lblDescripcion);
    // A screen reader reads the definition itself as the label's name (a
    // label with no accessible name of its own is named by its text); the
    // table's name for it becomes its description.
    lblDescripcion_->setAccessibleName(QString());
    lblDescripcion_->setAccessibleDescription(qs(kFrmLexidor[Control::lblDescripcion].accessibleName));

    announcer_ = new Announcer(client);

    cmdBuscar_ = new QPushButton(qs(kFrmLexidor[Control::cmdBuscar].text), client);
    cmdBuscar_->setAutoDefault(false);
    connect(cmdBuscar_, &QPushButton::clicked, this, [this] { events_.buscarClicked(); });
    place(cmdBuscar_, Control::cmdBuscar);

    lblBuscar_->setBuddy(txtBuscar_);

    const std::array<QWidget*, kControlCount> widgets{lblBuscar_, txtBuscar_, lstLista_, lblDescripcion_,
                                                      cmdBuscar_};
    QWidget* previous = nullptr;
    for (const Control id : kFrmLexidor.tabOrder()) {
        if (!kFrmLexidor[id].focusable())
            continue;
        QWidget* widget = widgets[static_cast<std::size_t>(id)];
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void QtWindow::setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Lexidor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LEXIDOR_VERSION_SHORT));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lexidor.Lexidor"));
}

void QtWindow::showCentred()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

bool QtWindow::event(QEvent* event)
{
    // Activate runs on the first activation only (FormEvents): coming back
    // from another application leaves the focus where the user left it.
    if (event->type() == QEvent::WindowActivate) {
        const bool handled = QMainWindow::event(event);
        events_.activated();
        return handled;
    }
    return QMainWindow::event(event);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (events_.hasEnded())
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyRelease: {
        // Holding a key down gives one KeyUp, when it is finally released.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            break;
        const int code = virtualKeyOf(key->key(), key->modifiers());
        keyStep_ = true;
        if (watched == txtBuscar_)
            events_.boxKeyReleased(code);
        else if (watched == lstLista_)
            events_.listKeyReleased(code);
        keyStep_ = false;
        releaseList();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        // A list box keeps its selection when the click lands below the
        // last row: the list takes the focus and nothing else happens.
        if (watched == lstLista_->viewport() &&
            !lstLista_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid()) {
            lstLista_->setFocus(Qt::MouseFocusReason);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress)
            break;
        if (event->type() == QEvent::MouseButtonRelease)
            return forwardMouseRelease(watched, static_cast<QMouseEvent*>(event));
        if (watched == txtBuscar_)
            events_.boxDoubleClicked();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool QtWindow::forwardMouseRelease(QObject* watched, QMouseEvent* mouse)
{
    // The box places its caret first; then the Click, if this release
    // makes one.
    const bool handled = QMainWindow::eventFilter(watched, mouse);
    if (watched == txtBuscar_) {
        events_.boxButtonReleased(mouse->button() == Qt::LeftButton,
                                  txtBuscar_->rect().contains(mouse->position().toPoint()));
    }
    return handled;
}

void QtWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (events_.closed() && onEnd_)
        onEnd_();
}

std::u16string QtWindow::txtBuscar_Text() const
{
    return u16(txtBuscar_->text());
}

void QtWindow::txtBuscar_SetText(std::u16string_view text)
{
    txtBuscar_->setText(qs(text));
}

void QtWindow::txtBuscar_SetFocus()
{
    txtBuscar_->setFocus(Qt::OtherFocusReason);
}

int QtWindow::lstLista_ListCount() const
{
    return lstLista_->count();
}

void QtWindow::selectRow(int row)
{
    const bool moves = row != lstLista_->currentRow();
    if (keyStep_ && moves && !listHeld_)
        holdList();
    lstLista_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    QListWidgetItem* item = lstLista_->item(row);
    if (listHeld_) {
        // Only a row out of sight moves the list ("ensure visible"); for a
        // row in sight the list would merely repaint it.
        if (!lstLista_->viewport()->rect().contains(lstLista_->visualItemRect(item)))
            lstLista_->scrollToItem(item);
    } else if (!moves || !lstLista_->isVisible() || !lstLista_->hasAutoScroll()) {
        // A visible list scrolls a new current row into view by itself (auto
        // scroll, the same "ensure visible"); an unchanged row or a hidden
        // list needs asking.
        lstLista_->scrollToItem(item);
    }
}

// A type-ahead step can move the selection row by row down the whole list
// and back, and nothing is painted until the step ends. While it runs, the
// list is held: it still selects and scrolls at every row (the scroll
// position depends on the way taken), but its selection and its scroll bar
// keep quiet, so the view neither scrolls its pixels nor repaints nor tells
// accessibility about each row. When the step ends, the list goes back to
// where it started, unseen, and makes the whole move at once: one scroll, one
// change of selection, the repaint of what differs.
void QtWindow::holdList()
{
    QItemSelectionModel* selection = lstLista_->selectionModel();
    heldCurrent_ = selection->currentIndex();
    heldSelection_ = selection->selection();
    heldScroll_ = lstLista_->verticalScrollBar()->value();
    selection->blockSignals(true);
    lstLista_->verticalScrollBar()->blockSignals(true);
    listHeld_ = true;
}

void QtWindow::releaseList()
{
    if (!listHeld_)
        return;
    listHeld_ = false;
    QItemSelectionModel* selection = lstLista_->selectionModel();
    QScrollBar* scroll = lstLista_->verticalScrollBar();
    const int row = lstLista_->currentRow();
    const int scrolled = scroll->value();
    selection->setCurrentIndex(heldCurrent_, QItemSelectionModel::NoUpdate);
    selection->select(heldSelection_, QItemSelectionModel::ClearAndSelect);
    scroll->setValue(heldScroll_);
    selection->blockSignals(false);
    scroll->blockSignals(false);
    scroll->setValue(scrolled);
    lstLista_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void QtWindow::lstLista_SetListIndex(int row)
{
    selectRow(row);
}

void QtWindow::lstLista_SetSelected(int row)
{
    selectRow(row);
}

int QtWindow::selectedRow() const
{
    const QModelIndexList selected = lstLista_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::u16string QtWindow::lstLista_Text() const
{
    const int row = selectedRow();
    return row < 0 ? std::u16string{} : u16(lstLista_->item(row)->text());
}

void QtWindow::lblDescripcion_SetCaption(std::u16string_view caption)
{
    lblDescripcion_->setText(qs(caption));
}

void QtWindow::Announce(std::u16string_view text)
{
    announcer_->announce(qs(text));
}

std::u16string QtWindow::App_Path() const
{
    return u16(QCoreApplication::applicationDirPath());
}

void QtWindow::ChDir(std::u16string_view dir)
{
    QDir::setCurrent(qs(dir));
}

void QtWindow::End()
{
    close();
}

} // namespace lexidor
