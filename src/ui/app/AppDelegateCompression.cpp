// AppDelegate: starting compression jobs from drops and the import panel, and showing
// their progress, results and finish report.
#include "AppDelegate.h"

#include "ImportPanel.h"
#include "MainInterface.h"
#include "SharedPhotoLocation.h"
#include "WindowFrameKeeper.h"
#include "widgets/ResultTableModel.h"
#include "widgets/ResultTableView.h"
#include "widgets/ZelButton.h"
#include "widgets/ZelCustomeWindow.h"
#include "widgets/ZelDragImageView.h"
#include "widgets/ZelFlashView.h"
#include "widgets/ZelProgressView.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/PreferenceWindow.h"

#include "app/AppSettings.h"
#include "compress/CompressionJob.h"
#include "compress/SizeText.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>


QString AppDelegate::shownName(const QString &fileName)
{
    if (fileName.size() < 29)
        return fileName;
    return fileName.left(14) + QStringLiteral(".....") + fileName.right(14);
}

bool AppDelegate::isCompressing() const
{
    return m_job && m_job->isRunning();
}

void AppDelegate::NSDragOperationImageViewNoteHandle(const Notification &note)
{
    // Only the window's own drop areas start work.
    if (note.object != m_ui->leftTipImageView && note.object != m_ui->secondDragImageView)
        return;
    // The running job owns the list and the totals until its finish report.
    if (refuseWhileBusy())
        return;
    resetResults();
    m_blocalMode = true;
    clickConnectPhotoLibAction();
}

void AppDelegate::resetResults()
{
    m_savedFileSize = 0;
    m_allFileSize = 0;
    m_dragPhotoArray.clear();
    m_results->clear();
}

bool AppDelegate::refuseWhileBusy()
{
    if (!isCompressing())
        return false;
    showAlert(tr("Photos are being compressed"), tr("Wait until the compression has finished, then try again."));
    Q_EMIT startRefused();
    return true;
}

void AppDelegate::clickConnectPhotoLibAction()
{
    if (refuseWhileBusy())
        return;
    ZelDragImageView *dropView = m_bSecondDrag ? m_ui->secondDragImageView : m_ui->leftTipImageView;
    const QList<QUrl> urls = dropView->geturlArray();
    const bool folder = dropView->getBFolder();
    if (urls.isEmpty())
        return;

    QStringList paths;
    for (const QUrl &url : urls)
        paths.append(url.toLocalFile());
    beginCompression(folder ? CompressionJobKind::Folder : CompressionJobKind::Files, paths);
}

void AppDelegate::beginCompression(CompressionJobKind kind, const QStringList &items)
{
    if (!m_bSecondDrag)
        switchToListLayout();
    showBusy();
    m_ui->saveSizelab->hide();
    readCompressionOptions();
    // Only photos on this computer are compressed; otherwise the window must not stay busy.
    if (m_blocalMode)
        startJob(kind, items);
    else
        showIdle();
    m_bSecondDrag = true;
}

bool AppDelegate::openFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return false;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    QMimeData data;
    data.setUrls(urls);
    ZelDragImageView *dropView = m_bSecondDrag ? m_ui->secondDragImageView : m_ui->leftTipImageView;
    if (dropView->draggingUpdated(&data) == Qt::IgnoreAction)
        return false;
    return dropView->performDragOperation(&data);
}

void AppDelegate::StartCompressAction()
{
    if (refuseWhileBusy())
        return;
    ZelDragImageView *dropView = m_bSecondDrag ? m_ui->secondDragImageView : m_ui->leftTipImageView;
    const int count = int(dropView->geturlArray().size());
    ConnectPhotoWindow *sheet = m_ui->connectPhotoWindow;
    if (count == 0) {
        sheet->setSummary(tr("Nothing has been dropped on this area yet. Drop photos or a folder first."));
    } else if (dropView->getBFolder()) {
        sheet->setSummary(tr("Compress the folder of your last drop again with the current preferences. "
                             "The results are added to the list."));
    } else {
        sheet->setSummary(tr("Compress the %n photo(s) of your last drop again with the current preferences. "
                             "The results are added to the list.",
                             nullptr, count));
    }
    sheet->connectPhotoLibBtn()->setEnabled(count > 0);
    sheet->beginSheet(m_ui->window);
}

void AppDelegate::switchToListLayout()
{
    MainInterface &ui = *m_ui;
    const QSize listSize = WindowFrameKeeper::minimumSize(WindowFrameKeeper::ListLayout);
    ui.window->setMinimumSize(WindowFrameKeeper::minimumSize(WindowFrameKeeper::StartLayout));
    ui.window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    // The glide is ours, not the user's: the list layout's remembered size stays as it was.
    m_frameKeeper->setPaused(true);
    m_frameKeeper->setLayout(WindowFrameKeeper::ListLayout);
    const QRect frame = m_frameKeeper->frameFor(WindowFrameKeeper::ListLayout, false);
    connect(ui.window, &ZelCustomeWindow::frameChangeFinished, this, [this, listSize] {
        m_ui->window->setMinimumSize(listSize);
        m_frameKeeper->setPaused(false);
    }, Qt::SingleShotConnection);
    ui.window->setFrame(frame, true);
    ui.leftTipView->hide();
    ui.leftTipView->setParent(nullptr);
    ui.window->contentView()->layout()->addWidget(ui.localphotoView);
    ui.localphotoView->show();
}

