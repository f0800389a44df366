// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// Where the drawer and its window go on a screen, worked out from rectangles alone so
// the rules hold without a real screen. Preference order: under the window (moving the
// window up when allowed), beside it, and only when neither fits, over the part of the
// window that may be covered (the result list), never over the bar under it.
struct DrawerPlacement {
    enum Side { Below, Beside, Over };

    Side side = Below;
    // The window's new top-left corner (its frame); equal to the old one when it stays.
    QPoint windowPos;
    QRect drawer;

    // `available`: the screen's available geometry (invalid: no screen, hang below).
    // `window`: the window's frame. `coverable`: the part of the window the drawer may lie
    // over, in the window's own coordinates (empty: nothing may be covered, the drawer keeps
    // to the screen's bottom edge as a last resort). `mayMoveWindow`: false while the user
    // moves or resizes the window, whose position then is not ours to change.
    static DrawerPlacement compute(const QRect &available, const QRect &window, int drawerHeight,
                                   int leadingOffset, const QRect &coverable, bool mayMoveWindow);
};
