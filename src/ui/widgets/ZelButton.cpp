// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelButton.h"

#include <QPointer>
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

void ZelButton::awakeFromNib()
{
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
    activate();
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
        activate();
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

void ZelButton::setPressArtwork(const QString &pressed, const QString &afterwards)
{
    m_pressedImage = pressed;
    m_afterImage = afterwards;
}

void ZelButton::setHoverArtwork(const QString &entered, const QString &exited)
{
    m_enteredImage = entered;
    m_exitedImage = exited;
}

void ZelButton::showArtwork(const QString &name)
{
    if (!name.isEmpty())
        setImage(name);
}

void ZelButton::activate()
{
    showArtwork(m_pressedImage);
    // A command may close the window that holds the button.
    const QPointer<ZelButton> self(this);
    Q_EMIT activated();
    if (self)
        showArtwork(m_afterImage);
}

void ZelButton::mouseEntered()
{
    showArtwork(m_enteredImage);
    Q_EMIT hoverEntered();
}

void ZelButton::mouseExited()
{
    showArtwork(m_exitedImage);
    Q_EMIT hoverExited();
}