void AppDelegate::showBusy()
{
    m_ui->secondDragView->hide();
    m_ui->secondScanView->show();
    m_ui->scanStatuslab->setText(tr("Compressing photos…"));
    m_ui->progreslab->setText(QStringLiteral("0%"));
    m_ui->theProgressView->setProgressValue(0);
    // A resize scales the photos first; only the compression job after it can be stopped.
    m_ui->stopCompressBtn->setEnabled(false);
    m_ui->theFlashView->startFlash();
    setJobControlsEnabled(false);
}

void AppDelegate::showIdle()
{
    m_ui->secondDragView->show();
    m_ui->secondScanView->hide();
    m_ui->theFlashView->stopFlash();
    setJobControlsEnabled(true);
}

void AppDelegate::setJobControlsEnabled(bool enabled)
{
    MainInterface &ui = *m_ui;
    for (QWidget *w : {static_cast<QWidget *>(ui.importPhotosBtn), static_cast<QWidget *>(ui.importandExportBtn),
                       static_cast<QWidget *>(ui.resizePhotosBtn)})
        w->setEnabled(enabled);
    for (QAction *a : {ui.importAction, ui.compressAgainAction, ui.resizeAction})
        a->setEnabled(enabled);
}

void AppDelegate::readCompressionOptions()
{
    PreferenceWindow *prefs = m_ui->preferenceWindow;
    m_bKeepMetadata = prefs->retainPreMetaBtn()->checkState() != Qt::Unchecked;
    m_bKeepOrigialPhoto = prefs->keeOriginalBtn()->checkState() != Qt::Unchecked;
    m_settings->setKeepMetadata(m_bKeepMetadata);
    m_settings->setKeepOriginalPhoto(m_bKeepOrigialPhoto);
    m_settings->sync();
}

bool AppDelegate::startJob(CompressionJobKind kind, const QStringList &items,
                           const std::optional<compress::ResizeRequest> &resize)
{
    CompressionOptions options;
    options.bKeepMetadata = m_bKeepMetadata;
    options.bKeepOrigialPhoto = m_bKeepOrigialPhoto;
    options.outputFolder = m_photoLocation->path();
    std::shared_ptr<SharedPhotoLocation> location = m_photoLocation;
    options.photoLocation = [location] { return location->path(); };
    QString reason;
    const bool started = resize ? m_job->startResize(items, *resize, options, &reason)
                                : m_job->start(kind, items, options, &reason);
    if (started) {
        m_ui->stopCompressBtn->setEnabled(true);
        return true;
    }
    showIdle();
    showAlert(tr("The photos could not be compressed"), reason);
    return false;
}

void AppDelegate::CompressPhotoProgressHanderToMainThread(const NSFileNode &entry, int position, int total,
                                                          const QString &percentText)
{
    m_dragPhotoArray.append(entry);
    m_allFileSize += entry.orignalFileSize();
    if (entry.orignalFileSize() > entry.restFileSize())
        m_savedFileSize += entry.orignalFileSize() - entry.restFileSize();
    m_results->appendEntry(entry);
    m_ui->progreslab->setText(percentText);
    m_ui->theProgressView->setProgressValue(compress::progressFraction(position, total));
}

void AppDelegate::CompressPhotoProgressFinishToMainThread(const CompressionReport &report)
{
    m_lastReport = report;
    showIdle();
    m_ui->saveSizelab->show();
    m_ui->saveSizelab->setText(compress::finishText(m_savedFileSize, m_allFileSize));
    QStringList notes;
    for (const CompressionProblem &p : report.unreadable)
        notes.append(tr("%1: %2").arg(p.path, p.reason));
    for (const CompressionProblem &p : report.failed)
        notes.append(tr("%1: %2").arg(p.path, p.reason));
    for (const CompressionProblem &p : report.notResized)
        notes.append(tr("%1: not resized: %2").arg(p.path, p.reason));
    QString tip = notes.isEmpty() ? QString() : tr("Not compressed:\n%1").arg(notes.join(QLatin1Char('\n')));
    if (report.cancelled)
        tip.prepend(tr("Stopped: the photos not in the list were left as they were.\n"));
    m_ui->saveSizelab->setToolTip(tip.trimmed());
    m_ui->progreslab->setText(QString());
    m_savedFileSize = 0;
    m_allFileSize = 0;
    Q_EMIT compressionFinished();
}

void AppDelegate::StopCompressAction()
{
    if (!m_job->isRunning())
        return;
    m_ui->stopCompressBtn->setEnabled(false);
    m_ui->scanStatuslab->setText(tr("Stopping…"));
    m_job->cancel();
}

void AppDelegate::ClickImportPhotosAction()
{
    if (refuseWhileBusy())
        return;
    auto *panel = new QFileDialog(m_ui->window);
    panel->setObjectName(QStringLiteral("theOpenPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setWindowTitle(QStringLiteral("Please select photos to import."));
    panel->setLabelText(QFileDialog::Accept, tr("Import"));
    importpanel::prepare(panel, *m_settings);
    connect(panel, &QFileDialog::finished, this, [this, panel](int result) {
        openPanelDidEnd1(panel, result == QDialog::Accepted ? 1 : 0);
    });
    panel->open();
}

void AppDelegate::openPanelDidEnd1(QFileDialog *panel, int returnCode)
{
    if (returnCode != 1 || !panel)
        return;
    importpanel::remember(panel, *m_settings);
    const QStringList files = panel->selectedFiles();
    if (files.isEmpty())
        return;
    if (refuseWhileBusy())
        return;
    if (m_blocalMode)
        resetResults();
    // Runs on the worker like the other jobs, so it ends with the same finish report.
    beginCompression(CompressionJobKind::Import, files);
}
