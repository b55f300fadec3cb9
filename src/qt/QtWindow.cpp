// SPDX-License-Identifier: MIT
#include "QtWindow.h"

#include "Catalogue.h"
#include "FormDescription.h"
#include "LexidorVersion.h"
#include "Pictures.h"
#include "QtAccessibility.h"
#include "Styles.h"
#include "VirtualKeys.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QItemSelectionModel>
#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QIcon>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtGui/QPalette>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyleFactory>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
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

// The client area: the background picture drawn from its top-left corner,
// or a plain colour when one is given.
class Client final : public QWidget {
public:
    Client(const QImage& picture, const std::optional<QColor>& plain, QWidget* parent)
        : QWidget(parent), picture_(picture), plain_(plain)
    {
        setFixedSize(kFrmLexidor.clientPixelWidth(), kFrmLexidor.clientPixelHeight());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), plain_.value_or(colour(kFrmLexidor.background)));
        if (!plain_)
            painter.drawImage(0, 0, picture_);
    }

private:
    const QImage& picture_;
    const std::optional<QColor>& plain_;
};

// A caption with the buttons the table names, and a border the user cannot
// drag when the window is not sizable.
Qt::WindowFlags frameFlags()
{
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (kFrmLexidor.minimizeMaximizeButtons)
        flags |= Qt::WindowMinMaxButtonsHint;
    if (!kFrmLexidor.sizable)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

Modifiers modifiersOf(Qt::KeyboardModifiers held)
{
    return {(held & Qt::ShiftModifier) != 0, (held & Qt::ControlModifier) != 0, (held & Qt::AltModifier) != 0,
            (held & Qt::MetaModifier) != 0};
}

// A contrast theme's colour in a palette. The box and the list are text
// fields, which Qt draws in the palette's Text on Base.
QPalette::ColorRole roleOf(ThemeColour c, bool field = false)
{
    switch (c) {
    case ThemeColour::Window:
        return field ? QPalette::Base : QPalette::Window;
    case ThemeColour::WindowText:
        return field ? QPalette::Text : QPalette::WindowText;
    case ThemeColour::Highlight:
        return QPalette::Highlight;
    case ThemeColour::HighlightText:
        return QPalette::HighlightedText;
    case ThemeColour::ButtonFace:
        return QPalette::Button;
    case ThemeColour::ButtonText:
        return QPalette::ButtonText;
    }
    return QPalette::WindowText;
}

Rgb rgbOf(const QColor& c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// Linux desktops say no more than the palette they hand out: a palette is a
// contrast theme when every pair of colours the contrast rule uses stands
// out at the enhanced contrast. Ordinary palettes fall short, most on the
// highlight (Fusion's white on #308cc6 is 3.7:1).
bool isContrastPalette(const QPalette& palette)
{
    auto strong = [&palette](ThemePair pair, bool field) {
        return contrastRatio(rgbOf(palette.color(roleOf(pair.ink, field))),
                             rgbOf(palette.color(roleOf(pair.ground, field)))) >= kContrastThemeContrast;
    };
    bool all = strong(kContrastRule.client, false) && strong(kContrastRule.selectedRow, false);
    for (const ControlDescription& c : kFrmLexidor.controls)
        all = all &&
              strong(kContrastRule[c.id], c.kind == ControlKind::TextBox || c.kind == ControlKind::ListBox);
    return all;
}

MouseButton buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

} // namespace

QtWindow::QtWindow(std::function<void()> onEnd)
    : QMainWindow(nullptr, frameFlags()), onEnd_(std::move(onEnd)), background_(pictureOf(backgroundBits()))
{
    // Before the menu bar exists; the style wraps the one Qt chose.
    if (!isWindowStyle(QApplication::style()))
        QApplication::setStyle(newWindowStyle(QStyleFactory::create(QApplication::style()->name())));
    setObjectName(QString::fromLatin1(kFrmLexidor.name));
    setWindowTitle(qs(kFrmLexidor.caption));
    QIcon icon;
    for (const PictureBits& image : iconBits())
        icon.addPixmap(QPixmap::fromImage(pictureOf(image)));
    setWindowIcon(icon);
    // The controls are sized for the classic 8-point dialog font; the first
    // of the table's faces found here has its metrics.
    QStringList faces;
    for (const std::u16string_view face : kFrmLexidor.fontFaces)
        faces << qs(face);
    QFont dialogFont;
    dialogFont.setFamilies(faces);
    dialogFont.setPixelSize(kFrmLexidor.fontPixels);
    setFont(dialogFont);

    auto* client = new Client(background_, plainGround_, this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    createMenu();
    createControls(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyColours();

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
    widget->setObjectName(QString::fromLatin1(c.name));
    // A control read by its text has no name of its own (a label is then
    // named by its text).
    if (!c.readByText)
        widget->setAccessibleName(qs(c.accessibleName));
    widget->setAccessibleDescription(qs(c.accessibleDescription()));
    const auto* frame = qobject_cast<QFrame*>(widget);
    const PixelRect r = kFrmLexidor.boxAt(id, kBaseDpi, frame ? frame->frameWidth() : 0);
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

// The labels' colours and the client area's ground: white on the picture,
// or under a contrast palette the palette's own colours, as the form's
// contrast rule gives them. The other controls draw in the palette anyway.
void QtWindow::applyColours()
{
    // The labels stay transparent, on the client area's ground.
    static_assert(kContrastRule[Control::lblBuscar].ground == kContrastRule.client.ground &&
                  kContrastRule[Control::lblDescripcion].ground == kContrastRule.client.ground);
    const QPalette theme = palette();
    const bool contrast = isContrastPalette(theme);
    plainGround_.reset();
    if (contrast)
        plainGround_ = theme.color(roleOf(kContrastRule.client.ground));
    for (const auto& [label, id] :
         {std::pair{lblBuscar_, Control::lblBuscar}, {lblDescripcion_, Control::lblDescripcion}}) {
        QPalette colours = theme;
        colours.setColor(QPalette::WindowText, contrast ? theme.color(roleOf(kContrastRule[id].ink))
                                                        : colour(kFrmLexidor.labelText));
        label->setPalette(colours);
    }
    centralWidget()->update();
}

void QtWindow::createControls(QWidget* client)
{
    auto makeLabel = [&](Control id) {
        const ControlDescription& c = kFrmLexidor[id];
        auto* label = new QLabel(qs(c.text), client);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setWordWrap(c.wraps());
        if (c.framed) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            label->setMargin(kFrmLexidor.labelMargin);
            // Only the table's margin: no indent of QLabel's own beside a frame.
            label->setIndent(0);
        }
        place(label, id);
        return label;
    };

    lblBuscar_ = makeLabel(Control::lblBuscar);

    txtBuscar_ = new QLineEdit(qs(kFrmLexidor[Control::txtBuscar].text), client);
    place(txtBuscar_, Control::txtBuscar);

    createList(client);
    lblDescripcion_ = makeLabel(Control::lblDescripcion);
    announcer_ = new Announcer(client);

    cmdBuscar_ = new QPushButton(qs(kFrmLexidor[Control::cmdBuscar].text), client);
    cmdBuscar_->setAutoDefault(false);
    connect(cmdBuscar_, &QPushButton::clicked, this, [this] { events_.buscarClicked(); });
    place(cmdBuscar_, Control::cmdBuscar);
    for (QObject* watched :
         std::initializer_list<QObject*>{txtBuscar_, lstLista_, lstLista_->viewport(), cmdBuscar_})
        watched->installEventFilter(this);

    lblBuscar_->setBuddy(txtBuscar_);

    const std::array<QWidget*, kControlCount> widgets{lblBuscar_, txtBuscar_, lstLista_, lblDescripcion_,
                                                      cmdBuscar_};
    QWidget* previous = nullptr;
    for (const Control id : kFrmLexidor.tabOrder()) {
        QWidget* widget = widgets[static_cast<std::size_t>(id)];
        // The client's children in tab order, labels included: the order in
        // which a screen reader walks them.
        widget->raise();
        if (!kFrmLexidor[id].focusable())
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void QtWindow::createList(QWidget* client)
{
    lstLista_ = new TermList(client);
    lstLista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstLista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstLista_->setDragEnabled(false);
    lstLista_->setUniformItemSizes(true);
    lstLista_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    lstLista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listStyle_.reset(newListRowStyle());
    lstLista_->setStyle(listStyle_.get());
    lstLista_->setItemDelegate(newListRowDelegate(lstLista_));
    for (const Entry& entry : kCatalogue)
        lstLista_->addItem(qs(entry.term));
    // The wheel and the scroll bar move the list itself; the form hears of it.
    connect(lstLista_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (!drawingList_)
            events_.listScrolled(top);
    });
    place(lstLista_, Control::lstLista);
    events_.listResized(lstLista_->contentsRect().height(), kFrmLexidor.listRowPixels);
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
    // A new application palette (the desktop's theme changed, or the
    // program set one): the window follows it.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        const bool handled = QMainWindow::event(event);
        if (lblDescripcion_)
            applyColours();
        return handled;
    }
    // Activate runs on the first activation only (FormEvents): coming back
    // from another application leaves the focus where the user left it.
    if (event->type() == QEvent::WindowActivate) {
        const bool handled = QMainWindow::event(event);
        events_.activated();
        return handled;
    }
    return QMainWindow::event(event);
}

std::optional<Control> QtWindow::controlOf(const QObject* watched) const
{
    if (watched == txtBuscar_)
        return Control::txtBuscar;
    if (watched == lstLista_ || watched == lstLista_->viewport())
        return Control::lstLista;
    if (watched == cmdBuscar_)
        return Control::cmdBuscar;
    return std::nullopt;
}

// Each key and mouse button goes to the form as Qt reported it; where the
// form has done all there is to do, Qt does nothing more with it.
bool QtWindow::eventFilter(QObject* watched, QEvent* event)
{
    const std::optional<Control> on = controlOf(watched);
    if (!on)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const char32_t typed = text.size() == 1 ? text.at(0).unicode() : 0;
        if (events_.keyPressed(*on, virtualKeyOf(key->key(), key->modifiers()), modifiersOf(key->modifiers()),
                               typed) == Reaction::Handled)
            return true;
        break;
    }
    case QEvent::KeyRelease: {
        // Holding a key down gives one KeyUp, when it is finally released.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            events_.keyReleased(*on, virtualKeyOf(key->key(), key->modifiers()));
        return *on != Control::cmdBuscar;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int count = event->type() == QEvent::MouseButtonDblClick ? 2 : 1;
        const int row = *on == Control::lstLista ? lstLista_->indexAt(mouse->position().toPoint()).row() : -1;
        if (watched != lstLista_ &&
            events_.buttonPressed(*on, buttonOf(mouse->button()), row, count) == Reaction::Handled)
            return true;
        break;
    }
    case QEvent::MouseButtonRelease: {
        if (watched == lstLista_)
            break;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const MouseButton button = buttonOf(mouse->button());
        const bool inside = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        // A release the form takes whole (the list's, the middle button's
        // in the box) goes no further.
        if (*on == Control::lstLista || button == MouseButton::Middle)
            return events_.buttonReleased(*on, button, inside) == Reaction::Handled;
        // The box places its caret first; then the form hears of it.
        const bool handled = QMainWindow::eventFilter(watched, event);
        events_.buttonReleased(*on, button, inside);
        return handled;
    }
    case QEvent::MouseMove:
        // No dragging over the rows: the form's list moves on presses only.
        if (watched == lstLista_->viewport())
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
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

void QtWindow::Control_SetFocus(Control c, bool selectText)
{
    QWidget* widget = c == Control::txtBuscar  ? static_cast<QWidget*>(txtBuscar_)
                      : c == Control::lstLista ? static_cast<QWidget*>(lstLista_)
                                               : static_cast<QWidget*>(cmdBuscar_);
    // A focus reason of the form's own, so Qt adds no selection of its own.
    widget->setFocus(Qt::OtherFocusReason);
    if (selectText && widget == txtBuscar_)
        txtBuscar_->selectAll();
}

// The end of an event: the list moves to its new place in one step, one
// scroll and one change of selection, however far the logic went.
void QtWindow::lstLista_Show(int selectedRow, int topRow)
{
    drawingList_ = true;
    lstLista_->verticalScrollBar()->setValue(topRow);
    // The row is in sight already: no scrolling to it on top of that.
    lstLista_->setAutoScroll(false);
    if (selectedRow < 0)
        lstLista_->clearSelection();
    else
        lstLista_->setCurrentRow(selectedRow, QItemSelectionModel::ClearAndSelect);
    lstLista_->setAutoScroll(true);
    drawingList_ = false;
}

int QtWindow::selectedRow() const
{
    const QModelIndexList selected = lstLista_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int QtWindow::topRow() const
{
    return lstLista_->verticalScrollBar()->value();
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
