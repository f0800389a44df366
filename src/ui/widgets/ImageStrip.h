// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// A background picture from the artwork, stretched over the whole view on both axes;
// children are laid on top.
class ImageStrip : public QWidget
{
    Q_OBJECT
public:
    explicit ImageStrip(const QString &imageName, QWidget *parent = nullptr);
    void setImage(const QString &imageName);
    QString imageName() const { return m_imageName; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imageName;
};
