#pragma once

#include "ImageButton.h"

class NotificationCenter;

// The window's own close button: a press posts "MyClosebuttonMouseDown" with the button
// as the object; the controller decides what closing means.
class ZelClosedButton : public ImageButton
{
    Q_OBJECT
public:
    explicit ZelClosedButton(QWidget *parent = nullptr);

    void awakeFromNib(NotificationCenter *center = nullptr);
    NotificationCenter *nc() const { return m_nc; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    NotificationCenter *m_nc = nullptr;
};
