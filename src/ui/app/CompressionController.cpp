// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionController.h"

#include "Artwork.h"
#include "MainInterface.h"
#include "SharedPhotoLocation.h"
#include "WindowFrameKeeper.h"
#include "sources/Thumbnailer.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ResultTableModel.h"
#include "widgets/ResultTableView.h"
#include "widgets/CommandButton.h"
#include "widgets/WindowCloseButton.h"
#include "widgets/FramelessWindow.h"
#include "widgets/PhotoDropArea.h"
#include "widgets/BusyDiskView.h"
#include "windows/AboutWindow.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/Drawer.h"
#include "windows/PreferenceWindow.h"
#include "windows/ResizeWindow.h"
#include "update/UpdateController.h"

#include "app/AppSettings.h"
#include "app/Folders.h"
#include "compress/CompressionJob.h"
#include "compress/ResizePresets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

CompressionController::CompressionController(const QString &settingsFile, QObject *parent)
    : QObject(parent)
    , m_settings(settingsFile.isEmpty() ? std::make_unique<AppSettings>() : std::make_unique<AppSettings>(settingsFile))
    , m_ui(std::make_unique<MainInterface>())
    , m_job(new CompressionJob(this))
    , m_thumbnails(new Thumbnailer(QSize(2, 2) * ResultNameCell::ThumbnailEdge, 24 * 1024 * 1024, this))
    , m_updateController(new UpdateController(m_ui->window, this))
    , m_terminate([] { QCoreApplication::quit(); })
    , m_photoLocation(std::make_shared<SharedPhotoLocation>())
{
    m_frameKeeper = new WindowFrameKeeper(m_ui->window, *m_settings, this);
    m_results = new ResultTableModel(this);
}

CompressionController::~CompressionController()
{
    // The job finishes the photo it is writing before the window goes.
    delete m_job;
    m_job = nullptr;
}

FramelessWindow *CompressionController::window() const
{
    return m_ui->window;
}

QWidget *CompressionController::mainWindow() const
{
    return m_ui->window;
}

ConnectPhotoWindow *CompressionController::connectPhotoWindow() const
{
    return m_ui->connectPhotoWindow;
}

void CompressionController::initState()
{
    m_currentExifDictionary = QVariantMap();
    m_currentChooseFilePath = QString();
    m_blocalMode = true;
    m_dragPhotoArray.clear();
    m_secondDrag = false;
}

void CompressionController::wireWindow()
{
    MainInterface &ui = *m_ui;
    ui.importAndExportBtn->trackHoverInBounds();
    ui.connectPhotoWindow->connectPhotoLibBtn()->trackHoverInBounds();
    ui.theFlashView->prepareDisk();
    showCloseButtonArtwork();

    m_bAddGPS = false;
    m_keepMetadata = true;
    ui.saveSizelab->hide();

    QComboBox *popup = ui.resizeImageWindow->theResizePopBtn();
    popup->clear();
    popup->addItems(compress::resizePresetTitles());
    popup->setCurrentText(QString::fromLatin1(compress::CustomPresetTitle));

    ui.theTableview->registerViewFactory(QStringLiteral("Name"),
                                         [this] { return new ResultNameCell(m_thumbnails); });
    ui.theTableview->setDataSource(this);

    wireControls();
    wireResultTable();
    wireWindowBehaviour();
    setupLeftDrawer();
}

