// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowCloseButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

WindowCloseButton::WindowCloseButton(QWidget *parent)
    : ImageButton(parent)
{
    // Reached with Tab like any control; a click does not take the focus from the list.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void WindowCloseButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT activated();
}

void WindowCloseButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void WindowCloseButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        event->accept();
        Q_EMIT activated();
        return;
    }
    ImageButton::keyPressEvent(event);
}
