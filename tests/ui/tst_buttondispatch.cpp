// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ButtonDispatch.h"
#include "widgets/ZelButton.h"

#include <QTest>

class TestButtonDispatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstRowInOrderWins()
    {
        ButtonDispatch dispatch;
        ZelButton a, b;
        QStringList ran;
        // Added out of order: row order decides, not the order of adding.
        dispatch.addRow(12, &a, [&] { ran << QStringLiteral("a12"); });
        dispatch.addRow(11, &a, [&] { ran << QStringLiteral("a11"); });
        dispatch.addRow(13, &b, [&] { ran << QStringLiteral("b13"); });
        QCOMPARE(dispatch.orders(), (QList<int>{11, 12, 13}));
        QVERIFY(dispatch.dispatch(&a));
        QCOMPARE(ran, QStringList{QStringLiteral("a11")});
        QVERIFY(dispatch.dispatch(&b));
        QCOMPARE(ran.last(), QStringLiteral("b13"));
    }

    void buttonInNoRowChangesNothing()
    {
        ButtonDispatch dispatch;
        ZelButton known, stranger;
        stranger.setImage(QStringLiteral("backnom.png"));
        int calls = 0;
        dispatch.addImageRow(13, &known, QStringLiteral("backdown.png"), QString(), [&] { ++calls; });
        QVERIFY(!dispatch.dispatch(&stranger));
        QVERIFY(!dispatch.dispatch(nullptr));
        QCOMPARE(calls, 0);
        QCOMPARE(stranger.imageName(), QStringLiteral("backnom.png"));
    }

    void artworkBeforeAndAfterTheCommand()
    {
        ButtonDispatch dispatch;
        ZelButton button;
        QString seenDuring;
        dispatch.addImageRow(16, &button, QStringLiteral("editdown.png"), QStringLiteral("editnom.png"),
                             [&] { seenDuring = button.imageName(); });
        QVERIFY(dispatch.dispatch(&button));
        QCOMPARE(seenDuring, QStringLiteral("editdown.png"));
        QCOMPARE(button.imageName(), QStringLiteral("editnom.png"));
    }

    void destroyedButtonsNeverMatch()
    {
        ButtonDispatch dispatch;
        auto *button = new ZelButton;
        int calls = 0;
        dispatch.addRow(1, button, [&] { ++calls; });
        QObject *stale = button;
        delete button;
        QVERIFY(!dispatch.dispatch(stale));
        QCOMPARE(calls, 0);
    }

    void hoverArtwork()
    {
        HoverTable hover;
        ZelButton apply, other;
        hover.addRow(&apply, QStringLiteral("applydown.png"), QStringLiteral("applynom.png"));
        QVERIFY(hover.entered(&apply));
        QCOMPARE(apply.imageName(), QStringLiteral("applydown.png"));
        QVERIFY(hover.exited(&apply));
        QCOMPARE(apply.imageName(), QStringLiteral("applynom.png"));
        QVERIFY(!hover.entered(&other));
        QVERIFY(other.imageName().isEmpty());
    }
};

QTEST_MAIN(TestButtonDispatch)
#include "tst_buttondispatch.moc"
