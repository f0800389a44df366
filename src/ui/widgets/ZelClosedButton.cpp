#include "ZelClosedButton.h"

#include "app/NotificationCenter.h"
#include "app/NotificationNames.h"

#include <QKeyEvent>
#include <QMouseEvent>

ZelClosedButton::ZelClosedButton(QWidget *parent)
    : ImageButton(parent)
{
    // Reached with Tab like any control; a click does not take the focus from the list.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ZelClosedButton::awakeFromNib(NotificationCenter *center)
{
    m_nc = center ? center : NotificationCenter::defaultCenter();
}

void ZelClosedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_nc)
        m_nc->postNotificationName(QString::fromLatin1(notificationnames::MyClosebuttonMouseDown), this);
}

void ZelClosedButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ZelClosedButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        event->accept();
        if (m_nc)
            m_nc->postNotificationName(QString::fromLatin1(notificationnames::MyClosebuttonMouseDown), this);
        return;
    }
    ImageButton::keyPressEvent(event);
}
