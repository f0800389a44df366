// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageButton.h"

// An image button whose command runs on the press, not on the release: a left press (or
// Space/Return) emits activated(). The pointer entering or leaving its hover area emits
// hoverEntered()/hoverExited(). Its artwork may follow both: a picture while the command
// runs and after it, and one for each side of the hover area.
class CommandButton : public ImageButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
    explicit CommandButton(const QString &text, QWidget *parent = nullptr);

    // Takes the current bounds as the hover area (later resizes don't move it).
    void trackHoverInBounds();
    QRect trackingRect() const { return m_trackingRect; }

    // Pictures shown before the command runs and after it returns; empty leaves the picture.
    void setPressArtwork(const QString &pressed, const QString &afterwards = {});
    // Pictures shown when the pointer enters and leaves the hover area.
    void setHoverArtwork(const QString &entered, const QString &exited);

    // What a press does, for callers without a pointer.
    void activate();

Q_SIGNALS:
    void activated();
    void hoverEntered();
    void hoverExited();

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
    void showArtwork(const QString &name);

    QRect m_trackingRect;
    bool m_inside = false;
    QString m_pressedImage;
    QString m_afterImage;
    QString m_enteredImage;
    QString m_exitedImage;
};
