// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A view that draws nothing of its own, so whatever lies beneath shows through;
// used to group controls over a background picture.
class ZelOpaueView : public QWidget
{
    Q_OBJECT
public:
    explicit ZelOpaueView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
