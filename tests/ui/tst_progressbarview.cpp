// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgressBarView.h"

#include <QImage>
#include <QTest>

#include <limits>

static QImage rendered(float value)
{
    ProgressBarView view;
    view.resize(200, 14);
    view.setProgressValue(value);
    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    view.render(&image);
    return image;
}

// The bar is drawn over the bezel only for values in (0, 1]; the bezel alone is the oracle.
class TestProgressBarView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void barOnlyForValuesUpToOne_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("zero") << 0.0f << false;
        QTest::newRow("negative") << -0.5f << false;
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << false;
        QTest::newRow("just above one") << 1.0001f << false;
        QTest::newRow("tiny") << 0.01f << true;
        QTest::newRow("three quarters") << 0.75f << true;
        QTest::newRow("exactly one") << 1.0f << true;
    }

    void barOnlyForValuesUpToOne()
    {
        QFETCH(float, value);
        QFETCH(bool, drawn);
        const QImage bezel = rendered(0.0f);
        const QImage image = rendered(value);
        QCOMPARE(image != bezel, drawn);
        if (!drawn)
            return;
        // The bar starts at the left and grows with the value: the right end stays bezel below 0.75.
        QVERIFY(image.pixel(3, 7) != bezel.pixel(3, 7));
        QCOMPARE(image.pixel(190, 7) == bezel.pixel(190, 7), value < 0.9f);
    }
};

QTEST_MAIN(TestProgressBarView)
#include "tst_progressbarview.moc"
