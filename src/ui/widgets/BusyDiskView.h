// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class DiskLayer;

// The busy indicator of a running compression: the disk picture "flashimage.png",
// turning once every two seconds between startFlash() and stopFlash(). Main thread only.
class BusyDiskView : public QWidget
{
    Q_OBJECT
public:
    explicit BusyDiskView(QWidget *parent = nullptr);

    void prepareDisk();
    void startFlash();
    // Safe without a prior startFlash(): the disk simply stays still.
    void stopFlash();
    bool isFlashing() const;

    DiskLayer *diskLayer() const { return m_diskLayer; }
    void setDiskLayer(DiskLayer *layer);

    QSize sizeHint() const override;

    static constexpr int RotateDurationMs = 2000;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setContentsFromImage();

    DiskLayer *m_diskLayer = nullptr;
};
