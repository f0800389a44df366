// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelButton.h"

#include "app/NotificationCenter.h"
#include "app/NotificationNames.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

ZelButton::ZelButton(QWidget *parent)
    : ImageButton(parent)
{
}

ZelButton::ZelButton(const QString &text, QWidget *parent)
    : ImageButton(text, parent)
{
}

void ZelButton::awakeFromNib(NotificationCenter *center)
{
    m_nc = center ? center : NotificationCenter::defaultCenter();
    m_trackingRect = rect();
    m_inside = false;
    setMouseTracking(true);
}

void ZelButton::mousePressEvent(QMouseEvent *event)
{
    // The press is the command; the button's own click handling stays out of it.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_nc)
        m_nc->postNotificationName(QString::fromLatin1(notificationnames::MybuttonMouseDown), this);
}

void ZelButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ZelButton::keyPressEvent(QKeyEvent *event)
{
    // Keyboard users get the same command as a press.
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        event->accept();
        if (m_nc)
            m_nc->postNotificationName(QString::fromLatin1(notificationnames::MybuttonMouseDown), this);
        return;
    }
    ImageButton::keyPressEvent(event);
}

void ZelButton::enterEvent(QEnterEvent *event)
{
    ImageButton::enterEvent(event);
    track(event->position().toPoint());
}

void ZelButton::leaveEvent(QEvent *event)
{
    ImageButton::leaveEvent(event);
    if (m_inside) {
        m_inside = false;
        mouseExited();
    }
}

void ZelButton::mouseMoveEvent(QMouseEvent *event)
{
    track(event->position().toPoint());
    event->accept();
}

void ZelButton::track(const QPoint &pos)
{
    const bool inside = m_trackingRect.contains(pos);
    if (inside == m_inside)
        return;
    m_inside = inside;
    if (inside)
        mouseEntered();
    else
        mouseExited();
}

void ZelButton::mouseEntered()
{
    if (m_nc)
        m_nc->postNotificationName(QString::fromLatin1(notificationnames::ZelbuttonMouseEntered), this);
}

void ZelButton::mouseExited()
{
    if (m_nc)
        m_nc->postNotificationName(QString::fromLatin1(notificationnames::ZelbuttonMouseExited), this);
}
