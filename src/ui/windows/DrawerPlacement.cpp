// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawerPlacement.h"

#include <QtGlobal>

DrawerPlacement DrawerPlacement::compute(const QRect &available, const QRect &window, int drawerHeight,
                                         int leadingOffset, const QRect &coverable, bool mayMoveWindow)
{
    const int width = qMax(100, window.width() - 2 * leadingOffset);
    const int height = qMax(0, drawerHeight);
    DrawerPlacement p;
    p.windowPos = window.topLeft();
    const auto hangBelow = [&](int windowY) {
        p.side = Below;
        p.windowPos.setY(windowY);
        p.drawer = QRect(window.x() + leadingOffset, windowY + window.height(), width, height);
        return p;
    };
    if (!available.isValid())
        return hangBelow(window.y());

    // Under the window, the window moving up as far as the screen's top edge allows.
    const int lowestTop = available.bottom() + 1 - height - window.height();
    const int belowY = mayMoveWindow ? qMin(qMax(window.y(), available.top()), lowestTop) : window.y();
    if (belowY >= available.top() && belowY <= lowestTop)
        return hangBelow(belowY);

    // The window's own height must stay on screen for the next two.
    int windowY = window.y();
    if (mayMoveWindow)
        windowY = qMax(available.top(), qMin(windowY, available.bottom() + 1 - window.height()));
    const int windowBottom = windowY + window.height();

    // Beside the window, level with its bottom edge, on the side with room; the window moves
    // sideways when only that makes room.
    if (available.width() >= window.width() + width) {
        int windowX = window.x();
        bool right = windowX + window.width() + width <= available.right() + 1;
        const bool left = windowX - width >= available.left();
        if (!right && !left && mayMoveWindow) {
            // Too far right for the drawer on either side: the least move left makes room.
            windowX = available.right() + 1 - width - window.width();
            right = true;
        }
        if (right || left) {
            p.side = Beside;
            p.windowPos = QPoint(windowX, windowY);
            const int top = qBound(available.top(), windowBottom - height, available.bottom() + 1 - height);
            p.drawer = QRect(right ? windowX + window.width() : windowX - width, top, width, height);
            return p;
        }
    }

    // Over the window: on the part that may be covered, its lower edge on that part's lower edge.
    p.side = Over;
    p.windowPos = QPoint(window.x(), windowY);
    int bottom;
    if (coverable.isEmpty())
        bottom = qMin(windowBottom + height, available.bottom() + 1);
    else
        bottom = windowY + coverable.y() + coverable.height();
    p.drawer = QRect(window.x() + leadingOffset, bottom - height, width, height);
    return p;
}
