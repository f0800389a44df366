// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DiskLayer.h"
#include "widgets/ZelFlashView.h"

#include <QTest>
#include <QVariantAnimation>

#include <numbers>

class TestZelFlashView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stopWithoutStartIsHarmless()
    {
        ZelFlashView view;
        view.resize(72, 72);
        view.awakeFromNib();
        view.stopFlash();
        QVERIFY(!view.isFlashing());
        QCOMPARE(view.diskLayer()->presentationRotation(), 0.0);
        QVERIFY(!view.diskLayer()->contents().isNull());
    }

    void setupCentresTheDisk()
    {
        ZelFlashView view;
        view.resize(80, 60);
        view.awakeFromNib();
        QCOMPARE(view.diskLayer()->position(), QPointF(40, 30));
        QCOMPARE(view.diskLayer()->frame().size(), QSizeF(64, 64));
    }

    void turnsOnceEveryTwoSeconds()
    {
        ZelFlashView view;
        view.resize(72, 72);
        view.awakeFromNib();
        view.startFlash();
        QVERIFY(view.isFlashing());
        QVariantAnimation *rotate = view.diskLayer()->animationForKey(QStringLiteral("Rotate"));
        QVERIFY(rotate);
        QCOMPARE(rotate->duration(), 2000);
        QCOMPARE(rotate->loopCount(), -1);
        QCOMPARE(rotate->startValue().toDouble(), 0.0);
        QCOMPARE(rotate->endValue().toDouble(), 2 * std::numbers::pi);
        QTRY_VERIFY(view.diskLayer()->presentationRotation() > 0.1);
        // The model value never moves: only the presentation turns.
        QCOMPARE(view.diskLayer()->rotation(), 0.0);
    }

    void restartReplacesAndStopResets()
    {
        ZelFlashView view;
        view.resize(72, 72);
        view.awakeFromNib();
        view.startFlash();
        QPointer<QVariantAnimation> first = view.diskLayer()->animationForKey(QStringLiteral("Rotate"));
        view.startFlash();
        QVERIFY(first.isNull());
        QVERIFY(view.diskLayer()->animationForKey(QStringLiteral("Rotate")));
        QTRY_VERIFY(view.diskLayer()->presentationRotation() > 0.1);
        view.stopFlash();
        QVERIFY(!view.isFlashing());
        QCOMPARE(view.diskLayer()->presentationRotation(), 0.0);
    }
};

QTEST_MAIN(TestZelFlashView)
#include "tst_zelflashview.moc"
