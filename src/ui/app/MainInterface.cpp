// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainInterface.h"

#include "Artwork.h"
#include "Palette.h"
#include "widgets/ImageButton.h"
#include "widgets/ImageStrip.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ResultHeaderView.h"
#include "widgets/TitleBarView.h"
#include "widgets/ResultTableView.h"
#include "widgets/CommandButton.h"
#include "widgets/WindowCloseButton.h"
#include "widgets/FramelessWindow.h"
#include "widgets/PhotoDropArea.h"
#include "widgets/BusyDiskView.h"
#include "widgets/ProgressBarView.h"
#include "windows/AboutWindow.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/Drawer.h"
#include "windows/EditorPlaceholderView.h"
#include "windows/PreferenceWindow.h"
#include "windows/ResizeWindow.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

MainInterface::MainInterface(QObject *parent)
    : QObject(parent)
{
    window = new FramelessWindow;
    window->setObjectName(QStringLiteral("window"));
    window->setWindowTitle(QStringLiteral("Glimmerset"));
    window->setWindowIcon(artwork::applicationIcon());
    buildHeader();
    buildStartView();
    buildListView();
    buildMenus();

    resizeImageWindow = new ResizeWindow(window);
    preferenceWindow = new PreferenceWindow(window);
    aboutWindow = new AboutWindow(window);
    connectPhotoWindow = new ConnectPhotoWindow(window);
    rightDrawer = new Drawer(window);
    drawerView = new EditorPlaceholderView;
    drawerView->setObjectName(QStringLiteral("drawerView"));
}

MainInterface::~MainInterface()
{
    delete window;
}

void MainInterface::buildHeader()
{
    QWidget *header = window->headerView();
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(4);

    auto *icon = new QLabel(header);
    icon->setPixmap(artwork::applicationIcon().pixmap(QSize(16, 16), window->devicePixelRatioF()));
    menuBar = new QMenuBar(header);
    menuBar->setNativeMenuBar(false);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setStyleSheet(QStringLiteral("QMenuBar { background: transparent; }"
                                          "QMenuBar::item { padding: 3px 8px; background: transparent; }"
                                          "QMenuBar::item:selected { background: rgba(61,99,221,0.14);"
                                          " border-radius: 4px; }"));
    titleLabel = new QLabel(QStringLiteral("Glimmerset"), header);
    QFont titleFont = titleLabel->font();
    titleFont.setWeight(QFont::DemiBold);
    titleLabel->setFont(titleFont);
    titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    closedButton = new WindowCloseButton(header);
    closedButton->setObjectName(QStringLiteral("closedButton"));
    closedButton->setFixedSize(18, 18);
    closedButton->setToolTip(tr("Close"));

    minimizeBtn = new ImageButton(header);
    minimizeBtn->setObjectName(QStringLiteral("minimizeBtn"));
    static_cast<ImageButton *>(minimizeBtn)->setImage(QStringLiteral("Minimize_Nom.png"));
    minimizeBtn->setFixedSize(18, 18);
    minimizeBtn->setToolTip(tr("Minimise"));
    minimizeBtn->setCursor(Qt::PointingHandCursor);
    QObject::connect(minimizeBtn, &QPushButton::clicked, window, &QWidget::showMinimized);

    row->addWidget(icon);
    row->addWidget(menuBar);
    row->addStretch(1);
    row->addWidget(minimizeBtn);
    row->addWidget(closedButton);
    // The title is centred on the whole header, not on what is left between the parts.
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->lower();
    header->installEventFilter(this);
}

bool MainInterface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window->headerView() && event->type() == QEvent::Resize)
        titleLabel->setGeometry(window->headerView()->rect());
    return QObject::eventFilter(watched, event);
}

void MainInterface::buildStartView()
{
    leftTipView = new QWidget(window->contentView());
    leftTipView->setObjectName(QStringLiteral("leftTipView"));
    auto *layout = new QVBoxLayout(leftTipView);
    layout->setContentsMargins(18, 14, 18, 8);
    layout->setSpacing(4);
    leftTipImageView = new PhotoDropArea(leftTipView);
    leftTipImageView->setObjectName(QStringLiteral("leftTipImageView"));
    leftTipImageView->setTipText(tr("Drop photos or a folder here"),
                                 tr("or click to choose photos — JPEG and PNG are made smaller"));
    layout->addWidget(leftTipImageView, 1);
    // The editor lives in the drawer; the start screen names it so nobody has to find the menu.
    startEditMetadataBtn = new QPushButton(tr("Edit photo metadata instead…"), leftTipView);
    artwork::setIcon(startEditMetadataBtn, QStringLiteral("editicon.png"));
    startEditMetadataBtn->setObjectName(QStringLiteral("startEditMetadataBtn"));
    startEditMetadataBtn->setFlat(true);
    startEditMetadataBtn->setCursor(Qt::PointingHandCursor);
    auto *links = new QHBoxLayout;
    links->addStretch(1);
    links->addWidget(startEditMetadataBtn);
    layout->addLayout(links);
    auto *contentLayout = new QVBoxLayout(window->contentView());
    contentLayout->setContentsMargins(1, 0, 1, 1);
    contentLayout->setSpacing(0);
    contentLayout->addWidget(leftTipView);
}

