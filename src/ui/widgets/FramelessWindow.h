// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

class TitleBarView;
class QPixmap;
class WindowEdgeGrips;

// The application's frameless main window: its own title area (headerView) across the
// top, a content view below it, a white background and a thin edge so it stands out on
// dark desktops. Dragging any part of the background that no control takes moves it;
// its edges resize it through the window manager, and a double click on the title area
// maximises it.
class FramelessWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FramelessWindow(QWidget *parent = nullptr);

    TitleBarView *headerView() const { return m_headerView; }
    QWidget *contentView() const { return m_contentView; }
    void UpdateWindowImage(const QPixmap &image);

    // Moves and resizes the window; with `animate` the change glides. frameChangeFinished
    // follows once the final frame is set (at once without animation).
    void setFrame(const QRect &frame, bool animate);

    // The least size the program gives the current layout. The window also never gets
    // smaller than its content needs to show every text whole: when a longer text (a
    // translation, a finish line) asks for more, the window grows rather than cut it.
    void setLayoutMinimumSize(const QSize &size);

    bool isMovableByWindowBackground() const { return true; }
    WindowEdgeGrips *edgeGrips() const { return m_grips; }
    // Asked when the window is to close; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

Q_SIGNALS:
    void closeRequested();
    void frameChangeFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void layoutParts();
    void fitContent();

    TitleBarView *m_headerView = nullptr;
    QWidget *m_contentView = nullptr;
    WindowEdgeGrips *m_grips = nullptr;
    std::function<bool()> m_closeGuard;
    QSize m_layoutMinimum;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
