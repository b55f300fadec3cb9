// SPDX-License-Identifier: MIT
// The cost of one key step through the real Qt widgets, on the offscreen
// platform: the key's press and release go through QApplication to the
// search box (QTest, as the widget tests drive it), the box edits its text,
// the release reaches FrmLexidor through the window's event filter, and the
// widgets repaint what changed into the window's backing store.

#include "Catalogue.h"
#include "QtWindow.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using lexidor::kCatalogue;
using lexidor::QtWindow;

QString qs(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

struct Window {
    std::unique_ptr<QtWindow> window;
    QLineEdit* box = nullptr;
    QLabel* definition = nullptr;
    QPushButton* buscar = nullptr;

    Window()
    {
        window = std::make_unique<QtWindow>([] {});
        window->showCentred();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the window did not become active");
        box = window->findChild<QLineEdit*>(QStringLiteral("txtBuscar"));
        definition = window->findChild<QLabel*>(QStringLiteral("lblDescripcion"));
        buscar = window->findChild<QPushButton*>(QStringLiteral("cmdBuscar"));
        if (!box || !definition || !buscar)
            qFatal("a control is missing");
        settle();
    }

    // Delivers what the events posted: above all the repaint.
    static void settle() { QCoreApplication::processEvents(); }
};

// The worst key step, as on the fake: after "a" (row 0), "9" matches no term
// and the selection runs to row 60 and back. Timed: the key's press and
// release and the repaint. Not timed: taking the "9" out of the box again
// (the box's own edit, which raises no key event).
void BM_Qt_WorstKeyStep(benchmark::State& state)
{
    Window w;
    QTest::keyClick(w.box, Qt::Key_A, Qt::NoModifier);
    Window::settle();
    for (auto _ : state) {
        QTest::keyClick(w.box, Qt::Key_9, Qt::NoModifier);
        Window::settle();
        state.PauseTiming();
        w.box->backspace();
        Window::settle();
        state.ResumeTiming();
    }
    if (w.window->selectedRow() != 0 || w.window->logic().longitud() != 2 ||
        w.box->text() != QStringLiteral("a"))
        state.SkipWithError("the step did not come back to row 0");
}
BENCHMARK(BM_Qt_WorstKeyStep)->Unit(benchmark::kMicrosecond);

// The same step without the repaint: the events and the handler alone.
void BM_Qt_WorstKeyStepEventsOnly(benchmark::State& state)
{
    Window w;
    QTest::keyClick(w.box, Qt::Key_A, Qt::NoModifier);
    Window::settle();
    for (auto _ : state) {
        QTest::keyClick(w.box, Qt::Key_9, Qt::NoModifier);
        state.PauseTiming();
        Window::settle();
        w.box->backspace();
        Window::settle();
        state.ResumeTiming();
    }
    if (w.window->selectedRow() != 0 || w.box->text() != QStringLiteral("a"))
        state.SkipWithError("the step did not come back to row 0");
}
BENCHMARK(BM_Qt_WorstKeyStepEventsOnly)->Unit(benchmark::kMicrosecond);

// A lookup: Enter in the box holding the term with the longest definition;
// timed with the definition's word wrap and repaint. The label is cleared
// (not timed) before each Enter so that every one shows the text anew.
void BM_Qt_Lookup(benchmark::State& state)
{
    const lexidor::Entry& entry =
        *std::max_element(kCatalogue.begin(), kCatalogue.end(), [](const auto& a, const auto& b) {
            return a.definition.size() < b.definition.size();
        });
    Window w;
    w.box->setText(qs(entry.term));
    Window::settle();
    for (auto _ : state) {
        state.PauseTiming();
        w.definition->clear();
        Window::settle();
        state.ResumeTiming();
        QTest::keyClick(w.box, Qt::Key_Return, Qt::NoModifier);
        Window::settle();
    }
    if (w.definition->text() != qs(entry.definition))
        state.SkipWithError("the definition was not shown");
}
BENCHMARK(BM_Qt_Lookup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