void MainInterface::buildListView()
{
    localphotoView = new QWidget;
    localphotoView->setObjectName(QStringLiteral("localphotoView"));
    auto *layout = new QVBoxLayout(localphotoView);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildListTop();
    buildResultTable();
    buildBottomBar();
    layout->addWidget(secondMainView);
    layout->addWidget(localPhotoViewImageView);
    layout->addWidget(theTableview, 1);
    layout->addWidget(failureslab);
    layout->addWidget(bottomBar);
}

// Above the list, in one place: the drop area for more photos, or a job's progress.
void MainInterface::buildListTop()
{
    secondMainView = new QWidget(localphotoView);
    secondMainView->setObjectName(QStringLiteral("secondMainView"));
    secondMainView->setFixedHeight(104);
    auto *stack = new QStackedLayout(secondMainView);
    stack->setStackingMode(QStackedLayout::StackAll);
    buildMoreDropView();
    buildProgressView();
    stack->addWidget(secondDragView);
    stack->addWidget(secondScanView);
}

void MainInterface::buildMoreDropView()
{
    secondDragView = new QWidget(secondMainView);
    secondDragView->setObjectName(QStringLiteral("secondDragView"));
    auto *dragLayout = new QVBoxLayout(secondDragView);
    dragLayout->setContentsMargins(18, 12, 18, 12);
    secondDragImageView = new PhotoDropArea(secondDragView);
    secondDragImageView->setObjectName(QStringLiteral("secondDragImageView"));
    secondDragImageView->setTipText(tr("Drop more photos or a folder"),
                                    tr("A drop starts a new list · click to choose photos"));
    dragLayout->addWidget(secondDragImageView);
}

void MainInterface::buildProgressView()
{
    secondScanView = new QWidget(secondMainView);
    secondScanView->setObjectName(QStringLiteral("secondScanView"));
    auto *scanLayout = new QHBoxLayout(secondScanView);
    scanLayout->setContentsMargins(36, 12, 36, 12);
    scanLayout->setSpacing(18);
    theFlashView = new BusyDiskView(secondScanView);
    theFlashView->setObjectName(QStringLiteral("theFlashView"));
    theFlashView->setFixedSize(72, 72);
    auto *scanText = new QVBoxLayout;
    scanText->setSpacing(8);
    auto *scanTop = new QHBoxLayout;
    scanStatuslab = new QLabel(tr("Compressing photos…"), secondScanView);
    QFont statusFont = scanStatuslab->font();
    statusFont.setPointSizeF(statusFont.pointSizeF() * 1.1);
    statusFont.setBold(true);
    scanStatuslab->setFont(statusFont);
    progresslab = new QLabel(secondScanView);
    progresslab->setObjectName(QStringLiteral("progresslab"));
    progresslab->setFont(statusFont);
    palette::setTextColour(progresslab, palette::accent);
    scanTop->addWidget(scanStatuslab);
    scanTop->addStretch(1);
    scanTop->addWidget(progresslab);
    theProgressView = new ProgressBarView(secondScanView);
    theProgressView->setObjectName(QStringLiteral("theProgressView"));
    theProgressView->setFixedHeight(14);
    scanText->addStretch(1);
    scanText->addLayout(scanTop);
    scanText->addWidget(theProgressView);
    scanText->addStretch(1);
    stopCompressBtn = new QPushButton(tr("Stop"), secondScanView);
    stopCompressBtn->setObjectName(QStringLiteral("stopCompressBtn"));
    stopCompressBtn->setToolTip(tr("Stop after the photos being written; the finished ones stay in the list"));
    stopCompressBtn->setCursor(Qt::PointingHandCursor);
    scanLayout->addWidget(theFlashView);
    scanLayout->addLayout(scanText, 1);
    scanLayout->addWidget(stopCompressBtn, 0, Qt::AlignVCenter);
}

void MainInterface::buildResultTable()
{
    resultHeader = new ResultHeaderView(localphotoView);
    localPhotoViewImageView = resultHeader;
    localPhotoViewImageView->setObjectName(QStringLiteral("localPhotoViewImageView"));
    resultHeader->setFixedHeight(28);

    theTableview = new ResultTableView(localphotoView);
    theTableview->setObjectName(QStringLiteral("theTableview"));
    theTableview->setRowHeight(ResultNameCell::RowHeight);
    theTableview->setAccessibleName(tr("Compressed photos"));
    resultHeader->alignWith(theTableview->viewport());
    openResultAction = new QAction(tr("&Open"), theTableview);
    openResultAction->setObjectName(QStringLiteral("openResultAction"));
    revealResultAction = new QAction(tr("Show in &Folder"), theTableview);
    revealResultAction->setObjectName(QStringLiteral("revealResultAction"));
    copyResultPathAction = new QAction(tr("&Copy Path"), theTableview);
    copyResultPathAction->setObjectName(QStringLiteral("copyResultPathAction"));
    copyResultPathAction->setShortcut(QKeySequence::Copy);
    removeResultAction = new QAction(tr("&Remove from List"), theTableview);
    removeResultAction->setObjectName(QStringLiteral("removeResultAction"));
    removeResultAction->setShortcut(QKeySequence::Delete);
    for (QAction *a : {openResultAction, revealResultAction, copyResultPathAction, removeResultAction}) {
        // The keys belong to the list: Delete in a text field elsewhere must not remove rows.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        theTableview->addAction(a);
    }

    failureslab = new QLabel(localphotoView);
    failureslab->setObjectName(QStringLiteral("failureslab"));
    failureslab->setTextFormat(Qt::RichText);
    failureslab->setContentsMargins(16, 4, 16, 4);
    failureslab->hide();
}

