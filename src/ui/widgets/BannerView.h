// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A banner: draws "windowtopbanner.png" over its whole bounds.
class BannerView : public QWidget
{
    Q_OBJECT
public:
    explicit BannerView(QWidget *parent = nullptr);
protected:
    void paintEvent(QPaintEvent *event) override;
};
