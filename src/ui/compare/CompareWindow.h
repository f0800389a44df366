// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/WorkerPool.h"

#include <QWidget>

class ComparisonView;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace compress {
struct PhotoComparison;
}

// Before and after: an original and its compressed result, their sizes, the SSIM of
// the result against the original, and the two photos side by side or split by a
// slider, with one zoom (fit, 100%, 200%) and one pan for both. Decoding and the SSIM
// run on the window's own thread; the window stays usable meanwhile. Esc closes it.
class CompareWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CompareWindow(QWidget *parent = nullptr);
    ~CompareWindow() override;

    // Starts showing this pair; a comparison still being worked out for an earlier pair
    // is dropped.
    void compare(const QString &originalPath, const QString &resultPath);
    bool isWorking() const { return m_working; }

    ComparisonView *view = nullptr;
    QLabel *originalLabel = nullptr;
    QLabel *resultLabel = nullptr;
    QLabel *ssimLabel = nullptr;
    QPushButton *sideBySideButton = nullptr;
    QPushButton *splitButton = nullptr;
    QPushButton *fitButton = nullptr;
    QPushButton *actualSizeButton = nullptr;
    QPushButton *doubleSizeButton = nullptr;

Q_SIGNALS:
    // The photos and the SSIM are shown (or why they could not be).
    void comparisonShown();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showComparison(const compress::PhotoComparison &comparison);
    void zoomShown(double zoom);

    QButtonGroup *m_zoomButtons = nullptr;
    bool m_working = false;
    // Last, so it is destroyed first: a comparison still running finishes into nothing
    // while the window is still whole.
    jobs::WorkerPool m_pool;
};
