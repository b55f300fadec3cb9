// SPDX-License-Identifier: MIT
// lexidor-scenario: runs the real Qt window on the offscreen platform and
// drives it with real mouse and key events, one command a line from standard
// input, printing the window's state as one JSON line after each command.

#include "QtWindow.h"
#include "StateLine.h"

#include <QtCore/QTextStream>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace {

using lexidor::QtWindow;

class Driver {
public:
    Driver() { start(); }

    // Runs one command line; false when the program has ended.
    bool run(const QString& line, int lineNumber);

private:
    void start();
    void settle() const { QCoreApplication::processEvents(); }
    void printState() const;
    void fail(const QString& why, int lineNumber, const QString& line) const;
    void endProgram(bool byMenu);

    template <typename T> T* control(const char* name) const
    {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<QtWindow> window_;
    bool ended_ = false;
};

void Driver::start()
{
    ended_ = false;
    window_ = std::make_unique<QtWindow>([this] { ended_ = true; });
    window_->showCentred();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        std::cerr << "lexidor-scenario: the window did not become active\n";
    settle();
    printState();
}

void Driver::printState() const
{
    const QWidget* focus = QApplication::focusWidget();
    const std::string line = lexidor::scenario::stateLine(
        {control<QLineEdit>("txtBuscar")->text().toStdU16String(), window_->selectedRow(),
         control<QLabel>("lblDescripcion")->text().toStdU16String(), window_->logic().indice(),
         window_->logic().longitud(), focus ? focus->objectName().toStdU16String() : std::u16string()});
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void Driver::fail(const QString& why, int lineNumber, const QString& line) const
{
    const std::string msg = lexidor::scenario::errorLine(
        QStringLiteral("line %1: %2: %3").arg(lineNumber).arg(why, line).toStdU16String());
    std::fwrite(msg.data(), 1, msg.size(), stdout);
    std::fflush(stdout);
    std::exit(2);
}

void Driver::endProgram(bool byMenu)
{
    if (byMenu) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
        QTest::keyClick(target, Qt::Key_C, Qt::AltModifier);
    } else {
        window_->close();
    }
    settle();
}

// The Qt key a keyboard reports for a typed character.
Qt::Key keyForCharacter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return static_cast<Qt::Key>(Qt::Key_A + (c - U'a'));
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U' ')
        return static_cast<Qt::Key>(c);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<Qt::Key>(c - 0x20); // Qt names Latin-1 keys by their capital
    if (c > 0x20 && c < 0x7F)
        return static_cast<Qt::Key>(c);
    if (c >= 0xA0 && c <= 0xFF)
        return static_cast<Qt::Key>(c);
    return Qt::Key_unknown;
}

const std::map<QString, Qt::Key>& boxKeys()
{
    static const std::map<QString, Qt::Key> keys{
        {QStringLiteral("Enter"), Qt::Key_Return},     {QStringLiteral("Backspace"), Qt::Key_Backspace},
        {QStringLiteral("Shift"), Qt::Key_Shift},      {QStringLiteral("Left"), Qt::Key_Left},
        {QStringLiteral("Right"), Qt::Key_Right},      {QStringLiteral("Home"), Qt::Key_Home},
        {QStringLiteral("End"), Qt::Key_End},          {QStringLiteral("Delete"), Qt::Key_Delete},
        {QStringLiteral("CapsLock"), Qt::Key_CapsLock}};
    return keys;
}

const std::map<QString, Qt::Key>& listKeys()
{
    static const std::map<QString, Qt::Key> keys{{QStringLiteral("Enter"), Qt::Key_Return},
                                                 {QStringLiteral("Up"), Qt::Key_Up},
                                                 {QStringLiteral("Down"), Qt::Key_Down},
                                                 {QStringLiteral("Home"), Qt::Key_Home},
                                                 {QStringLiteral("End"), Qt::Key_End}};
    return keys;
}

std::optional<int> rowNumber(const QString& text, int rows)
{
    bool ok = false;
    const int row = text.toInt(&ok);
    if (!ok || row < 0 || row >= rows)
        return std::nullopt;
    return row;
}

bool Driver::run(const QString& line, int lineNumber)
{
    if (line.trimmed().isEmpty() || line.startsWith(u'#'))
        return true;

    const qsizetype space = line.indexOf(u' ');
    const QString command = space < 0 ? line : line.left(space);
    const QString argument = space < 0 ? QString() : line.mid(space + 1);
    auto* box = control<QLineEdit>("txtBuscar");
    auto* list = control<QListWidget>("lstLista");

    if (command == u"type" && space >= 0) {
        for (qsizetype i = 0; i < argument.size(); ++i) {
            char32_t c = argument[i].unicode();
            QString text(argument[i]);
            if (argument[i].isHighSurrogate() && i + 1 < argument.size() &&
                argument[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(argument[i], argument[i + 1]);
                text = argument.mid(i, 2);
                ++i;
            }
            QTest::sendKeyEvent(QTest::Click, box, keyForCharacter(c), text, Qt::NoModifier);
            settle();
        }
    } else if (command == u"key" && boxKeys().count(argument)) {
        QTest::keyClick(box, boxKeys().at(argument));
    } else if (command == u"listkey" && listKeys().count(argument)) {
        QTest::keyClick(list, listKeys().at(argument));
    } else if (line == u"click box") {
        const QPoint rightOfText(box->width() - 4, box->height() / 2);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, rightOfText);
    } else if (line == u"click buscar") {
        QTest::mouseClick(control<QPushButton>("cmdBuscar"), Qt::LeftButton);
    } else if ((command == u"select" || command == u"dblclick") && rowNumber(argument, list->count())) {
        QListWidgetItem* item = list->item(*rowNumber(argument, list->count()));
        list->scrollToItem(item);
        settle();
        const QPoint centre = list->visualItemRect(item).center();
        if (command == u"select")
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        else {
            // A hand's double-click: the first click, then the second press
            // that the system reports as a double-click, then its release.
            QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        }
    } else if (line == u"tab") {
        // The press moves the focus on; the release reaches the control
        // that has the focus by then, as on a real keyboard.
        QWidget* focus = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Press, focus ? focus : window_.get(), Qt::Key_Tab, QString(u'\t'),
                            Qt::NoModifier);
        settle();
        focus = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Release, focus ? focus : window_.get(), Qt::Key_Tab, QString(u'\t'),
                            Qt::NoModifier);
    } else if (line == u"activate") {
        QApplication::setActiveWindow(nullptr);
        settle();
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        (void)QTest::qWaitForWindowActive(window_.get());
    } else if (line == u"restart") {
        window_->close();
        window_.reset();
        settle();
        start();
        return true;
    } else if (line == u"alt+c" || line == u"close") {
        endProgram(line == u"alt+c");
        if (!ended_)
            fail(QStringLiteral("the program did not end"), lineNumber, line);
        std::fputs("{\"ended\":true}\n", stdout);
        std::fflush(stdout);
        return false;
    } else {
        fail(QStringLiteral("cannot read"), lineNumber, line);
    }

    settle();
    if (ended_) {
        std::fputs("{\"ended\":true}\n", stdout);
        std::fflush(stdout);
        return false;
    }
    printState();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtWindow::setApplicationIdentity();

    Driver driver;
    std::string raw;
    int lineNumber = 0;
    while (std::getline(std::cin, raw)) {
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (!driver.run(QString::fromStdString(raw), lineNumber))
            return 0;
    }
    return 0;
}
