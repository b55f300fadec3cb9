// SPDX-License-Identifier: MIT
// The real Qt window against hostile input (offscreen): a 30,000-character
// paste, characters outside Latin-1 and outside the BMP, right-to-left text,
// control characters, hundreds of Enter releases at the end of the history,
// and Alt+C in the middle of a run of keys. After every step the state must
// be valid, nothing may hang, and every key step (a key released, a click
// released: the handler and the repaint) must stay under 5 ms of processor
// time even with the long text; LEXIDOR_KEY_STEP_MS sets another budget for
// slow instrumented builds.

#include "Catalogue.h"
#include "FrmLexidor.h"
#include "QtWindow.h"
#include "StateInvariants.h"
#include "WindowTestBase.h"

#include <QtGui/QClipboard>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>

#include <ctime>
#include <functional>
#include <memory>

using lexidor::FrmLexidor;
using lexidor::QtWindow;

namespace {

// The Qt key a keyboard reports with a typed character; the rest have none.
Qt::Key keyFor(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return static_cast<Qt::Key>(Qt::Key_A + (c - U'a'));
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U' ')
        return static_cast<Qt::Key>(c);
    return Qt::Key_unknown;
}

// Splits text into what one key sends: a character, or a surrogate pair.
QStringList keystrokes(const QString& text)
{
    QStringList keys;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            keys << text.mid(i, 2);
            ++i;
        } else {
            keys << QString(text[i]);
        }
    }
    return keys;
}

qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

QString repeated(const QString& pattern, qsizetype length)
{
    QString out;
    out.reserve(length);
    while (out.size() < length)
        out += pattern;
    out.truncate(length);
    return out;
}

} // namespace

class HostileInputTest : public lexidor::test::WindowTestBase {
    Q_OBJECT

private:
    int ends_ = 0;
    qint64 budgetNs_ = 5'000'000;
    // No action may take this long, not even what the box itself does with
    // a key press (insert, delete, paste, and lay the whole text out again).
    static constexpr qint64 kHangNs = 500'000'000;
    qint64 slowestNs_ = 0;
    QString slowest_;
    QString problem_;

    // Empty when the window's state is one the logic can be in.
    QString stateProblem() const
    {
        const FrmLexidor& logic = window_->logic();
        const QList<QListWidgetItem*> selected = list()->selectedItems();
        const std::u16string rowText =
            selected.isEmpty() ? std::u16string() : selected.front()->text().toStdU16String();
        const std::u16string caption = definition()->text().toStdU16String();
        return QString::fromStdString(lexidor::test::stateProblem(
            {logic.indice(), logic.longitud(), window_->selectedRow(),
             static_cast<int>(list()->selectedItems().size()), rowText, caption}));
    }

    // Runs one user action with the events it causes and the repaint, then
    // checks the state. False (with problem_ set) when the state is invalid,
    // when the action took longer than kHangNs on the clock, or when a key
    // step needed more than the key-step budget of this thread's processor
    // time (which a busy machine does not inflate).
    bool step(const QString& what, bool keyStep, const std::function<void()>& action)
    {
        QElapsedTimer timer;
        const qint64 cpuStart = threadCpuNs();
        timer.start();
        action();
        QCoreApplication::processEvents();
        const qint64 wall = timer.nsecsElapsed();
        const qint64 cpu = threadCpuNs() - cpuStart;
        if (wall > kHangNs) {
            problem_ = QStringLiteral("%1 took %2 ms").arg(what).arg(double(wall) / 1e6, 0, 'f', 1);
            return false;
        }
        if (keyStep && cpu > slowestNs_) {
            slowestNs_ = cpu;
            slowest_ = what;
        }
        if (keyStep && cpu > budgetNs_) {
            problem_ = QStringLiteral("key step %1 took %2 ms").arg(what).arg(double(cpu) / 1e6, 0, 'f', 2);
            return false;
        }
        if (const QString p = stateProblem(); !p.isEmpty()) {
            problem_ = QStringLiteral("after %1: %2").arg(what, p);
            return false;
        }
        return true;
    }

