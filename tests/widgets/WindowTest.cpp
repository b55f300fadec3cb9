// SPDX-License-Identifier: MIT
// The real Qt window on the offscreen platform: the expectations every
// toolkit shares, with and without a contrast theme, what only Qt has (the
// menu bar above the client area, the labels' contrast, auto-repeated keys,
// Qt's key codes).

#include "Catalogue.h"
#include "FormDescription.h"
#include "KeyCodes.h"
#include "QtWindow.h"
#include "VirtualKeys.h"
#include "WindowTestBase.h"

#include <QtGui/QAccessible>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>

#include <cmath>
#include <memory>

using lexidor::QtWindow;

class WindowTest : public lexidor::test::WindowTestBase {
    Q_OBJECT

private:
    void typeText(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(box(), c.toLatin1());
    }

private Q_SLOTS:
    void init()
    {
        window_ = std::make_unique<QtWindow>([] {});
        window_->showCentred();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // Every expectation the Windows window test checks too, in one table.
    void sharedExpectations() { checkSharedExpectations(); }

    // The menu bar sits above the client area, outside it.
    void clientAreaIsBelowTheMenu()
    {
        QWidget* client = window_->centralWidget();
        QCOMPARE(client->y(), window_->menuBar()->height());
        QCOMPARE(window_->size(), QSize(client->width(), client->height() + window_->menuBar()->height()));
    }

    // WCAG contrast between each label's text colour and every pixel of the
    // picture the window draws behind it: at least 4.5:1 everywhere.
    void labelTextContrast_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lblBuscar") << "lblBuscar";
        QTest::newRow("lblDescripcion") << "lblDescripcion";
    }
    void labelTextContrast()
    {
        QFETCH(QString, name);
        auto* label = window_->findChild<QLabel*>(name);
        QVERIFY(label);
        const QColor text = label->palette().color(QPalette::WindowText);
        label->hide();
        const QImage behind = window_->centralWidget()->grab(label->geometry()).toImage();
        label->show();
        QVERIFY(!behind.isNull());
        auto luminance = [](QColor c) {
            auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double textLuminance = luminance(text);
        double worst = 21;
        for (int y = 0; y < behind.height(); ++y) {
            for (int x = 0; x < behind.width(); ++x) {
                const double pixel = luminance(behind.pixelColor(x, y));
                const double ratio =
                    (std::max(pixel, textLuminance) + 0.05) / (std::min(pixel, textLuminance) + 0.05);
                worst = std::min(worst, ratio);
            }
        }
        qInfo("%s: worst contrast %.2f:1", qPrintable(name), worst);
        QVERIFY2(worst >= 4.5, qPrintable(QStringLiteral("worst contrast %1:1").arg(worst, 0, 'f', 2)));
    }

    // A high-contrast application palette set while the window is open, as
    // a desktop's change of theme sets it, dark and light (the colours of
    // the two Windows contrast themes): the window follows it and meets what
    // every toolkit must under a contrast theme. Then the ordinary palette
    // again brings the picture back.
    void contrastPalette_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("highlightedText");
        QTest::newRow("dark") << QColor(Qt::black) << QColor(Qt::white) << QColor(0x1a, 0xeb, 0xff)
                              << QColor(Qt::black);
        QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black) << QColor(0x37, 0x00, 0x6e)
                               << QColor(Qt::white);
    }
    void contrastPalette()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(QColor, highlight);
        QFETCH(QColor, highlightedText);
        const QPalette ordinary = QApplication::palette();
        // The emblem's corner of the picture, above the definition.
        const QRect corner(390, 0, 100, 75);
        const QImage ordinaryLook = window_->centralWidget()->grab(corner).toImage();
        QPalette theme(text, window, window, window, window, text, text, window, window);
        theme.setColor(QPalette::ButtonText, text);
        theme.setColor(QPalette::Highlight, highlight);
        theme.setColor(QPalette::HighlightedText, highlightedText);
        QApplication::setPalette(theme);
        QCoreApplication::processEvents(); // the windows hear of it by a posted event
        typeText(QStringLiteral("csn"));
        QTest::keyClick(box(), Qt::Key_Return);
        const lexidor::test::ThemedWindowSeen seen = measureThemed();
        qInfo("%s", lexidor::test::themedWindowSummary(seen, QTest::currentDataTag()).c_str());
        const std::vector<std::string> faults =
            lexidor::test::themedWindowFaults(seen, QTest::currentDataTag());
        QApplication::setPalette(ordinary);
        QCoreApplication::processEvents();
        for (const std::string& fault : faults)
            qWarning("FAIL %s", fault.c_str());
        QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
        QCOMPARE(window_->centralWidget()->grab(corner).toImage(), ordinaryLook);
    }

    void heldKeyGivesOneKeyUp()
    {
        typeText(QStringLiteral("csn"));
        QCOMPARE(window_->logic().longitud(), 4);
        // Auto-repeated releases while Shift is held are not KeyUps...
        for (int i = 0; i < 5; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
            QApplication::sendEvent(box(), &press);
            QApplication::sendEvent(box(), &release);
        }
        QCOMPARE(window_->logic().longitud(), 4);
        // ...the final release is.
        QTest::keyRelease(box(), Qt::Key_Shift);
        QCOMPARE(window_->logic().longitud(), 5);
    }

    void virtualKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << 13;
        QTest::newRow("keypad-enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << 8;
        QTest::newRow("a") << int(Qt::Key_A) << 0 << 65;
        QTest::newRow("z") << int(Qt::Key_Z) << 0 << 90;
        QTest::newRow("0") << int(Qt::Key_0) << 0 << 48;
        QTest::newRow("9") << int(Qt::Key_9) << 0 << 57;
        QTest::newRow("keypad-5") << int(Qt::Key_5) << int(Qt::KeypadModifier) << 101;
        QTest::newRow("shift") << int(Qt::Key_Shift) << 0 << 16;
        QTest::newRow("control") << int(Qt::Key_Control) << 0 << 17;
        QTest::newRow("alt") << int(Qt::Key_Alt) << 0 << 18;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << 37;
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << 38;
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << 40;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << 32;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << 46;
        QTest::newRow("f1") << int(Qt::Key_F1) << 0 << 112;
        QTest::newRow("capslock") << int(Qt::Key_CapsLock) << 0 << 20;
        // After its accent key, an accented vowel is its letter's key.
        QTest::newRow("a-acute-is-the-a-key") << int(Qt::Key_Aacute) << 0 << 65;
        QTest::newRow("ntilde-is-oem-3") << int(Qt::Key_Ntilde) << 0 << 192;
        QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << 188;
        QTest::newRow("keypad-plus") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << 107;
        QTest::newRow("plus") << int(Qt::Key_Plus) << 0 << 187;
        QTest::newRow("dead-acute-has-no-code") << int(Qt::Key_Dead_Acute) << 0 << 0;
        QTest::newRow("unknown") << int(Qt::Key_unknown) << 0 << 0;
    }
    void virtualKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QCOMPARE(lexidor::virtualKeyOf(key, Qt::KeyboardModifiers(modifiers)), code);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lexidor::QtWindow::setApplicationIdentity();
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WindowTest.moc"
