// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QWidget>

// Thin invisible strips along the edges and corners of a frameless top-level window:
// pressing one hands the resize to the window manager, as its own frame would, so the
// user can make the window larger by its edges. A fixed-size window (minimum equal to
// maximum) shows no grips.
class WindowEdgeGrips : public QObject
{
    Q_OBJECT
public:
    static constexpr int Thickness = 5;

    explicit WindowEdgeGrips(QWidget *window);

    // Puts the strips over the window's current edges (call after each resize).
    void layoutGrips();
    QList<QWidget *> grips() const { return m_grips; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QList<QWidget *> m_grips;
};

// One strip; `edges` names the sides it moves.
class WindowEdgeGrip : public QWidget
{
    Q_OBJECT
public:
    WindowEdgeGrip(Qt::Edges edges, QWidget *window);
    Qt::Edges edges() const { return m_edges; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Qt::Edges m_edges;
    // Resizing by hand where the platform has no window-manager resize (offscreen, some Wayland).
    bool m_manual = false;
    QPoint m_pressGlobal;
    QRect m_pressGeometry;
};
