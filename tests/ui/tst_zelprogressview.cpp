// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ZelProgressView.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

class TestZelProgressView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void barGeometry_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<double>("width");
        // Frame 200 x 14.
        QTest::newRow("exactly one") << 1.0f << true << 196.0;
        QTest::newRow("just above one") << 1.0001f << false << 0.0;
        QTest::newRow("zero") << 0.0f << false << 0.0;
        QTest::newRow("negative") << -0.5f << false << 0.0;
        QTest::newRow("half") << 0.5f << true << 96.0;
        QTest::newRow("tiny gives 2.0") << 0.01f << true << 2.0;
        QTest::newRow("exactly 4 px gives 2.0") << 0.02f << true << 2.0;
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << false << 0.0;
    }

    void barGeometry()
    {
        QFETCH(float, value);
        QFETCH(bool, drawn);
        QFETCH(double, width);
        const auto bar = ZelProgressView::barRect(value, QSizeF(200, 14));
        QCOMPARE(bar.has_value(), drawn);
        if (!drawn)
            return;
        QCOMPARE(bar->x(), 2.0);
        QVERIFY(std::abs(bar->width() - width) < 1e-3);
        // Height h - 4 + 0.5, resting 1 above the bottom edge.
        QCOMPARE(bar->height(), 10.5);
        QCOMPARE(bar->bottom(), 13.0);
    }

    void paintsBarOverBezel()
    {
        ZelProgressView view;
        view.resize(200, 14);
        QImage empty(view.size(), QImage::Format_ARGB32);
        empty.fill(Qt::transparent);
        view.render(&empty);
        // The bezel's grey is 168.
        QCOMPARE(qRed(empty.pixel(100, 8)), 168);

        view.setProgressValue(0.75f);
        QImage full(view.size(), QImage::Format_ARGB32);
        full.fill(Qt::transparent);
        view.render(&full);
        QVERIFY(qRed(full.pixel(60, 8)) >= 229); // inside the light bar
        QCOMPARE(qRed(full.pixel(180, 8)), 168); // beyond 0.75 * 200 - 4 + 2

        view.setProgressValue(1.0001f);
        QImage over(view.size(), QImage::Format_ARGB32);
        over.fill(Qt::transparent);
        view.render(&over);
        QCOMPARE(qRed(over.pixel(60, 8)), 168);
    }
};

QTEST_MAIN(TestZelProgressView)
#include "tst_zelprogressview.moc"
