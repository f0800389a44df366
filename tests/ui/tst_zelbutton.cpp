// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NotificationCenter.h"
#include "app/NotificationNames.h"
#include "widgets/ZelButton.h"
#include "widgets/ZelClosedButton.h"

#include <QSignalSpy>
#include <QTest>

// Records what a centre carries.
struct Recorder {
    QObject owner;
    QStringList names;
    QList<QObject *> objects;
    void observe(NotificationCenter &center, const char *name)
    {
        center.addObserver(&owner, QString::fromLatin1(name), [this](const Notification &n) {
            names.append(n.name);
            objects.append(n.object.data());
        });
    }
};

static void sendMove(QWidget *w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

class TestZelButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pressPostsInsteadOfClicking()
    {
        NotificationCenter center;
        Recorder rec;
        rec.observe(center, notificationnames::MybuttonMouseDown);
        ZelButton button(QStringLiteral("Go"));
        button.resize(80, 30);
        button.awakeFromNib(&center);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(rec.names, QStringList{QStringLiteral("MybuttonMouseDown")});
        QCOMPARE(rec.objects.value(0), &button);
        QCOMPARE(clicked.count(), 0);
        // The keyboard reaches the same command.
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(rec.names.size(), 2);
        // Other buttons of the mouse post nothing.
        QTest::mouseClick(&button, Qt::RightButton);
        QCOMPARE(rec.names.size(), 2);
    }

    void hoverUsesTheSetUpBounds()
    {
        NotificationCenter center;
        Recorder rec;
        rec.observe(center, notificationnames::ZelbuttonMouseEntered);
        rec.observe(center, notificationnames::ZelbuttonMouseExited);
        ZelButton button;
        button.resize(40, 40);
        button.awakeFromNib(&center);
        button.resize(120, 40); // resized after set-up

        sendMove(&button, QPoint(10, 10));
        QCOMPARE(rec.names, QStringList{QStringLiteral("ZelbuttonMouseEntered")});
        sendMove(&button, QPoint(90, 10)); // inside the new bounds, outside the set-up ones
        QCOMPARE(rec.names.size(), 2);
        QCOMPARE(rec.names.last(), QStringLiteral("ZelbuttonMouseExited"));
        sendMove(&button, QPoint(100, 12)); // still outside: no repeat
        QCOMPARE(rec.names.size(), 2);
        sendMove(&button, QPoint(20, 20));
        QCOMPARE(rec.names.last(), QStringLiteral("ZelbuttonMouseEntered"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(rec.names.last(), QStringLiteral("ZelbuttonMouseExited"));
        QCOMPARE(rec.objects.count(&button), 4);
    }

    void closeButtonPostsItsOwnName()
    {
        NotificationCenter center;
        Recorder rec;
        rec.observe(center, notificationnames::MyClosebuttonMouseDown);
        rec.observe(center, notificationnames::MybuttonMouseDown);
        ZelClosedButton button;
        button.resize(18, 18);
        button.awakeFromNib(&center);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(rec.names, QStringList{QStringLiteral("MyClosebuttonMouseDown")});
    }

    void observersGoWithTheirOwner()
    {
        NotificationCenter center;
        auto *owner = new QObject;
        int calls = 0;
        center.addObserver(owner, QStringLiteral("X"), [&calls](const Notification &) { ++calls; });
        center.postNotificationName(QStringLiteral("X"), nullptr);
        center.postNotificationName(QStringLiteral("Y"), nullptr);
        QCOMPARE(calls, 1);
        delete owner;
        QCOMPARE(center.observerCount(QStringLiteral("X")), 0);
        center.postNotificationName(QStringLiteral("X"), nullptr);
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(TestZelButton)
#include "tst_zelbutton.moc"
