// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetWindow.h"

#include "app/Artwork.h"
#include "app/Palette.h"
#include "widgets/TitleBarView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

SheetWindow::SheetWindow(const QString &backgroundImage, QWidget *parent)
    : QDialog(parent, Qt::Sheet | Qt::FramelessWindowHint)
    , m_background(backgroundImage)
{
    setWindowModality(Qt::WindowModal);
    setAutoFillBackground(false);
}

void SheetWindow::beginSheet(QWidget *window)
{
    m_returnCode = 0;
    adjustSize();
    if (window) {
        const QRect frame = window->geometry();
        move(frame.x() + (frame.width() - width()) / 2, frame.y() + TitleBarView::HeaderHeight);
    }
    show();
    raise();
    activateWindow();
}

void SheetWindow::endSheet(int returnCode)
{
    m_returnCode = returnCode;
    hide();
}

void SheetWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap background = artwork::pixmap(m_background);
    painter.drawPixmap(QRectF(rect()), background, QRectF(background.rect()));
    painter.setPen(palette::dashedBorder());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SheetWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape closes through the owner's cancel path, not QDialog's reject.
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT rejected();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
