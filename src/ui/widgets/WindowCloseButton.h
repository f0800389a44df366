// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageButton.h"

// The window's own close button: a left press (or Space/Return) emits activated(); the
// controller decides what closing means.
class WindowCloseButton : public ImageButton
{
    Q_OBJECT
public:
    explicit WindowCloseButton(QWidget *parent = nullptr);


Q_SIGNALS:
    void activated();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
