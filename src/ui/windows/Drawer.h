#pragma once

#include "DrawerPlacement.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

// A panel that slides out from under the bottom edge of its parent window and moves
// with it. Its content view is set once; the metadata editor lives in it. On a screen too
// short for both it goes beside the window, and failing that over the coverable view only
// (see DrawerPlacement), so it never hides the window's buttons. Its width follows the
// window's; its lower edge drags it taller, between the least and the largest content size.
class Drawer : public QWidget
{
    Q_OBJECT
public:
    enum State { ClosedState, OpeningState, OpenState, ClosingState };

    explicit Drawer(QWidget *parentWindow);

    void setContentView(QWidget *view);
    QWidget *contentView() const { return m_content; }
    void setContentSize(const QSize &size);
    void setMinContentSize(const QSize &size) { m_minContentSize = size; }
    void setMaxContentSize(const QSize &size) { m_maxContentSize = size; }
    QSize contentSize() const { return m_contentSize; }
    void setLeadingOffset(int offset);
    int leadingOffset() const { return m_leadingOffset; }
    // The part of the parent window the panel may lie over when it fits nowhere else.
    void setCoverableView(QWidget *view);
    DrawerPlacement::Side side() const { return m_side; }

    State state() const { return m_state; }
    void open();
    void close();

Q_SIGNALS:
    void stateChanged(Drawer::State state);
    // The user dragged the lower edge to this content size.
    void contentSizeChangedByUser(const QSize &size);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void place(bool mayMoveWindow);

    QPointer<QWidget> m_parentWindow;
    QPointer<QWidget> m_content;
    QPointer<QWidget> m_coverable;
    QSize m_contentSize{654, 322};
    QSize m_minContentSize{654, 322};
    QSize m_maxContentSize{654, 322};
    int m_leadingOffset = 0;
    State m_state = ClosedState;
    DrawerPlacement::Side m_side = DrawerPlacement::Below;
    QWidget *m_grip = nullptr;
    int m_dragStartY = 0;
    int m_dragStartHeight = 0;
};
