// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DiskLayer.h"
#include "widgets/BusyDiskView.h"

#include <QTest>
#include <QVariantAnimation>

class TestBusyDiskView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void turnsUntilStopped()
    {
        BusyDiskView view;
        view.resize(72, 72);
        view.prepareDisk();
        // Stopping before any start is harmless.
        view.stopFlash();
        QVERIFY(!view.isFlashing());
        QVERIFY(!view.diskLayer()->contents().isNull());
        view.startFlash();
        QVERIFY(view.isFlashing());
        QPointer<QVariantAnimation> first = view.diskLayer()->animationForKey(QStringLiteral("Rotate"));
        QVERIFY(first);
        QCOMPARE(first->loopCount(), -1);
        view.startFlash();
        QVERIFY(first.isNull());
        QTRY_VERIFY(view.diskLayer()->presentationRotation() > 0.1);
        // The model value never moves: only the presentation turns.
        QCOMPARE(view.diskLayer()->rotation(), 0.0);
        view.stopFlash();
        QVERIFY(!view.isFlashing());
        QCOMPARE(view.diskLayer()->presentationRotation(), 0.0);
    }
};

QTEST_MAIN(TestBusyDiskView)
#include "tst_busydiskview.moc"