    // A key press is the box's own editing (with a long text, Qt lays the
    // whole line out again); the release is the key step. Each is timed on
    // its own.
    bool keystroke(const QString& what, const std::function<void()>& press,
                   const std::function<void()>& release)
    {
        return step(what + QStringLiteral(" pressed"), false, press) &&
               step(what + QStringLiteral(" released"), true, release);
    }
    bool type(const QString& text)
    {
        for (const QString& key : keystrokes(text)) {
            const char32_t c = key.size() == 2 ? QChar::surrogateToUcs4(key[0], key[1]) : key[0].unicode();
            const Qt::Key k = keyFor(c);
            if (!keystroke(
                    QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')),
                    [&] { QTest::sendKeyEvent(QTest::Press, box(), k, key, Qt::NoModifier); },
                    [&] { QTest::sendKeyEvent(QTest::Release, box(), k, key, Qt::NoModifier); }))
                return false;
        }
        return true;
    }
    bool key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return keystroke(
            QStringLiteral("key 0x%1").arg(int(k), 0, 16), [&] { QTest::keyPress(target, k, modifiers); },
            [&] { QTest::keyRelease(target, k, modifiers); });
    }
    // A click: the press moves the focus (the box lays its text out again),
    // the release raises the control's Click.
    bool click(const QString& what, QWidget* target, QPoint at)
    {
        return step(what + QStringLiteral(" pressed"), false,
                    [&] { QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at); }) &&
               step(what + QStringLiteral(" released"), true,
                    [&] { QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at); });
    }
    bool clickBox()
    {
        return click(QStringLiteral("click into the box"), box(),
                     QPoint(box()->width() - 4, box()->height() / 2));
    }
    bool clickBuscar() { return click(QStringLiteral("Buscar"), buscar(), buscar()->rect().center()); }

    // Clears the box with the keyboard, restarts the search with a click and
    // looks up "csn": the window still works after whatever came before.
    void looksUpCsnAfterwards()
    {
        QVERIFY2(key(box(), Qt::Key_A, Qt::ControlModifier), qPrintable(problem_));
        QVERIFY2(key(box(), Qt::Key_Backspace), qPrintable(problem_));
        QCOMPARE(box()->text(), QString());
        QVERIFY2(clickBox(), qPrintable(problem_));
        QVERIFY2(type(QStringLiteral("csn")), qPrintable(problem_));
        QVERIFY2(key(box(), Qt::Key_Return), qPrintable(problem_));
        QCOMPARE(window_->selectedRow(), 13);
        QCOMPARE(definition()->text(), definitionOf(13));
        QCOMPARE(window_->logic().longitud(), 5);
    }

