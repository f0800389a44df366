// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CommandButton.h"
#include "widgets/WindowCloseButton.h"

#include <QSignalSpy>
#include <QTest>

static void sendMove(QWidget *w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

class TestCommandButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pressActivatesInsteadOfClicking()
    {
        CommandButton button(QStringLiteral("Go"));
        button.resize(80, 30);
        button.trackHoverInBounds();
        QSignalSpy activated(&button, &CommandButton::activated);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(clicked.count(), 0);
        // The keyboard reaches the same command.
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(activated.count(), 2);
        // Other buttons of the mouse do nothing.
        QTest::mouseClick(&button, Qt::RightButton);
        QCOMPARE(activated.count(), 2);

        // The close button works the same way with its own signal.
        WindowCloseButton close;
        QSignalSpy closing(&close, &WindowCloseButton::activated);
        QTest::mouseClick(&close, Qt::LeftButton);
        QTest::keyClick(&close, Qt::Key_Return);
        QTest::mouseClick(&close, Qt::RightButton);
        QCOMPARE(closing.count(), 2);
    }

    void artworkBeforeAndAfterTheCommand()
    {
        CommandButton button;
        button.setImage(QStringLiteral("editnom.png"));
        button.setPressArtwork(QStringLiteral("editdown.png"), QStringLiteral("editnom.png"));
        QString seenDuring;
        connect(&button, &CommandButton::activated, this, [&] { seenDuring = button.imageName(); });
        button.activate();
        QCOMPARE(seenDuring, QStringLiteral("editdown.png"));
        QCOMPARE(button.imageName(), QStringLiteral("editnom.png"));
        // A command that destroys its button is survived.
        auto *doomed = new CommandButton;
        doomed->setPressArtwork(QStringLiteral("backdown.png"), QStringLiteral("backnom.png"));
        connect(doomed, &CommandButton::activated, this, [doomed] { delete doomed; });
        doomed->activate();
    }

    void hoverUsesTheSetUpBounds()
    {
        CommandButton button;
        button.resize(40, 40);
        button.trackHoverInBounds();
        button.resize(120, 40); // resized after set-up
        button.setHoverArtwork(QStringLiteral("applydown.png"), QStringLiteral("applynom.png"));
        QSignalSpy entered(&button, &CommandButton::hoverEntered);
        QSignalSpy exited(&button, &CommandButton::hoverExited);

        sendMove(&button, QPoint(10, 10));
        QCOMPARE(entered.count(), 1);
        QCOMPARE(button.imageName(), QStringLiteral("applydown.png"));
        sendMove(&button, QPoint(90, 10)); // inside the new bounds, outside the set-up ones
        QCOMPARE(exited.count(), 1);
        QCOMPARE(button.imageName(), QStringLiteral("applynom.png"));
        sendMove(&button, QPoint(100, 12)); // still outside: no repeat
        QCOMPARE(exited.count(), 1);
        sendMove(&button, QPoint(20, 20));
        QCOMPARE(entered.count(), 2);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(exited.count(), 2);
    }
};

QTEST_MAIN(TestCommandButton)
#include "tst_commandbutton.moc"