void CompressionController::wireControls()
{
    MainInterface &ui = *m_ui;
    connect(ui.closedButton, &WindowCloseButton::activated, this, &CompressionController::closeButtonActivated);
    connect(ui.importAndExportBtn, &CommandButton::activated, this, &CompressionController::StartCompressAction);
    connect(ui.connectPhotoWindow->connectPhotoLibBtn(), &CommandButton::activated, this, [this] {
        m_ui->connectPhotoWindow->endSheet(1);
        clickConnectPhotoLibAction();
    });
    for (PhotoDropArea *dropView : {ui.leftTipImageView, ui.secondDragImageView})
        connect(dropView, &PhotoDropArea::photosDropped, this, [this, dropView] { photosDropped(dropView); });
    connect(ui.aboutAction, &QAction::triggered, this, &CompressionController::ClickAbout);
    connect(ui.preferencesAction, &QAction::triggered, this, &CompressionController::ShowPreferenceWindows);
    connect(ui.quitAction, &QAction::triggered, this, &CompressionController::CloseTheMainWindow);
    connect(ui.supportAction, &QAction::triggered, this, &CompressionController::showUserGuide);
    connect(ui.checkForUpdateAction, &QAction::triggered, this, &CompressionController::CheckforUpdateAction);
    wireUpdateCommand();
    connect(ui.aboutWindow->supportButton(), &QPushButton::clicked, this, &CompressionController::showUserGuide);
    connect(ui.importAction, &QAction::triggered, this, &CompressionController::ClickImportPhotosAction);
    connect(ui.importPhotosBtn, &QPushButton::clicked, this, &CompressionController::ClickImportPhotosAction);
    connect(ui.stopCompressBtn, &QPushButton::clicked, this, &CompressionController::StopCompressAction);
    connect(ui.leftTipImageView, &PhotoDropArea::clicked, this, &CompressionController::ClickImportPhotosAction);
    connect(ui.secondDragImageView, &PhotoDropArea::clicked, this, &CompressionController::ClickImportPhotosAction);
    connect(ui.compressAgainAction, &QAction::triggered, this, &CompressionController::StartCompressAction);
    connect(ui.resizeAction, &QAction::triggered, this, &CompressionController::ShowResizePhotoWindow);
    connect(ui.resizePhotosBtn, &QPushButton::clicked, this, &CompressionController::ShowResizePhotoWindow);
    connect(ui.editMetadataAction, &QAction::triggered, this, &CompressionController::toggleLeftDrawer);
    connect(ui.editMetadataBtn, &QPushButton::clicked, this, [this] { openLeftDrawer(m_ui->editMetadataBtn); });
    connect(ui.startEditMetadataBtn, &QPushButton::clicked, this, &CompressionController::toggleLeftDrawer);
    connect(ui.connectPhotoWindow->closeButton(), &QPushButton::clicked, this,
            [this] { m_ui->connectPhotoWindow->endSheet(0); });
    connect(ui.connectPhotoWindow, &QDialog::rejected, this, [this] { m_ui->connectPhotoWindow->endSheet(0); });

    ResizeWindow *sheet = ui.resizeImageWindow;
    connect(sheet->theResizePopBtn(), &QComboBox::activated, this, [this] { SelectItemAction(); });
    connect(sheet->okButton(), &QPushButton::clicked, this, &CompressionController::ChangeResizePhotoAction);
    connect(sheet->cancelButton(), &QPushButton::clicked, this, &CompressionController::CancelChangeResizePhotoAction);
    connect(sheet, &QDialog::rejected, this, &CompressionController::CancelChangeResizePhotoAction);
    connect(ui.preferenceWindow->chooseLocationBtn(), &QPushButton::clicked, this, &CompressionController::ChangePhotoLocation);

    connect(m_job, &CompressionJob::progress, this, &CompressionController::CompressPhotoProgressHandlerToMainThread);
    connect(m_job, &CompressionJob::succeeded, this, &CompressionController::CompressPhotoProgressFinishToMainThread);
    connect(m_job, &CompressionJob::failed, this, [this](const QString &message) {
        showIdle();
        m_ui->progresslab->setText(QString());
        m_savedFileSize = 0;
        m_allFileSize = 0;
        showAlert(tr("The photos could not be compressed"), message);
        Q_EMIT compressionFinished();
    });
}

void CompressionController::showMainWindow()
{
    MainInterface &ui = *m_ui;
    ui.leftTipView->show();
    ui.secondDragView->hide();
    ui.secondScanView->show();

    // The start layout's size is the least; the user may make it larger, and the window
    // comes back where and as large as it was left.
    ui.window->setLayoutMinimumSize(WindowFrameKeeper::minimumSize(WindowFrameKeeper::StartLayout));
    ui.window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    ui.window->setFrame(m_frameKeeper->frameFor(WindowFrameKeeper::StartLayout, true), false);

    m_bNeedViewExif = false;
    m_downloadAndImportToEdit = false;

    ui.preferenceWindow->retainPreMetaBtn()->setChecked(m_settings->keepMetadata());
    ui.preferenceWindow->keepOriginalPhotoBtn()->setChecked(m_settings->keepOriginalPhoto());
    wirePreferences();

    const QString folder = folders::prepareOutputFolder(*m_settings);
    ui.preferenceWindow->showPhotoLocation(folder);
    m_photoLocation->setPath(folder);
    m_settings->sync();

    ui.window->show();
    ui.window->raise();
    ui.window->activateWindow();
}

QRect CompressionController::centredFrame(const QSize &size) const
{
    return m_frameKeeper->centredFrame(size);
}

