// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

class AppSettings;
class QWidget;

// Remembers where the user put the main window and how large they made each of its two
// layouts, and gives both back at the next launch. Sizes never go below the layout's own
// size, and a stored position is used only while some screen still shows the window.
// Writes are gathered for a moment so dragging the window does not write the store on
// every step. Main thread only.
class WindowFrameKeeper : public QObject
{
    Q_OBJECT
public:
    enum Layout { StartLayout, ListLayout };

    WindowFrameKeeper(QWidget *window, AppSettings &settings, QObject *parent = nullptr);

    // The layout the window shows now; its size is the one remembered from here on.
    void setLayout(Layout layout) { m_layout = layout; }
    Layout layout() const { return m_layout; }
    // The smallest size of each layout.
    static QSize minimumSize(Layout layout);

    // The frame the window should take for `layout`: its remembered size (at least the
    // minimum), at the remembered position when `useStoredPosition` and it is on a
    // screen, centred on the window's screen otherwise.
    QRect frameFor(Layout layout, bool useStoredPosition) const;
    // Centred on the window's screen, as the layouts were first placed.
    QRect centredFrame(const QSize &size) const;

    // Stops remembering while the program moves the window itself (the layout glide).
    void setPaused(bool paused) { m_paused = paused; }
    // Writes what is pending now (tests, quitting).
    void flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void save();

    QWidget *m_window;
    AppSettings &m_settings;
    Layout m_layout = StartLayout;
    bool m_paused = false;
    QTimer m_timer;
};