void MainInterface::buildBottomBar()
{
    auto *bottom = new ImageStrip(QStringLiteral("bottomwindow.png"), localphotoView);
    bottomBar = bottom;
    bottomBar->setObjectName(QStringLiteral("bottomBar"));
    bottomBar->setFixedHeight(52);
    auto *bottomLayout = new QHBoxLayout(bottomBar);
    bottomLayout->setContentsMargins(16, 8, 12, 8);
    bottomLayout->setSpacing(8);
    saveSizelab = new QLabel(bottomBar);
    saveSizelab->setObjectName(QStringLiteral("saveSizelab"));
    QFont saveFont = saveSizelab->font();
    saveFont.setBold(true);
    saveFont.setPointSizeF(saveFont.pointSizeF() * 1.05);
    saveSizelab->setFont(saveFont);
    palette::setTextColour(saveSizelab, palette::saving);

    importPhotosBtn = new QPushButton(tr("Import…"), bottomBar);
    artwork::setIcon(importPhotosBtn, QStringLiteral("importicon.png"));
    importPhotosBtn->setObjectName(QStringLiteral("importPhotosBtn"));
    importAndExportBtn = new CommandButton(tr("Recompress"), bottomBar);
    importAndExportBtn->setToolTip(tr("Compress the photos of the last drop again"));
    importAndExportBtn->setObjectName(QStringLiteral("importAndExportBtn"));
    artwork::setIcon(importAndExportBtn, QStringLiteral("againicon.png"));
    resizePhotosBtn = new QPushButton(tr("Resize…"), bottomBar);
    artwork::setIcon(resizePhotosBtn, QStringLiteral("resizeicon.png"));
    resizePhotosBtn->setObjectName(QStringLiteral("resizePhotosBtn"));
    editMetadataBtn = new QPushButton(tr("Edit Metadata"), bottomBar);
    artwork::setIcon(editMetadataBtn, QStringLiteral("editicon.png"));
    editMetadataBtn->setObjectName(QStringLiteral("editMetadataBtn"));
    editMetadataBtn->setCheckable(false);
    for (QPushButton *b : {importPhotosBtn, static_cast<QPushButton *>(importAndExportBtn), resizePhotosBtn,
                           editMetadataBtn}) {
        b->setIconSize(QSize(16, 16));
        b->setCursor(Qt::PointingHandCursor);
    }
    bottomLayout->addWidget(saveSizelab);
    // The spacer, not the label, takes the slack, so the buttons stay right while the line is hidden.
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(importPhotosBtn);
    bottomLayout->addWidget(importAndExportBtn);
    bottomLayout->addWidget(resizePhotosBtn);
    bottomLayout->addWidget(editMetadataBtn);
}

void MainInterface::buildMenus()
{
    appMenu = menuBar->addMenu(tr("&Glimmerset"));
    aboutAction = appMenu->addAction(tr("&About Glimmerset"));
    appMenu->addSeparator();
    preferencesAction = appMenu->addAction(tr("&Preferences…"));
    preferencesAction->setShortcut(QKeySequence::Preferences);
    if (preferencesAction->shortcut().isEmpty())
        preferencesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    appMenu->addSeparator();
    quitAction = appMenu->addAction(tr("&Quit"));
    quitAction->setShortcut(QKeySequence::Quit);
    if (quitAction->shortcut().isEmpty())
        quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    fileMenu = menuBar->addMenu(tr("&Photos"));
    importAction = fileMenu->addAction(tr("&Import Photos…"));
    importAction->setShortcut(QKeySequence::Open);
    compressAgainAction = fileMenu->addAction(tr("&Compress Again…"));
    resizeAction = fileMenu->addAction(tr("&Resize Photos…"));
    resizeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    fileMenu->addSeparator();
    editMetadataAction = fileMenu->addAction(tr("&Edit Metadata"));
    editMetadataAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    helpMenu = menuBar->addMenu(tr("&Help"));
    supportAction = helpMenu->addAction(tr("Glimmerset &Support"));
    checkForUpdateAction = helpMenu->addAction(tr("Check for &Updates…"));
    checkForUpdateAction->setObjectName(QStringLiteral("checkForUpdateAction"));

    // Frameless windows get no menu shortcuts of their own: register them on the window.
    window->addActions({preferencesAction, quitAction, importAction, resizeAction, editMetadataAction});
}
