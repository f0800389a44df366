// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageButton.h"

class NotificationCenter;

// An image button that runs no action of its own: a press posts "MybuttonMouseDown"
// and the pointer entering or leaving posts "ZelbuttonMouseEntered"/"ZelbuttonMouseExited",
// each with the button as the object, for the controller to dispatch on.
class ZelButton : public ImageButton
{
    Q_OBJECT
public:
    explicit ZelButton(QWidget *parent = nullptr);
    explicit ZelButton(const QString &text, QWidget *parent = nullptr);

    // Set-up: remembers the current bounds as the hover area (later resizes don't move it)
    // and the centre to post to (the default centre unless one is given).
    void awakeFromNib(NotificationCenter *center = nullptr);

    QRect trackingRect() const { return m_trackingRect; }
    NotificationCenter *nc() const { return m_nc; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void mouseEntered();
    void mouseExited();
    void track(const QPoint &pos);

    NotificationCenter *m_nc = nullptr;
    QRect m_trackingRect;
    bool m_inside = false;
};
