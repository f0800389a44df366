// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraWindow.h"

#include "CameraItemModel.h"
#include "widgets/CommandButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

CommandButton *imageButton(const QString &objectName, const QString &image, const QString &tip, QWidget *parent)
{
    auto *button = new CommandButton(parent);
    button->setObjectName(objectName);
    button->setImage(image);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

void CameraWindow::setUpItemBrowser(QListView *view)
{
    view->setViewMode(QListView::IconMode);
    view->setResizeMode(QListView::Adjust);
    view->setMovement(QListView::Static);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setUniformItemSizes(true);
    // Laying out a thousand cells at once would stall the window; batches keep it live.
    view->setLayoutMode(QListView::Batched);
    view->setBatchSize(200);
    view->setIconSize(QSize(CameraItemModel::ThumbnailEdge, CameraItemModel::ThumbnailEdge));
    view->setGridSize(QSize(CameraItemModel::ThumbnailEdge + 24, CameraItemModel::ThumbnailEdge + 36));
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideMiddle);
    view->setSpacing(4);
}

CameraWindow::CameraWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("cameraWindow"));
    setWindowTitle(tr("Camera"));
    resize(640, 480);

    deviceNamelab = new QLabel(this);
    deviceNamelab->setObjectName(QStringLiteral("deviceNamelab"));
    QFont bold = deviceNamelab->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    deviceNamelab->setFont(bold);
    cameraChooser = new QComboBox(this);
    cameraChooser->setObjectName(QStringLiteral("cameraChooser"));
    cameraChooser->hide();
    opendeviceBtn = imageButton(QStringLiteral("opendeviceBtn"), QStringLiteral("opendevice.png"),
                                tr("Open the camera"), this);

    imageBrowserView = new QListView(this);
    imageBrowserView->setObjectName(QStringLiteral("imageBrowserView"));
    setUpItemBrowser(imageBrowserView);

    downloadPhotoBtn = imageButton(QStringLiteral("downloadPhotoBtn"), QStringLiteral("downloadphoto.png"),
                                   tr("Download to the Working folder"), this);
    importEditPhotoBtn = imageButton(QStringLiteral("importEditPhotoBtn"), QStringLiteral("importphototoedit.png"),
                                     tr("Download and add to the editor"), this);
    viewExifBtn = imageButton(QStringLiteral("viewExifBtn"), QStringLiteral("editphotometa.png"),
                              tr("View metadata"), this);
    removeExifBtn = imageButton(QStringLiteral("removeExifBtn"), QStringLiteral("deletemetadata.png"),
                                tr("Remove metadata"), this);
    deletePhotoBtn = imageButton(QStringLiteral("deletePhotoBtn"), QStringLiteral("delete.png"),
                                 tr("Delete from the camera"), this);

    camerataskProgressor = new QProgressBar(this);
    camerataskProgressor->setObjectName(QStringLiteral("camerataskProgressor"));
    camerataskProgressor->setRange(0, 0);
    camerataskProgressor->setMaximumWidth(140);
    camerataskProgressor->setTextVisible(false);
    camerataskProgressor->hide();
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("cameraStatuslab"));
    statusLabel->setWordWrap(true);
    statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *top = new QHBoxLayout;
    top->addWidget(deviceNamelab, 1);
    top->addWidget(cameraChooser);
    top->addWidget(opendeviceBtn);

    auto *commands = new QHBoxLayout;
    for (CommandButton *button : {downloadPhotoBtn, importEditPhotoBtn, viewExifBtn, removeExifBtn})
        commands->addWidget(button);
    commands->addSpacing(12);
    commands->addWidget(camerataskProgressor);
    commands->addStretch(1);
    commands->addWidget(deletePhotoBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(imageBrowserView, 1);
    layout->addLayout(commands);
    layout->addWidget(statusLabel);
}

QList<int> CameraWindow::selectionIndexes() const
{
    QList<int> rows;
    if (!imageBrowserView->selectionModel())
        return rows;
    for (const QModelIndex &index : imageBrowserView->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
