// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowEdgeGrips.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWindow>

static Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool h = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool v = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (h && v) {
        const bool falling = (edges & Qt::TopEdge) ? bool(edges & Qt::LeftEdge) : bool(edges & Qt::RightEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return h ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

WindowEdgeGrip::WindowEdgeGrip(Qt::Edges edges, QWidget *window)
    : QWidget(window)
    , m_edges(edges)
{
    setCursor(cursorFor(edges));
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void WindowEdgeGrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    QWidget *top = window();
    if (top->windowHandle() && top->windowHandle()->startSystemResize(m_edges))
        return;
    m_manual = true;
    m_pressGlobal = event->globalPosition().toPoint();
    m_pressGeometry = top->geometry();
}

void WindowEdgeGrip::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_manual)
        return;
    const QPoint d = event->globalPosition().toPoint() - m_pressGlobal;
    QWidget *top = window();
    QRect g = m_pressGeometry;
    const QSize min = top->minimumSize();
    const QSize max = top->maximumSize();
    if (m_edges & Qt::RightEdge)
        g.setWidth(qBound(min.width(), g.width() + d.x(), max.width()));
    if (m_edges & Qt::BottomEdge)
        g.setHeight(qBound(min.height(), g.height() + d.y(), max.height()));
    if (m_edges & Qt::LeftEdge)
        g.setLeft(g.right() + 1 - qBound(min.width(), g.width() - d.x(), max.width()));
    if (m_edges & Qt::TopEdge)
        g.setTop(g.bottom() + 1 - qBound(min.height(), g.height() - d.y(), max.height()));
    top->setGeometry(g);
}

void WindowEdgeGrip::mouseReleaseEvent(QMouseEvent *)
{
    m_manual = false;
}

WindowEdgeGrips::WindowEdgeGrips(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    for (Qt::Edges e : {Qt::Edges(Qt::LeftEdge), Qt::Edges(Qt::RightEdge), Qt::Edges(Qt::TopEdge),
                        Qt::Edges(Qt::BottomEdge), Qt::TopEdge | Qt::LeftEdge, Qt::TopEdge | Qt::RightEdge,
                        Qt::BottomEdge | Qt::LeftEdge, Qt::BottomEdge | Qt::RightEdge})
        m_grips.append(new WindowEdgeGrip(e, window));
    window->installEventFilter(this);
    layoutGrips();
}

void WindowEdgeGrips::layoutGrips()
{
    const int t = Thickness;
    const int w = m_window->width();
    const int h = m_window->height();
    const bool fixed = m_window->minimumSize() == m_window->maximumSize();
    for (QWidget *widget : m_grips) {
        auto *grip = static_cast<WindowEdgeGrip *>(widget);
        const Qt::Edges e = grip->edges();
        const int x = (e & Qt::LeftEdge) ? 0 : (e & Qt::RightEdge) ? w - t : t;
        const int y = (e & Qt::TopEdge) ? 0 : (e & Qt::BottomEdge) ? h - t : t;
        const int gw = (e & (Qt::LeftEdge | Qt::RightEdge)) ? t : w - 2 * t;
        const int gh = (e & (Qt::TopEdge | Qt::BottomEdge)) ? t : h - 2 * t;
        grip->setGeometry(x, y, gw, gh);
        grip->setVisible(!fixed);
        grip->raise();
    }
}

bool WindowEdgeGrips::eventFilter(QObject *watched, QEvent *event)
{
    // Children added later (a new layout's views) must not cover the edges.
    if (watched == m_window
        && (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::ChildAdded
            || event->type() == QEvent::LayoutRequest))
        layoutGrips();
    return QObject::eventFilter(watched, event);
}
