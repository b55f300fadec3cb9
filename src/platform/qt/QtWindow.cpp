// SPDX-License-Identifier: MIT
#include "QtWindow.h"

#include "Catalogue.h"
#include "FormDescription.h"
#include "VirtualKeys.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QIcon>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProxyStyle>
#include <QtWidgets/QPushButton>

#include <algorithm>
#include <array>
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

QRect pixelRect(const ControlDescription& c)
{
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width), twipsToPixels(c.height)};
}

// The client area: the background picture drawn from its top-left corner.
class Client final : public QWidget {
public:
    Client(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture)
    {
        const QSize size(twipsToPixels(kFrmLexidor.clientWidth), twipsToPixels(kFrmLexidor.clientHeight));
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x06, 0x12, 0x2e));
        painter.drawPixmap(0, 0, picture_);
    }

private:
    const QPixmap& picture_;
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

} // namespace

QtWindow::QtWindow(std::function<void()> onEnd)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      onEnd_(std::move(onEnd)), background_(QStringLiteral(":/background.jpg"))
{
    setObjectName(QString::fromLatin1(kFrmLexidor.name));
    setWindowTitle(qs(kFrmLexidor.caption));
    setWindowIcon(QIcon(QStringLiteral(":/lexidor.ico")));
    // The controls are sized for the classic 8-point dialog font; Liberation
    // Sans has its metrics, so the prompt fits its 169 pixels.
    QFont dialogFont(QStringLiteral("Liberation Sans"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto* client = new Client(background_, this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    createMenu();
    createControls(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    frm_.Form_Load();
}

QtWindow::~QtWindow() = default;

void QtWindow::createMenu()
{
    QAction* cerrar = menuBar()->addAction(qs(kFrmLexidor.menu.caption));
    cerrar->setObjectName(QString::fromLatin1(kFrmLexidor.menu.name));
    connect(cerrar, &QAction::triggered, this, [this] {
        if (!ended_)
            frm_.mnuCerrar_Click();
    });
}

void QtWindow::createControls(QWidget* client)
{
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDescription& c : kFrmLexidor.controls) {
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(qs(c.text), client);
            label->setPalette(white);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            label->setAttribute(Qt::WA_TranslucentBackground);
            if (c.framed) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setLineWidth(1);
                label->setWordWrap(true);
                label->setMargin(2);
            }
            widget = label;
            if (c.name == "lblDescripcion")
                lblDescripcion_ = label;
            else
                lblBuscar_ = label;
            break;
        }
        case ControlKind::TextBox:
            txtBuscar_ = new QLineEdit(qs(c.text), client);
            txtBuscar_->installEventFilter(this);
            widget = txtBuscar_;
            break;
        case ControlKind::ListBox: {
            lstLista_ = new QListWidget(client);
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
            connect(lstLista_, &QListWidget::doubleClicked, this, [this] {
                if (!ended_)
                    frm_.lstLista_DblClick();
            });
            widget = lstLista_;
            break;
        }
        case ControlKind::CommandButton:
            cmdBuscar_ = new QPushButton(qs(c.text), client);
            cmdBuscar_->setAutoDefault(false);
            connect(cmdBuscar_, &QPushButton::clicked, this, [this] {
                if (!ended_)
                    frm_.cmdBuscar_Click();
            });
            widget = cmdBuscar_;
            break;
        }
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setAccessibleName(qs(c.accessibleName));
        widget->setGeometry(pixelRect(c));
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(c.tabIndex, widget);
    }
    lblBuscar_->setBuddy(txtBuscar_);

    std::sort(tabOrder.begin(), tabOrder.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void QtWindow::setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Lexidor"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
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
    // Activate belongs to the window's first activation only: coming back
    // from another application must leave the focus where the user left it.
    if (event->type() == QEvent::WindowActivate && !activated_ && !ended_) {
        const bool handled = QMainWindow::event(event);
        activated_ = true;
        frm_.Form_Activate();
        return handled;
    }
    return QMainWindow::event(event);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (ended_)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyRelease: {
        // Holding a key down gives one KeyUp, when it is finally released.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            break;
        const int code = virtualKeyOf(key->key(), key->modifiers());
        if (watched == txtBuscar_)
            frm_.txtBuscar_KeyUp(code);
        else if (watched == lstLista_)
            frm_.lstLista_KeyUp(code);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == txtBuscar_)
            boxDoubleClicked_ = true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == txtBuscar_) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            // One Click per click: the release that ends a double-click is
            // not a second one.
            const bool second = std::exchange(boxDoubleClicked_, false);
            if (mouse->button() == Qt::LeftButton && !second &&
                txtBuscar_->rect().contains(mouse->position().toPoint())) {
                const bool handled = QMainWindow::eventFilter(watched, event);
                frm_.txtBuscar_Click();
                return handled;
            }
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void QtWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (ended_)
        return;
    ended_ = true;
    if (onEnd_)
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
    lstLista_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lstLista_->scrollToItem(lstLista_->item(row));
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

std::filesystem::path QtWindow::App_Path() const
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
}

void QtWindow::ChDir(const std::filesystem::path& dir)
{
    std::error_code ignored;
    std::filesystem::current_path(dir, ignored);
}

void QtWindow::End()
{
    close();
}

} // namespace lexidor
