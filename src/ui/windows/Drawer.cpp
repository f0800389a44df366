// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawer.h"

#include "app/Palette.h"
#include "widgets/FramelessWindow.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

Drawer::Drawer(QWidget *parentWindow)
    : QWidget(parentWindow, Qt::Tool | Qt::FramelessWindowHint)
    , m_parentWindow(parentWindow)
{
    setObjectName(QStringLiteral("rightDrawer"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    if (parentWindow)
        parentWindow->installEventFilter(this);
    // A glide of the window's own (a new layout) is ours to finish: once it ends, the
    // window may move so that the drawer hangs under it again instead of over the list.
    if (auto *frameless = qobject_cast<FramelessWindow *>(parentWindow)) {
        connect(frameless, &FramelessWindow::frameChangeFinished, this, [this] {
            if (m_state == OpenState)
                place(true);
        });
    }
    m_grip = new QWidget(this);
    m_grip->setObjectName(QStringLiteral("drawerGrip"));
    m_grip->setCursor(Qt::SizeVerCursor);
    m_grip->installEventFilter(this);
}

void Drawer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_grip->setGeometry(0, height() - 5, width(), 5);
    m_grip->raise();
}

void Drawer::setContentView(QWidget *view)
{
    if (m_content == view)
        return;
    if (m_content)
        m_content->deleteLater();
    m_content = view;
    if (view)
        layout()->addWidget(view);
}

void Drawer::setContentSize(const QSize &size)
{
    m_contentSize = size.expandedTo(m_minContentSize).boundedTo(m_maxContentSize);
    if (m_state == OpenState)
        place(false);
}

void Drawer::setLeadingOffset(int offset)
{
    m_leadingOffset = offset;
    if (m_state == OpenState)
        place(false);
}

void Drawer::setCoverableView(QWidget *view)
{
    m_coverable = view;
}

void Drawer::place(bool mayMoveWindow)
{
    if (!m_parentWindow)
        return;
    const QRect frame = m_parentWindow->frameGeometry();
    const QRect area = m_parentWindow->screen() ? m_parentWindow->screen()->availableGeometry() : QRect();
    QRect coverable;
    if (m_coverable && m_coverable->isVisible() && m_coverable->window() == m_parentWindow) {
        const QPoint inFrame = m_parentWindow->geometry().topLeft() - frame.topLeft();
        coverable = QRect(m_coverable->mapTo(m_parentWindow, QPoint(0, 0)) + inFrame, m_coverable->size());
    }
    const DrawerPlacement placement = DrawerPlacement::compute(area, frame, m_contentSize.height(), m_leadingOffset,
                                                               coverable, mayMoveWindow);
    m_side = placement.side;
    if (placement.windowPos != frame.topLeft())
        m_parentWindow->move(placement.windowPos);
    setGeometry(placement.drawer);
    update();
}

void Drawer::open()
{
    if (m_state == OpenState || m_state == OpeningState)
        return;
    m_state = OpeningState;
    Q_EMIT stateChanged(m_state);
    place(true);
    show();
    raise();
    m_state = OpenState;
    Q_EMIT stateChanged(m_state);
}

void Drawer::close()
{
    if (m_state == ClosedState || m_state == ClosingState)
        return;
    m_state = ClosingState;
    Q_EMIT stateChanged(m_state);
    hide();
    m_state = ClosedState;
    Q_EMIT stateChanged(m_state);
}

bool Drawer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grip) {
        // Dragged by hand: the drawer is a tool window the window manager does not resize.
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_dragStartY = int(mouse->globalPosition().y());
            m_dragStartHeight = m_contentSize.height();
            return true;
        }
        if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            setContentSize(QSize(m_contentSize.width(), m_dragStartHeight + int(mouse->globalPosition().y()) - m_dragStartY));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            Q_EMIT contentSizeChangedByUser(m_contentSize);
            return true;
        }
    }
    if (watched == m_parentWindow && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        // The user moves the window: the drawer follows and leaves the window where it is put.
        if (m_state == OpenState)
            place(false);
    }
    if (watched == m_parentWindow && event->type() == QEvent::Hide)
        close();
    return QWidget::eventFilter(watched, event);
}

void Drawer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette::surface());
    painter.setPen(palette::dashedBorder());
    // Hanging under the window it shares the window's edge; elsewhere it has all four.
    painter.drawRect(m_side == DrawerPlacement::Below ? rect().adjusted(0, -1, -1, -1) : rect().adjusted(0, 0, -1, -1));
}
