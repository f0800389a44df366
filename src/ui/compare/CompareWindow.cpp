// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareWindow.h"

#include "ComparisonView.h"

#include "compress/PhotoComparison.h"
#include "compress/SizeText.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QPushButton *toggle(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setAutoDefault(false);
    return button;
}

QString dimensions(const QImage &image)
{
    return QStringLiteral("%1 × %2").arg(image.width()).arg(image.height());
}

} // namespace

CompareWindow::CompareWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    // One pair at a time; a second thread would only compete with the next job.
    , m_pool(QStringLiteral("Compare"), 1)
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(tr("Compare"));

    originalLabel = new QLabel(this);
    originalLabel->setObjectName(QStringLiteral("compareOriginalLabel"));
    resultLabel = new QLabel(this);
    resultLabel->setObjectName(QStringLiteral("compareResultLabel"));
    ssimLabel = new QLabel(this);
    ssimLabel->setObjectName(QStringLiteral("compareSsimLabel"));
    ssimLabel->setToolTip(tr("Structural similarity of the result to the original: 1 means no visible change"));
    for (QLabel *label : {originalLabel, resultLabel, ssimLabel})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    sideBySideButton = toggle(tr("Side by Side"), "sideBySideButton", this);
    splitButton = toggle(tr("Split"), "splitButton", this);
    auto *arrangement = new QButtonGroup(this);
    arrangement->addButton(sideBySideButton);
    arrangement->addButton(splitButton);
    sideBySideButton->setChecked(true);

    fitButton = toggle(tr("Fit"), "fitButton", this);
    actualSizeButton = toggle(tr("100%"), "actualSizeButton", this);
    doubleSizeButton = toggle(tr("200%"), "doubleSizeButton", this);
    m_zoomButtons = new QButtonGroup(this);
    m_zoomButtons->addButton(fitButton);
    m_zoomButtons->addButton(actualSizeButton);
    m_zoomButtons->addButton(doubleSizeButton);
    fitButton->setChecked(true);

    view = new ComparisonView(this);
    connect(sideBySideButton, &QPushButton::clicked, view, [this] { view->setArrangement(ComparisonView::Arrangement::SideBySide); });
    connect(splitButton, &QPushButton::clicked, view, [this] { view->setArrangement(ComparisonView::Arrangement::Split); });
    connect(fitButton, &QPushButton::clicked, view, [this] { view->setZoom(0); });
    connect(actualSizeButton, &QPushButton::clicked, view, [this] { view->setZoom(1); });
    connect(doubleSizeButton, &QPushButton::clicked, view, [this] { view->setZoom(2); });
    connect(view, &ComparisonView::zoomChanged, this, &CompareWindow::zoomShown);

    auto *sizes = new QHBoxLayout;
    sizes->addWidget(originalLabel);
    sizes->addSpacing(16);
    sizes->addWidget(resultLabel);
    sizes->addStretch(1);
    sizes->addWidget(ssimLabel);
    auto *controls = new QHBoxLayout;
    controls->addWidget(sideBySideButton);
    controls->addWidget(splitButton);
    controls->addStretch(1);
    controls->addWidget(fitButton);
    controls->addWidget(actualSizeButton);
    controls->addWidget(doubleSizeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sizes);
    layout->addWidget(view, 1);
    layout->addLayout(controls);
    resize(960, 640);
}

CompareWindow::~CompareWindow() = default;

void CompareWindow::compare(const QString &originalPath, const QString &resultPath)
{
    // The pair asked for before is stale: its answer, queued or still being worked out,
    // sees its run cancelled and is dropped.
    m_pool.cancel();
    m_pool.dropQueued();
    m_working = true;
    setWindowTitle(tr("Compare %1").arg(QFileInfo(originalPath).fileName()));
    originalLabel->setText(tr("Original: reading…"));
    resultLabel->clear();
    ssimLabel->setText(tr("SSIM: computing…"));
    view->setImages(QImage(), QImage());
    m_pool.run([this, originalPath, resultPath](const jobs::CancelToken &run) {
        if (run.cancelled())
            return;
        compress::PhotoComparison comparison = compress::comparePhotos(originalPath, resultPath);
        QMetaObject::invokeMethod(
            this,
            [this, run, comparison = std::move(comparison)] {
                if (run.cancelled())
                    return;
                m_working = false;
                showComparison(comparison);
            },
            Qt::QueuedConnection);
    });
}

void CompareWindow::showComparison(const compress::PhotoComparison &comparison)
{
    const auto sizeOf = [](const compress::UprightPhoto &photo) {
        return photo.fileSize >= 0 ? compress::sizeText(quint64(photo.fileSize)) : QString();
    };
    originalLabel->setText(comparison.original.ok()
                               ? tr("Original: %1, %2").arg(sizeOf(comparison.original), dimensions(comparison.original.image))
                               : tr("Original: %1").arg(comparison.original.error));
    if (comparison.result.ok()) {
        QString text = tr("Compressed: %1, %2").arg(sizeOf(comparison.result), dimensions(comparison.result.image));
        if (comparison.original.fileSize > 0 && comparison.result.fileSize >= 0)
            text += QLatin1Char(' ')
                + tr("(%1 smaller)")
                      .arg(compress::savingPercentText(quint64(comparison.original.fileSize),
                                                       quint64(comparison.result.fileSize)));
        resultLabel->setText(text);
    } else {
        resultLabel->setText(tr("Compressed: %1").arg(comparison.result.error));
    }
    if (!std::isnan(comparison.ssim))
        ssimLabel->setText(tr("SSIM %1").arg(comparison.ssim, 0, 'f', 4));
    else if (comparison.original.ok() && comparison.result.ok())
        ssimLabel->setText(tr("SSIM: not measured, the sizes differ"));
    else
        ssimLabel->setText(tr("SSIM: not measured"));
    view->setImages(comparison.original.image, comparison.result.image);
    view->setZoom(view->zoom());
    Q_EMIT comparisonShown();
}

void CompareWindow::zoomShown(double zoom)
{
    // The wheel leaves the fixed steps: no button stands for the zoom then.
    QAbstractButton *button = zoom == 0 ? fitButton : zoom == 1 ? actualSizeButton : zoom == 2 ? doubleSizeButton : nullptr;
    m_zoomButtons->setExclusive(button != nullptr);
    if (button)
        button->setChecked(true);
    else if (m_zoomButtons->checkedButton())
        m_zoomButtons->checkedButton()->setChecked(false);
}

void CompareWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}
