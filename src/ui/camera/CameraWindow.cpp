// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraWindow.h"

#include "CameraItemModel.h"
#include "widgets/CommandButton.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QKeyEvent>
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
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
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
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("cameraCloseButton"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

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
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(statusLabel, 1);
    bottom->addWidget(closeButton, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
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

void CameraWindow::keyPressEvent(QKeyEvent *event)
{
    // As a dialog does: the browser and buttons pass Esc on to the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void CameraWindow::showOnScreen(QWidget *over)
{
    // The frame is known only once the window manager has decorated a shown window; until
    // then the margins of a typical title bar stand in for it.
    const bool decorated = isVisible() && frameGeometry() != geometry();
    const QMargins frame = decorated ? QMargins(geometry().left() - frameGeometry().left(),
                                                geometry().top() - frameGeometry().top(),
                                                frameGeometry().right() - geometry().right(),
                                                frameGeometry().bottom() - geometry().bottom())
                                     : QMargins(4, 30, 4, 4);
    QScreen *screen = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size() + QSize(8, 34));
    QSize outer = size().grownBy(frame);
    if (outer.width() > area.width() || outer.height() > area.height()) {
        resize(size().boundedTo(area.size().shrunkBy(frame)));
        outer = size().grownBy(frame);
    }
    QRect placed(QPoint(), outer);
    placed.moveCenter(over ? over->frameGeometry().center() : area.center());
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() + 1 - outer.width()));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() + 1 - outer.height()));
    // move() places the frame's corner for a top-level window.
    move(placed.topLeft());
    show();
    raise();
    activateWindow();
}
