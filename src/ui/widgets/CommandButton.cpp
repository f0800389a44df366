// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandButton.h"

#include <QPointer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

CommandButton::CommandButton(QWidget *parent)
    : ImageButton(parent)
{
}

CommandButton::CommandButton(const QString &text, QWidget *parent)
    : ImageButton(text, parent)
{
}

void CommandButton::trackHoverInBounds()
{
    m_trackingRect = rect();
    m_inside = false;
    setMouseTracking(true);
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    // The press is the command; the button's own click handling stays out of it.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    activate();
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void CommandButton::keyPressEvent(QKeyEvent *event)
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

void CommandButton::enterEvent(QEnterEvent *event)
{
    ImageButton::enterEvent(event);
    track(event->position().toPoint());
}

void CommandButton::leaveEvent(QEvent *event)
{
    ImageButton::leaveEvent(event);
    if (m_inside) {
        m_inside = false;
        mouseExited();
    }
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    track(event->position().toPoint());
    event->accept();
}

void CommandButton::track(const QPoint &pos)
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

void CommandButton::setPressArtwork(const QString &pressed, const QString &afterwards)
{
    m_pressedImage = pressed;
    m_afterImage = afterwards;
}

void CommandButton::setHoverArtwork(const QString &entered, const QString &exited)
{
    m_enteredImage = entered;
    m_exitedImage = exited;
}

void CommandButton::showArtwork(const QString &name)
{
    if (!name.isEmpty())
        setImage(name);
}

void CommandButton::activate()
{
    showArtwork(m_pressedImage);
    // A command may close the window that holds the button.
    const QPointer<CommandButton> self(this);
    Q_EMIT activated();
    if (self)
        showArtwork(m_afterImage);
}

void CommandButton::mouseEntered()
{
    showArtwork(m_enteredImage);
    Q_EMIT hoverEntered();
}

void CommandButton::mouseExited()
{
    showArtwork(m_exitedImage);
    Q_EMIT hoverExited();
}
