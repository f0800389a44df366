// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// The title area of the custom window: draws its picture ("tablehead.png" until another
// is set) stretched over its whole bounds. Children (title, menu, close button) sit on top.
class TitleBarView : public QWidget
{
    Q_OBJECT
public:
    explicit TitleBarView(QWidget *parent = nullptr);

    void UpdateWindowImage(const QPixmap &image);
    QPixmap headImage() const { return m_headImage; }

    static constexpr int HeaderHeight = 25;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_headImage;
    bool m_imageSet = false;
};
