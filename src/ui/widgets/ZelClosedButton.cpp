#include "ZelClosedButton.h"

#include "app/NotificationCenter.h"
#include "app/NotificationNames.h"

#include <QMouseEvent>

ZelClosedButton::ZelClosedButton(QWidget *parent)
    : ImageButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
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
