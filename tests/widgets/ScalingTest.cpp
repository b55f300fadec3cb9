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

    void sameLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("logical");
        QTest::newRow("lblBuscar") << "lblBuscar" << QRect(16, 24, 169, 17);
        QTest::newRow("txtBuscar") << "txtBuscar" << QRect(16, 48, 225, 19);
        QTest::newRow("lstLista") << "lstLista" << QRect(16, 80, 241, 251);
        QTest::newRow("lblDescripcion") << "lblDescripcion" << QRect(272, 80, 201, 249);
        QTest::newRow("cmdBuscar") << "cmdBuscar" << QRect(96, 352, 81, 25);
    }
    void sameLayout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, logical);
        auto* widget = window_->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), logical);
        QVERIFY(qFuzzyCompare(widget->devicePixelRatio(), factor_));
    }

    // Text is laid out for the scaled display (its hinting can change the
    // widths); it must still fit where it fits unscaled.
    void nothingClipped()
    {
        auto* prompt = control<QLabel>("lblBuscar");
        QVERIFY(prompt->fontMetrics().horizontalAdvance(prompt->text()) <= prompt->width());
        auto* button = buscar();
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());

        auto* list = control<QListWidget>("lstLista");
        for (int row = 0; row < list->count(); ++row) {
            const QString term = list->item(row)->text();
            QVERIFY2(list->fontMetrics().horizontalAdvance(term) <= list->viewport()->width() - 4,
                     qPrintable(term));
        }

        auto* label = control<QLabel>("lblDescripcion");
        for (const lexidor::Entry& entry : lexidor::kCatalogue) {
            label->setText(QString::fromStdU16String(std::u16string(entry.definition)));
            const int m = label->margin();
            const QRect inside = label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
            const QRect needed = label->fontMetrics().boundingRect(
                inside, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label->text());
            QVERIFY2(needed.height() <= inside.height(), qPrintable(label->text().left(30)));
        }
        label->clear();
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