private Q_SLOTS:
    void initTestCase()
    {
        bool ok = false;
        const int ms = qEnvironmentVariableIntValue("LEXIDOR_KEY_STEP_MS", &ok);
        if (ok && ms > 0)
            budgetNs_ = qint64(ms) * 1'000'000;
    }

    void init()
    {
        ends_ = 0;
        slowestNs_ = 0;
        problem_.clear();
        window_ = std::make_unique<QtWindow>([this] { ++ends_; });
        window_->showCentred();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup()
    {
        if (!slowest_.isEmpty())
            qInfo("slowest key step: %s, %.2f ms", qPrintable(slowest_), double(slowestNs_) / 1e6);
        slowest_.clear();
        window_.reset();
    }

    void longPasteThenKeys_data()
    {
        QTest::addColumn<QString>("pasted");
        const QString mixed = QStringLiteral("CSN ñÁ€Ω\U0001F600שלום\u202Eسلام\u0301 ");
        QTest::newRow("latin") << repeated(QStringLiteral("a"), 30000);
        QTest::newRow("term-then-mixed") << QStringLiteral("csn") + repeated(mixed, 29997);
        QTest::newRow("emoji") << repeated(QStringLiteral("\U0001F600\U0001F9EA"), 30000);
        QTest::newRow("right-to-left") << repeated(QStringLiteral("שלום עולם سلام "), 30000);
    }
    void longPasteThenKeys()
    {
        QFETCH(QString, pasted);
        QCOMPARE(pasted.size(), 30000);
        QGuiApplication::clipboard()->setText(pasted);
        QCOMPARE(QGuiApplication::clipboard()->text(), pasted);

        // A real Ctrl+V: the paste and then the key releases, each a key step
        // over the whole text. No term is that long, so the first step runs
        // to the last row and stays there.
        QVERIFY2(key(box(), Qt::Key_V, Qt::ControlModifier), qPrintable(problem_));
        QCOMPARE(box()->text(), pasted);
        QCOMPARE(window_->selectedRow(), lexidor::kRowCount - 1);
        QCOMPARE(window_->logic().longitud(), 1);

        QVERIFY2(type(QStringLiteral("xcsn \u00F1")), qPrintable(problem_));
        for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Shift, Qt::Key_Left, Qt::Key_Home,
                          Qt::Key_Right, Qt::Key_End, Qt::Key_Return, Qt::Key_CapsLock, Qt::Key_Delete})
            QVERIFY2(key(box(), k), qPrintable(problem_));
        QVERIFY2(key(list(), Qt::Key_Return), qPrintable(problem_));
        QVERIFY2(clickBuscar(), qPrintable(problem_));
        QVERIFY2(clickBox(), qPrintable(problem_));
        QVERIFY2(key(box(), Qt::Key_End), qPrintable(problem_));
        QVERIFY2(type(QStringLiteral("z")), qPrintable(problem_));
        QCOMPARE(box()->text(), pasted + QStringLiteral("xcsnz"));
        QCOMPARE(definition()->text(), QString());
        QCOMPARE(window_->selectedRow(), lexidor::kRowCount - 1);

        looksUpCsnAfterwards();
    }

    void unusualCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("emoji") << QStringLiteral("\U0001F600\u2622\uFE0F\U0001F9EA");
        QTest::newRow("astral-letters") << QStringLiteral("\U0001D400\U0001D538\U00020000");
        QTest::newRow("beyond-latin-1") << QStringLiteral("ŒœŸ€Ωжĳ");
        QTest::newRow("hebrew") << QStringLiteral("שלום");
        QTest::newRow("arabic") << QStringLiteral("سلام");
        QTest::newRow("bidi-controls") << QStringLiteral("\u202E\u200F\u202C\u2067\u2069");
        QTest::newRow("combining") << QStringLiteral("\u0301\u0303n\u0303");
        QTest::newRow("control") << QStringLiteral("\u0001\u001B\u007F\u0085\u0009\u000D\u0000");
        QTest::newRow("lone-surrogates") << QString(QChar(0xD83D)) + QStringLiteral("x") + QChar(0xDE00);
        QTest::newRow("noncharacters") << QStringLiteral("\uFEFF\uFFFE\uFFFF\uFFFD");
    }
    void unusualCharacters()
    {
        QFETCH(QString, text);
        // "cs" finds CSN; after that, no term continues with any of these
        // characters (or the box refuses them), so every key leaves the
        // selection on CSN and the prefix length where it was.
        QVERIFY2(type(QStringLiteral("cs")), qPrintable(problem_));
        QCOMPARE(window_->selectedRow(), 13);
        QCOMPARE(window_->logic().longitud(), 3);
        for (const QString& k : keystrokes(text)) {
            QVERIFY2(type(k), qPrintable(problem_));
            QCOMPARE(window_->selectedRow(), 13);
            QCOMPARE(window_->logic().longitud(), 3);
        }
        QVERIFY2(key(box(), Qt::Key_Return), qPrintable(problem_));
        QCOMPARE(definition()->text(), QString());
        looksUpCsnAfterwards();
    }

    // A whole term, then hundreds of Enter releases: each looks the term up
    // and matches it again until the history is full; from then on nothing
    // moves. Backspace and the last letter then step back and forth as usual.
    void enterReleasesAfterAFullMatch_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("box") << "box";
        QTest::newRow("box-keypad") << "keypad";
        QTest::newRow("list") << "list";
    }
    void enterReleasesAfterAFullMatch()
    {
        QFETCH(QString, where);
        QVERIFY2(type(QStringLiteral("csn")), qPrintable(problem_));
        QCOMPARE(window_->logic().longitud(), 4);
        const bool inList = where == u"list";
        if (inList)
            list()->setFocus(Qt::TabFocusReason);
        for (int i = 1; i <= 400; ++i) {
            const bool ok = inList               ? key(list(), Qt::Key_Return)
                            : where == u"keypad" ? key(box(), Qt::Key_Enter, Qt::KeypadModifier)
                                                 : key(box(), Qt::Key_Return);
            QVERIFY2(ok, qPrintable(QStringLiteral("Enter %1: %2").arg(i).arg(problem_)));
            QCOMPARE(window_->selectedRow(), 13);
            QCOMPARE(window_->logic().indice(), 13);
            QCOMPARE(definition()->text(), definitionOf(13));
            // Enter in the list looks up only; in the box it is a key step.
            const int expected = inList ? 4 : std::min(4 + i, FrmLexidor::kHistoryLength + 1);
            QCOMPARE(window_->logic().longitud(), expected);
        }
        if (inList)
            return;
        QVERIFY2(key(box(), Qt::Key_Backspace), qPrintable(problem_));
        QCOMPARE(box()->text(), QStringLiteral("cs"));
        QCOMPARE(window_->selectedRow(), 13);
        QCOMPARE(window_->logic().longitud(), FrmLexidor::kHistoryLength);
        QVERIFY2(type(QStringLiteral("n")), qPrintable(problem_));
        QCOMPARE(window_->selectedRow(), 13);
        QCOMPARE(window_->logic().longitud(), FrmLexidor::kHistoryLength + 1);
    }

    // Alt+C ends the program at once: keys already queued behind it, and keys
    // and clicks that still reach the hidden window, run no handler.
    void altCInTheMiddleOfARun()
    {
        QVERIFY2(type(QStringLiteral("ce")), qPrintable(problem_));
        QCOMPARE(window_->selectedRow(), 6);
        for (Qt::Key k : {Qt::Key_X, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Z}) {
            const QString text = k == Qt::Key_X   ? QStringLiteral("x")
                                 : k == Qt::Key_Z ? QStringLiteral("z")
                                                  : QString();
            QCoreApplication::postEvent(box(), new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier, text));
            QCoreApplication::postEvent(box(), new QKeyEvent(QEvent::KeyRelease, k, Qt::NoModifier, text));
        }
        QTest::keyClick(box(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(ends_, 1);
        QVERIFY(window_->hasEnded());
        QVERIFY(!window_->isVisible());

        QCoreApplication::processEvents();
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClick(box(), Qt::Key_S);
        QTest::mouseClick(box(), Qt::LeftButton);
        QTest::mouseClick(buscar(), Qt::LeftButton);
        QTest::keyClick(list(), Qt::Key_Return);
        QTest::keyClick(box(), Qt::Key_C, Qt::AltModifier);
        QCoreApplication::processEvents();

        QCOMPARE(ends_, 1);
        QCOMPARE(window_->selectedRow(), 6);
        QCOMPARE(window_->logic().indice(), 6);
        QCOMPARE(window_->logic().longitud(), 3);
        QCOMPARE(definition()->text(), QString());
        QVERIFY(stateProblem().isEmpty());
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
