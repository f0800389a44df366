// SPDX-License-Identifier: GPL-3.0-or-later
#include "FramelessWindow.h"

#include "TitleBarView.h"
#include "WindowEdgeGrips.h"
#include "app/Palette.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QWindow>

FramelessWindow::FramelessWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);

    m_contentView = new QWidget(this);
    m_contentView->setObjectName(QStringLiteral("contentView"));
    m_headerView = new TitleBarView(this);
    m_headerView->setObjectName(QStringLiteral("headerView"));
    // Ordered below the content's own views, as a title area is.
    m_headerView->lower();
    m_grips = new WindowEdgeGrips(this);
    m_contentView->installEventFilter(this);
    layoutParts();
}

void FramelessWindow::setLayoutMinimumSize(const QSize &size)
{
    m_layoutMinimum = size;
    fitContent();
}

void FramelessWindow::fitContent()
{
    // The content view is no layout of ours (the parts are placed by hand), so its
    // layout's least size has to be carried over to the window here.
    QSize needed = m_layoutMinimum;
    if (const QLayout *layout = m_contentView->layout())
        needed = needed.expandedTo(layout->totalMinimumSize() + QSize(0, TitleBarView::HeaderHeight));
    if (minimumSize() != needed)
        setMinimumSize(needed); // grows the window when it is smaller
}

bool FramelessWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A text or a view changed what the content needs; measured once the layout has
    // taken the change in.
    if (watched == m_contentView && event->type() == QEvent::LayoutRequest)
        QMetaObject::invokeMethod(this, &FramelessWindow::fitContent, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void FramelessWindow::UpdateWindowImage(const QPixmap &image)
{
    m_headerView->UpdateWindowImage(image);
}

void FramelessWindow::layoutParts()
{
    const int h = TitleBarView::HeaderHeight;
    m_headerView->setGeometry(0, 0, width(), h);
    m_contentView->setGeometry(0, h, width(), qMax(0, height() - h));
}

void FramelessWindow::setFrame(const QRect &frame, bool animate)
{
    if (!animate || !isVisible() || geometry().size() == frame.size()) {
        setGeometry(frame);
        Q_EMIT frameChangeFinished();
        return;
    }
    auto *glide = new QPropertyAnimation(this, "geometry", this);
    glide->setDuration(180);
    glide->setStartValue(geometry());
    glide->setEndValue(frame);
    glide->setEasingCurve(QEasingCurve::OutCubic);
    connect(glide, &QPropertyAnimation::finished, this, [this, frame] {
        setGeometry(frame);
        Q_EMIT frameChangeFinished();
    });
    glide->start(QAbstractAnimation::DeleteWhenStopped);
}

void FramelessWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutParts();
}

void FramelessWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette::dashedBorder());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Prefer the window manager's own move so snapping and multi-screen work; fall back
    // to moving by hand where the platform has none.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void FramelessWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click on the title area maximises and restores, as on a framed window.
    if (event->button() == Qt::LeftButton && event->position().y() < TitleBarView::HeaderHeight
        && minimumSize() != maximumSize()) {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void FramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void FramelessWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    Q_EMIT closeRequested();
    event->accept();
}
