// SPDX-License-Identifier: MIT
// lexidor-scenario: runs the real Qt window on the offscreen platform and
// drives it with real mouse and key events, one command a line from standard
// input, printing the window's state as one JSON line after each command
// (tests/scenarios/README.md). What was said is heard as a screen reader
// hears it: a notification appearing in the window, read by its accessible
// name.

#include "QtWindow.h"
#include "ScenarioProtocol.h"

#include <QtCore/QTimer>
#include <QtGui/QAccessible>
#include <QtGui/QKeyEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

namespace {

using lexidor::QtWindow;
namespace scenario = lexidor::scenario;

// The Qt key a keyboard reports for a typed character.
Qt::Key keyForCharacter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return static_cast<Qt::Key>(Qt::Key_A + (c - U'a'));
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U' ')
        return static_cast<Qt::Key>(c);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<Qt::Key>(c - 0x20); // Qt names Latin-1 keys by their capital
    if ((c > 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return static_cast<Qt::Key>(c);
    return Qt::Key_unknown;
}

Qt::Key qtKey(scenario::BoxKey key)
{
    using K = scenario::BoxKey;
    switch (key) {
    case K::Enter:
        return Qt::Key_Return;
    case K::KeypadEnter:
        return Qt::Key_Enter;
    case K::Backspace:
        return Qt::Key_Backspace;
    case K::Shift:
        return Qt::Key_Shift;
    case K::Left:
        return Qt::Key_Left;
    case K::Right:
        return Qt::Key_Right;
    case K::Home:
        return Qt::Key_Home;
    case K::End:
        return Qt::Key_End;
    case K::Delete:
        return Qt::Key_Delete;
    case K::CapsLock:
        return Qt::Key_CapsLock;
    }
    return Qt::Key_unknown;
}

Qt::Key qtKey(scenario::ListKey key)
{
    using K = scenario::ListKey;
    switch (key) {
    case K::Enter:
        return Qt::Key_Return;
    case K::Space:
        return Qt::Key_Space;
    case K::Up:
        return Qt::Key_Up;
    case K::Down:
        return Qt::Key_Down;
    case K::PageUp:
        return Qt::Key_PageUp;
    case K::PageDown:
        return Qt::Key_PageDown;
    case K::Home:
        return Qt::Key_Home;
    case K::End:
        return Qt::Key_End;
    case K::Letter:
        break;
    }
    return Qt::Key_unknown;
}

// Listens for what the window says. An object of the notification role that
// appears is read out by its name (QtAccessibility.h); the application's
// event filter sees every widget shown.
class Listener final : public QObject {
public:
    Listener() { QCoreApplication::instance()->installEventFilter(this); }

    // The last text said since the previous call, empty when none.
    std::u16string take() { return std::exchange(heard_, std::u16string()); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->isWidgetType()) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(object);
            if (spoken && spoken->role() == QAccessible::Notification)
                heard_ = spoken->text(QAccessible::Name).toStdU16String();
        }
        return false;
    }

private:
    std::u16string heard_;
};

class QtTarget final : public scenario::Target {
public:
    QtTarget() { start(); }

    int rows() const override { return list()->count(); }
    bool ended() const override { return ended_; }
    scenario::State state() override;
    void typeCharacter(std::u16string_view character) override;
    void act(const scenario::Command& command) override;

private:
    void start();
    static void settle() { QCoreApplication::processEvents(); }
    QLineEdit* box() const { return window_->findChild<QLineEdit*>(QStringLiteral("txtBuscar")); }
    QListWidget* list() const { return window_->findChild<QListWidget*>(QStringLiteral("lstLista")); }
    QWidget* focusOrWindow() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    }
    void doubleClick(QWidget* target, QPoint at);

    // Overloads for std::visit, one per command.
    void operator()(const scenario::Type&) {}
    void operator()(const scenario::PressBoxKey& c)
    {
        const bool keypad = c.key == scenario::BoxKey::KeypadEnter;
        QTest::keyClick(box(), qtKey(c.key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    }
    void operator()(const scenario::PressListKey& c)
    {
        if (c.key == scenario::ListKey::Letter)
            QTest::keyClick(list(), static_cast<char>(c.letter - 'A' + 'a'));
        else
            QTest::keyClick(list(), qtKey(c.key));
    }
    void operator()(const scenario::ReleaseAlt&) { QTest::keyRelease(box(), Qt::Key_Alt); }
    // In the box, to the right of its text.
    QPoint inBox() const { return {box()->width() - 4, box()->height() / 2}; }
    void operator()(const scenario::ClickBox& c)
    {
        using B = scenario::Button;
        const Qt::MouseButton button = c.button == B::Left    ? Qt::LeftButton
                                       : c.button == B::Right ? Qt::RightButton
                                                              : Qt::MiddleButton;
        // The context menu a right click opens is closed from inside its loop.
        if (button == Qt::RightButton) {
            QTimer::singleShot(50, [] {
                if (QWidget* menu = QApplication::activePopupWidget())
                    menu->close();
            });
        }
        QTest::mouseClick(box(), button, Qt::NoModifier, inBox());
    }
    // Pressed where a click presses, released 20 pixels to the right of the
    // box: the box holds the mouse while the button is down.
    void operator()(const scenario::DragBox&)
    {
        const QPoint outside(box()->width() + 20, box()->height() / 2);
        QTest::mousePress(box(), Qt::LeftButton, Qt::NoModifier, inBox());
        QTest::mouseMove(box(), outside);
        QTest::mouseRelease(box(), Qt::LeftButton, Qt::NoModifier, outside);
    }
    void operator()(const scenario::DoubleClickBox&) { doubleClick(box(), inBox()); }
    void operator()(const scenario::EnterOnBuscar&)
    {
        auto* buscar = window_->findChild<QPushButton*>(QStringLiteral("cmdBuscar"));
        buscar->setFocus(Qt::TabFocusReason);
        QTest::keyClick(buscar, Qt::Key_Return);
    }
    void operator()(const scenario::ClickBuscar&)
    {
        QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("cmdBuscar")), Qt::LeftButton);
    }
    void operator()(const scenario::SelectRow& c);
    void operator()(const scenario::DoubleClickRow& c);
    void operator()(const scenario::DoubleClickBelowRows&);
    void operator()(const scenario::Tab& c);
    void operator()(const scenario::Activate&);
    void operator()(const scenario::Restart&);
    void operator()(const scenario::EndProgram& c);

    Listener listener_;
    std::unique_ptr<QtWindow> window_;
    bool ended_ = false;
};

