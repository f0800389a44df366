// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFrameKeeper.h"

#include "app/AppSettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

WindowFrameKeeper::WindowFrameKeeper(QWidget *window, AppSettings &settings, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_settings(settings)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(400);
    connect(&m_timer, &QTimer::timeout, this, &WindowFrameKeeper::save);
    window->installEventFilter(this);
}

QSize WindowFrameKeeper::minimumSize(Layout layout)
{
    return layout == StartLayout ? QSize(654, 300) : QSize(654, 598);
}

QRect WindowFrameKeeper::centredFrame(const QSize &size) const
{
    QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    // Without a screen the origin counts from 0.
    const QRect area = screen ? screen->availableGeometry() : QRect();
    return QRect(area.x() + area.width() / 2 - size.width() / 2, area.y() + area.height() / 2 - size.height() / 2,
                 size.width(), size.height());
}

QRect WindowFrameKeeper::frameFor(Layout layout, bool useStoredPosition) const
{
    const QSize stored = layout == StartLayout ? m_settings.startWindowSize() : m_settings.listWindowSize();
    QSize size = minimumSize(layout);
    if (stored.isValid())
        size = size.expandedTo(stored);
    if (useStoredPosition && m_settings.hasWindowPosition()) {
        const QRect frame(m_settings.windowPosition(), size);
        // A screen that was unplugged since must not keep the window out of reach: the
        // title area has to be on some screen.
        const QRect title(frame.topLeft(), QSize(size.width(), 25));
        for (QScreen *screen : QGuiApplication::screens()) {
            const QRect visible = screen->availableGeometry().intersected(title);
            if (visible.width() >= 100 && visible.height() >= 10)
                return frame;
        }
    }
    return centredFrame(size);
}

void WindowFrameKeeper::flush()
{
    if (m_timer.isActive()) {
        m_timer.stop();
        save();
    }
}

void WindowFrameKeeper::save()
{
    // Maximised or minimised, the frame to keep is the one the window goes back to.
    const QRect frame = m_window->isMaximized() || m_window->isMinimized() || m_window->isFullScreen()
                            ? m_window->normalGeometry()
                            : m_window->geometry();
    if (!frame.isValid())
        return;
    m_settings.setWindowPosition(frame.topLeft());
    if (m_layout == StartLayout)
        m_settings.setStartWindowSize(frame.size());
    else
        m_settings.setListWindowSize(frame.size());
}

bool WindowFrameKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && !m_paused && m_window->isVisible()
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        m_timer.start();
    return QObject::eventFilter(watched, event);
}
