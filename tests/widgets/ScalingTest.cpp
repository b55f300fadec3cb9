// SPDX-License-Identifier: MIT
// The real window on a scaled display (offscreen, QT_SCALE_FACTOR set by the
// test's environment, e.g. 2 or 1.5): the same layout in logical pixels, drawn
// at the display's pixel density, with nothing clipped.

#include "Catalogue.h"
#include "QtWindow.h"
#include "WindowTestBase.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>

#include <cmath>
#include <memory>

using lexidor::QtWindow;

class ScalingTest : public lexidor::test::WindowTestBase {
    Q_OBJECT

private:
    qreal factor_ = 1;

private Q_SLOTS:
    void initTestCase()
    {
        bool ok = false;
        factor_ = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
        QVERIFY2(ok && factor_ > 1, "run with QT_SCALE_FACTOR above 1");
        window_ = std::make_unique<QtWindow>([] {});
        window_->showCentred();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanupTestCase() { window_.reset(); }

    void drawnAtTheDisplaysDensity()
    {
        QVERIFY(qFuzzyCompare(window_->devicePixelRatio(), factor_));
        QVERIFY(qFuzzyCompare(window_->windowHandle()->devicePixelRatio(), factor_));
        // The same logical size as unscaled; the picture has the display's pixels.
        QCOMPARE(window_->centralWidget()->size(), QSize(490, 401));
        const QPixmap shot = window_->grab();
        QVERIFY(qFuzzyCompare(shot.devicePixelRatio(), factor_));
        QCOMPARE(shot.size(), QSize(qRound(window_->width() * factor_), qRound(window_->height() * factor_)));
    }

    // The layout in logical pixels, text laid out for the scaled display
    // (its hinting can change the widths), the picture and the list as on
    // an unscaled one: the expectations every toolkit shares.
    void sharedExpectations()
    {
        QVERIFY(qFuzzyCompare(buscar()->devicePixelRatio(), factor_));
        QVERIFY(buscar()->fontMetrics().horizontalAdvance(buscar()->text()) < buscar()->width());
        checkSharedExpectations();
    }

    // Sharp text: the list's rows are drawn at the display's resolution, not
    // drawn at one pixel per logical pixel and enlarged. Enlarged by 2, every
    // aligned 2x2 block of device pixels would be one colour.
    void textDrawnAtFullResolution()
    {
        if (!qFuzzyCompare(factor_, 2.0))
            QSKIP("block test for a factor of 2");
        auto* list = control<QListWidget>("lstLista");
        const QImage image = list->viewport()->grab().toImage();
        int mixedBlocks = 0;
        for (int y = 0; y + 1 < image.height(); y += 2) {
            for (int x = 0; x + 1 < image.width(); x += 2) {
                const QRgb c = image.pixel(x, y);
                if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                    image.pixel(x + 1, y + 1) != c)
                    ++mixedBlocks;
            }
        }
        QVERIFY2(mixedBlocks > 500, qPrintable(QString::number(mixedBlocks)));
    }
};

QTEST_MAIN(ScalingTest)
#include "ScalingTest.moc"
