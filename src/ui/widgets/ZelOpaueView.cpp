// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelOpaueView.h"

#include <QPaintEvent>
#include <QPainter>

ZelOpaueView::ZelOpaueView(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
}

void ZelOpaueView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::transparent);
}