void CompressionController::showCloseButtonArtwork()
{
    QString pressed, normal;
    closeButtonImages(&pressed, &normal);
    m_ui->closedButton->setImage(normal);
}

void CompressionController::closeButtonImages(QString *pressed, QString *normal) const
{
    // One look on every system: the artwork no longer follows the kernel's version.
    *pressed = QStringLiteral("Close_Down.png");
    *normal = QStringLiteral("Close_Nom.png");
}

bool CompressionController::windowShouldClose()
{
    if (!confirmQuit())
        return false;
    m_frameKeeper->flush();
    if (m_terminate)
        m_terminate();
    return true;
}

void CompressionController::CloseTheMainWindow()
{
    windowShouldClose();
}

void CompressionController::ClickAbout()
{
    QDialog *about = m_ui->aboutWindow;
    if (!about->isVisible())
        about->show();
    about->raise();
    about->activateWindow();
}

void CompressionController::ShowPreferenceWindows()
{
    QDialog *prefs = m_ui->preferenceWindow;
    if (!prefs->isVisible())
        prefs->show();
    prefs->raise();
    prefs->activateWindow();
}

void CompressionController::showUserGuide()
{
    const QString guide = userGuidePath();
    if (guide.isEmpty()) {
        showAlert(tr("The user guide is not installed"),
                  tr("Glimmerset looked for doc/glimmerset/index.html in the shared data folders."));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
}

QString CompressionController::userGuidePath()
{
    const QString relative = QStringLiteral("doc/glimmerset/index.html");
    // Installed beside the program first (any prefix), then wherever the desktop keeps shared data.
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/") + relative);
    if (QFileInfo::exists(beside))
        return QFileInfo(beside).canonicalFilePath();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, relative);
}

void CompressionController::alertDone(QMessageBox *sheet, int returnCode)
{
    if (returnCode == 1 && sheet)
        sheet->close();
}

void CompressionController::showAlert(const QString &message, const QString &informative)
{
    auto *alert = new QMessageBox(m_ui->window);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Information);
    alert->setText(message);
    alert->setInformativeText(informative);
    QPushButton *ok = alert->addButton(tr(" Ok "), QMessageBox::AcceptRole);
    alert->setDefaultButton(ok);
    connect(ok, &QPushButton::clicked, this, [this, alert] { alertDone(alert, 1); });
    alert->open();
}

void CompressionController::closeButtonActivated()
{
    QString pressed, normal;
    closeButtonImages(&pressed, &normal);
    m_ui->closedButton->setImage(pressed);
    m_ui->closedButton->repaint();
    CloseTheMainWindow();
    m_ui->closedButton->setImage(normal);
}

void CompressionController::setupLeftDrawer()
{
    Drawer *drawer = m_ui->rightDrawer;
    drawer->setContentView(m_ui->drawerView);
    // The editor's size is its least; its lower edge makes it taller, and it comes back as tall.
    drawer->setMinContentSize(QSize(654, 322));
    drawer->setMaxContentSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    drawer->setContentSize(QSize(654, qMax(322, m_settings->editorHeight())));
    connect(drawer, &Drawer::contentSizeChangedByUser, this,
            [this](const QSize &size) { m_settings->setEditorHeight(size.height()); });
    drawer->setLeadingOffset(8);
    // On a screen too short for both, the editor may lie over the result list, never the buttons.
    drawer->setCoverableView(m_ui->theTableview);
}

void CompressionController::setDrawerContent(QWidget *view)
{
    m_ui->drawerView = view;
    m_ui->rightDrawer->setContentView(view);
}

void CompressionController::openLeftDrawer(QAbstractButton *sender)
{
    Drawer *drawer = m_ui->rightDrawer;
    const bool closed = drawer->state() == Drawer::ClosedState || drawer->state() == Drawer::ClosingState;
    if (closed)
        drawer->open();
    else
        drawer->close();
    if (sender)
        sender->setProperty("tag", closed ? 1 : 0);
}

void CompressionController::toggleLeftDrawer()
{
    Drawer *drawer = m_ui->rightDrawer;
    if (drawer->state() == Drawer::ClosedState || drawer->state() == Drawer::ClosingState)
        drawer->open();
    else
        drawer->close();
}

void CompressionController::closeLeftDrawer()
{
    m_ui->rightDrawer->close();
}

void CompressionController::clickDrawerClosed()
{
    openLeftDrawer(nullptr);
}