void QtTarget::start()
{
    ended_ = false;
    window_ = std::make_unique<QtWindow>([this] { ended_ = true; });
    window_->showCentred();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        std::cerr << "lexidor-scenario: the window did not become active\n";
    settle();
}

scenario::State QtTarget::state()
{
    const QWidget* focus = QApplication::focusWidget();
    return {box()->text().toStdU16String(),
            window_->selectedRow(),
            list()->indexAt(QPoint(1, 1)).row(),
            window_->findChild<QLabel*>(QStringLiteral("lblDescripcion"))->text().toStdU16String(),
            window_->logic().indice(),
            window_->logic().longitud(),
            focus ? focus->objectName().toStdU16String() : std::u16string(),
            listener_.take()};
}

void QtTarget::typeCharacter(std::u16string_view character)
{
    const QString text = QString::fromUtf16(character.data(), static_cast<qsizetype>(character.size()));
    const char32_t c = text.size() == 2 ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode();
    QTest::sendKeyEvent(QTest::Click, box(), keyForCharacter(c), text, Qt::NoModifier);
    settle();
}

void QtTarget::act(const scenario::Command& command)
{
    std::visit([this](const auto& c) { (*this)(c); }, command);
    settle();
}

void QtTarget::operator()(const scenario::SelectRow& c)
{
    QListWidgetItem* item = list()->item(c.row);
    list()->scrollToItem(item);
    settle();
    QTest::mouseClick(list()->viewport(),
                      c.button == scenario::Button::Right ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier,
                      list()->visualItemRect(item).center());
}

// A hand's double-click: the first click, then the second press that the
// system reports as a double-click, then its release.
void QtTarget::doubleClick(QWidget* target, QPoint at)
{
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
}

void QtTarget::operator()(const scenario::DoubleClickRow& c)
{
    QListWidgetItem* item = list()->item(c.row);
    list()->scrollToItem(item);
    settle();
    doubleClick(list()->viewport(), list()->visualItemRect(item).center());
}

// The list scrolled to its end, a double-click on the empty space below the
// last row.
void QtTarget::operator()(const scenario::DoubleClickBelowRows&)
{
    QListWidgetItem* last = list()->item(list()->count() - 1);
    list()->scrollToItem(last);
    settle();
    const QRect row = list()->visualItemRect(last);
    const QPoint below(row.center().x(), (row.bottom() + list()->viewport()->height()) / 2 + 1);
    doubleClick(list()->viewport(), below);
}

// The press moves the focus on; the releases reach the control that has the
// focus by then, as on a real keyboard. Shift+Tab is Shift pressed, Tab
// pressed and released (Qt's Backtab), Shift released: sent as single events,
// since QTest would add Shift presses and releases of its own.
void QtTarget::operator()(const scenario::Tab& c)
{
    auto send = [this](QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(focusOrWindow(), &event);
        settle();
    };
    const Qt::Key key = c.backwards ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers modifiers =
        (c.backwards ? Qt::ShiftModifier : Qt::NoModifier) | (c.ctrl ? Qt::ControlModifier : Qt::NoModifier);
    if (c.backwards)
        send(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString());
    send(QEvent::KeyPress, key, modifiers, QStringLiteral("\t"));
    send(QEvent::KeyRelease, key, modifiers, QStringLiteral("\t"));
    if (c.backwards)
        send(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, QString());
}

void QtTarget::operator()(const scenario::Activate&)
{
    QApplication::setActiveWindow(nullptr);
    settle();
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    (void)QTest::qWaitForWindowActive(window_.get());
}

void QtTarget::operator()(const scenario::Restart&)
{
    window_->close();
    window_.reset();
    settle();
    start();
}

void QtTarget::operator()(const scenario::EndProgram& c)
{
    switch (c.how) {
    case scenario::EndProgram::AccessKey:
        QTest::keyClick(focusOrWindow(), Qt::Key_C, Qt::AltModifier);
        break;
    case scenario::EndProgram::MenuClick: {
        QMenuBar* bar = window_->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->actionGeometry(bar->actions().value(0)).center());
        break;
    }
    case scenario::EndProgram::CloseControl:
        window_->close();
        break;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtWindow::setApplicationIdentity();
    QtTarget target;
    return scenario::run(stdin, stdout, target);
}
