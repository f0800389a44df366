// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DrawerPlacement.h"

#include <QTest>

// The list layout's window and the part of it the drawer may cover (the result list,
// between the busy view above and the button bar below).
static const QSize kList(654, 598);
static const QSize kStart(654, 300);
static const QRect kListCoverable(1, 166, 652, 380);
static const int kDrawerHeight = 322;
static const int kOffset = 20;

class TestDrawerPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("mayMove");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("moves");
        using Side = DrawerPlacement::Side;
        const auto row = [](const char *name, QRect available, QPoint at, QSize layout, Side side, bool moves,
                            bool mayMove = true) {
            QTest::newRow(name) << available << QRect(at, layout) << mayMove << int(side) << moves;
        };

        const Side below = DrawerPlacement::Below, beside = DrawerPlacement::Beside;
        const Side over = DrawerPlacement::Over;
        const QRect fullHd(0, 0, 1920, 1080);
        row("start layout fits under as it is", fullHd, {633, 390}, kStart, below, false);
        row("list layout: the window moves up", fullHd, {633, 241}, kList, below, true);
        row("second screen with an offset origin", {1920, 30, 1280, 994}, {2233, 213}, kList, below, true);
        row("window above the screen's top edge comes down", fullHd, {100, -50}, kStart, below, true);
        row("no screen: hangs below, nothing moves", QRect(), {10, 700}, kList, below, false);

        // 598 + 322 = 920 is taller than these screens.
        const QRect wide900(0, 0, 1440, 900), low(0, 0, 1920, 800);
        row("900 px: beside, the window moving left for it", wide900, {393, 151}, kList, beside, true);
        row("room on the left: beside on the left, nothing moves", low, {1200, 100}, kList, beside, false);
        row("room on the right: beside on the right", low, {10, 100}, kList, beside, false, false);
        row("window being moved by the user: it stays, the drawer covers the list", wide900, {393, 151},
            kList, over, false, false);
        row("1024 x 768 with a top panel: over the list, above the button bar", {0, 24, 1024, 744},
            {185, 110}, kList, over, false);
        row("window hanging off the bottom is pulled onto the screen first", {0, 0, 1024, 768},
            {185, 400}, kList, over, true);
        row("nothing may be covered: keeps to the screen's bottom edge", {0, 0, 800, 600}, {73, 150},
            kStart, over, false);
    }

    // Where the window goes is judged by what it is for: both on the screen, the drawer
    // clear of the window or over its list only, the window moved only when it must.
    void placement()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, window);
        QFETCH(bool, mayMove);
        QFETCH(int, side);
        QFETCH(bool, moves);

        // Only the list layout has a list the drawer may cover.
        const QRect coverable = window.size() == kList ? kListCoverable : QRect();
        const DrawerPlacement p =
            DrawerPlacement::compute(available, window, kDrawerHeight, kOffset, coverable, mayMove);
        QCOMPARE(int(p.side), side);
        QCOMPARE(p.windowPos != window.topLeft(), moves);
        const QRect moved(p.windowPos, window.size());
        QCOMPARE(p.drawer.size(), QSize(window.width() - 2 * kOffset, kDrawerHeight));
        if (p.side == DrawerPlacement::Beside) {
            QVERIFY(p.drawer.left() == moved.right() + 1 || p.drawer.right() + 1 == moved.left());
            QCOMPARE(p.drawer.bottom(), moved.bottom());
        } else {
            QCOMPARE(p.drawer.left(), moved.left() + kOffset);
        }
        if (p.side == DrawerPlacement::Below)
            QCOMPARE(p.drawer.top(), moved.bottom() + 1);
        if (!available.isValid())
            return;
        if (mayMove && window.height() <= available.height())
            QVERIFY(available.contains(moved));
        // A window that moves goes no further than it must: the side it moves away from
        // ends on the screen's edge.
        const QPoint by = p.windowPos - window.topLeft();
        const QRect both = moved.united(p.drawer);
        QVERIFY(by.y() >= 0 || both.bottom() == available.bottom());
        QVERIFY(by.y() <= 0 || both.top() == available.top());
        QVERIFY(by.x() >= 0 || both.right() == available.right());
        QVERIFY(by.x() <= 0 || both.left() == available.left());
        if (p.side != DrawerPlacement::Over) {
            QVERIFY(available.contains(p.drawer));
            QVERIFY(!p.drawer.intersects(moved));
        } else if (coverable.isEmpty()) {
            QCOMPARE(p.drawer.bottom(), available.bottom());
        } else {
            // Over only the list: the button bar under it stays clear.
            QCOMPARE(p.drawer.bottom(), coverable.translated(p.windowPos).bottom());
        }
    }
};

QTEST_MAIN(TestDrawerPlacement)
#include "tst_drawerplacement.moc"
