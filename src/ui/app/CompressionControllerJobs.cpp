// SPDX-License-Identifier: GPL-3.0-or-later
// CompressionController: starting compression jobs from drops and the import panel, and showing
// their progress, results and finish report.
#include "CompressionController.h"

#include "ImportPanel.h"
#include "MainInterface.h"
#include "SharedPhotoLocation.h"
#include "WindowFrameKeeper.h"
#include "widgets/ResultTableModel.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ReportProblems.h"
#include "widgets/ResultTableView.h"
#include "widgets/CommandButton.h"
#include "widgets/FramelessWindow.h"
#include "widgets/PhotoDropArea.h"
#include "widgets/BusyDiskView.h"
#include "widgets/ProgressBarView.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/PreferenceWindow.h"

#include "Palette.h"

#include "app/AppSettings.h"
#include "compress/CompressionJob.h"
#include "compress/OutputFolderCheck.h"
#include "compress/SizeText.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>


QString CompressionController::shownName(const QString &fileName)
{
    if (fileName.size() < 29)
        return fileName;
    return fileName.left(14) + QStringLiteral(".....") + fileName.right(14);
}

bool CompressionController::isCompressing() const
{
    return m_job && m_job->isRunning();
}

void CompressionController::photosDropped(PhotoDropArea *dropView)
{
    // The running job owns the list and the totals until its finish report.
    if (refuseWhileBusy())
        return;
    resetResults();
    m_blocalMode = true;
    QStringList paths;
    for (const QUrl &url : dropView->droppedUrls())
        paths.append(url.toLocalFile());
    m_lastKind = dropView->droppedFolder() ? CompressionJobKind::Folder : CompressionJobKind::Files;
    m_lastItems = paths;
    clickConnectPhotoLibAction();
}

void CompressionController::resetResults()
{
    m_savedFileSize = 0;
    m_allFileSize = 0;
    m_dragPhotoArray.clear();
    m_results->clear();
    m_ui->failureslab->hide();
}

bool CompressionController::refuseWhileBusy()
{
    if (!isCompressing())
        return false;
    showAlert(tr("Photos are being compressed"), tr("Wait until the compression has finished, then try again."));
    Q_EMIT startRefused();
    return true;
}

void CompressionController::clickConnectPhotoLibAction()
{
    if (refuseWhileBusy())
        return;
    // The inputs of the last job, whichever way it started (a drop on either area, a
    // command-line open, the import panel).
    if (m_lastItems.isEmpty())
        return;
    beginCompression(m_lastKind, m_lastItems);
}

void CompressionController::beginCompression(CompressionJobKind kind, const QStringList &items)
{
    m_lastKind = kind;
    m_lastItems = items;
    readCompressionOptions();
    // Nothing changes on screen until the job can really start.
    if (askBeforeReplacingOriginals([this, kind, items] { beginCompression(kind, items); }))
        return;
    if (refuseUnusableOutputFolder())
        return;
    if (!m_secondDrag)
        switchToListLayout();
    showBusy();
    m_ui->saveSizelab->hide();
    m_ui->failureslab->hide();
    // Only photos on this computer are compressed; otherwise the window must not stay busy.
    if (m_blocalMode)
        startJob(kind, items);
    else
        showIdle();
    m_secondDrag = true;
}

bool CompressionController::askBeforeReplacingOriginals(const std::function<void()> &proceed)
{
    if (m_keepOriginalPhoto || m_settings->replaceOriginalsConfirmed())
        return false;
    auto *question = new QMessageBox(m_ui->window);
    question->setObjectName(QStringLiteral("replaceOriginalsQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    question->setIcon(QMessageBox::Warning);
    // Replacing a photo by a copy without metadata loses its capture dates for good: said
    // together with the Trash, so one answer covers both.
    question->setText(m_keepMetadata
                          ? tr("Compressed photos will replace the originals. The originals go to the Trash.")
                          : tr("The originals go to the Trash and the compressed photos that replace them keep no "
                               "metadata, so their capture dates are lost."));
    QPushButton *replace = question->addButton(tr("Replace Originals"), QMessageBox::DestructiveRole);
    replace->setObjectName(QStringLiteral("replaceOriginalsBtn"));
    QPushButton *keep = question->addButton(tr("Keep Originals"), QMessageBox::AcceptRole);
    keep->setObjectName(QStringLiteral("keepOriginalsBtn"));
    question->setDefaultButton(keep);
    connect(replace, &QPushButton::clicked, this, [this, proceed] {
        m_settings->setReplaceOriginalsConfirmed(true);
        proceed();
    });
    connect(keep, &QPushButton::clicked, this, [this, proceed] {
        // The box saves itself: the answer holds for later jobs too.
        m_ui->preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
        proceed();
    });
    question->open();
    return true;
}

bool CompressionController::refuseUnusableOutputFolder()
{
    if (!m_keepOriginalPhoto)
        return false;
    QString reason;
    if (compress::outputFolderUsable(m_photoLocation->path(), &reason))
        return false;
    showAlert(tr("The photos cannot be compressed into the Output folder"), reason);
    return true;
}

void CompressionController::wirePreferences()
{
    PreferenceWindow *prefs = m_ui->preferenceWindow;
    prefs->includeSubfoldersBtn()->setChecked(m_settings->includeSubfolders());
    // Saved at once: quitting right after a change must not lose it.
    connect(prefs->retainPreMetaBtn(), &QCheckBox::toggled, this, [this](bool on) {
        m_keepMetadata = on;
        m_settings->setKeepMetadata(on);
    });
    connect(prefs->keepOriginalPhotoBtn(), &QCheckBox::toggled, this, [this](bool on) {
        m_keepOriginalPhoto = on;
        m_settings->setKeepOriginalPhoto(on);
    });
    connect(prefs->includeSubfoldersBtn(), &QCheckBox::toggled, this,
            [this](bool on) { m_settings->setIncludeSubfolders(on); });
    connect(m_ui->failureslab, &QLabel::linkActivated, this, &CompressionController::showNotCompressed);
}

bool CompressionController::openFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return false;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    QMimeData data;
    data.setUrls(urls);
    PhotoDropArea *dropView = m_secondDrag ? m_ui->secondDragImageView : m_ui->leftTipImageView;
    if (dropView->draggingUpdated(&data) == Qt::IgnoreAction)
        return false;
    return dropView->performDragOperation(&data);
}

void CompressionController::StartCompressAction()
{
    if (refuseWhileBusy())
        return;
    const int count = int(m_lastItems.size());
    ConnectPhotoWindow *sheet = m_ui->connectPhotoWindow;
    if (count == 0) {
        sheet->setSummary(tr("Nothing has been compressed yet. Drop photos or a folder first."));
    } else if (m_lastKind == CompressionJobKind::Folder) {
        sheet->setSummary(tr("Compress the folder of the last job again with the current preferences. "
                             "The results are added to the list."));
    } else {
        sheet->setSummary(tr("Compress the %n photo(s) of the last job again with the current preferences. "
                             "The results are added to the list.",
                             nullptr, count));
    }
    sheet->connectPhotoLibBtn()->setEnabled(count > 0);
    sheet->beginSheet(m_ui->window);
}

void CompressionController::switchToListLayout()
{
    MainInterface &ui = *m_ui;
    const QSize listSize = WindowFrameKeeper::minimumSize(WindowFrameKeeper::ListLayout);
    ui.window->setLayoutMinimumSize(WindowFrameKeeper::minimumSize(WindowFrameKeeper::StartLayout));
    ui.window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    // The glide is ours, not the user's: the list layout's remembered size stays as it was.
    m_frameKeeper->setPaused(true);
    m_frameKeeper->setLayout(WindowFrameKeeper::ListLayout);
    const QRect frame = m_frameKeeper->frameFor(WindowFrameKeeper::ListLayout, false);
    connect(ui.window, &FramelessWindow::frameChangeFinished, this, [this, listSize] {
        m_ui->window->setLayoutMinimumSize(listSize);
        m_frameKeeper->setPaused(false);
    }, Qt::SingleShotConnection);
    ui.window->setFrame(frame, true);
    ui.leftTipView->hide();
    ui.leftTipView->setParent(nullptr);
    ui.window->contentView()->layout()->addWidget(ui.localphotoView);
    ui.localphotoView->show();
}

void CompressionController::showBusy()
{
    m_ui->secondDragView->hide();
    m_ui->secondScanView->show();
    m_ui->scanStatuslab->setText(tr("Compressing photos…"));
    m_ui->progresslab->setText(QStringLiteral("0%"));
    m_ui->theProgressView->setProgressValue(0);
    // Enabled once the job has started.
    m_ui->stopCompressBtn->setEnabled(false);
    m_ui->theFlashView->startFlash();
    setJobControlsEnabled(false);
}

void CompressionController::showIdle()
{
    m_ui->secondDragView->show();
    m_ui->secondScanView->hide();
    m_ui->theFlashView->stopFlash();
    setJobControlsEnabled(true);
}

void CompressionController::setJobControlsEnabled(bool enabled)
{
    MainInterface &ui = *m_ui;
    for (QWidget *w : {static_cast<QWidget *>(ui.importPhotosBtn), static_cast<QWidget *>(ui.importAndExportBtn),
                       static_cast<QWidget *>(ui.resizePhotosBtn)})
        w->setEnabled(enabled);
    for (QAction *a : {ui.importAction, ui.compressAgainAction, ui.resizeAction})
        a->setEnabled(enabled);
}

void CompressionController::readCompressionOptions()
{
    PreferenceWindow *prefs = m_ui->preferenceWindow;
    m_keepMetadata = prefs->retainPreMetaBtn()->checkState() != Qt::Unchecked;
    m_keepOriginalPhoto = prefs->keepOriginalPhotoBtn()->checkState() != Qt::Unchecked;
    m_settings->setKeepMetadata(m_keepMetadata);
    m_settings->setKeepOriginalPhoto(m_keepOriginalPhoto);
    m_settings->sync();
}

bool CompressionController::startJob(CompressionJobKind kind, const QStringList &items,
                           const std::optional<compress::ResizeRequest> &resize)
{
    CompressionOptions options;
    options.keepMetadata = m_keepMetadata;
    options.keepOriginalPhoto = m_keepOriginalPhoto;
    options.includeSubfolders = m_settings->includeSubfolders();
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

void CompressionController::CompressPhotoProgressHandlerToMainThread(const ResultRow &entry, int position, int total,
                                                          const QString &percentText)
{
    m_dragPhotoArray.append(entry);
    m_allFileSize += entry.originalFileSize();
    if (entry.originalFileSize() > entry.restFileSize())
        m_savedFileSize += entry.originalFileSize() - entry.restFileSize();
    m_results->appendEntry(entry);
    m_ui->progresslab->setText(percentText);
    m_ui->theProgressView->setProgressValue(compress::progressFraction(position, total));
}

void CompressionController::CompressPhotoProgressFinishToMainThread(const CompressionReport &report)
{
    m_lastReport = report;
    showIdle();
    m_ui->saveSizelab->show();
    const QString savings = compress::finishText(m_savedFileSize, m_allFileSize);
    // A stopped job must not read like a finished one: the count comes first, the
    // savings of the photos that were done go to the tooltip.
    if (report.cancelled) {
        m_ui->saveSizelab->setText(tr("Stopped: %1 of %2 photos compressed")
                                       .arg(QLocale().toString(report.entries.size()), QLocale().toString(report.total)));
        m_ui->saveSizelab->setToolTip(savings + QLatin1Char('\n')
                                      + tr("The photos not in the list were left as they were."));
    } else {
        m_ui->saveSizelab->setText(savings);
        m_ui->saveSizelab->setToolTip(QString());
    }
    showFinishProblems(report);
    m_ui->progresslab->setText(QString());
    m_savedFileSize = 0;
    m_allFileSize = 0;
    Q_EMIT compressionFinished();
}

void CompressionController::showFinishProblems(const CompressionReport &report)
{
    const int notCompressed = int(report.failed.size() + report.unreadable.size());
    // Green promises that every photo was done.
    palette::setTextColour(m_ui->saveSizelab,
                           notCompressed == 0 && !report.cancelled ? palette::saving : palette::text);
    if (notCompressed == 0) {
        m_ui->failureslab->hide();
        return;
    }
    // The rows say which photos were left out, in place, besides the list behind "Show".
    for (const CompressionProblem &p : report.unreadable)
        m_results->appendProblem(p.path, ResultTableModel::RowState::Skipped, p.reason);
    for (const CompressionProblem &p : report.failed)
        m_results->appendProblem(p.path, ResultTableModel::RowState::Failed, p.reason);
    m_ui->failureslab->setText(
        (notCompressed == 1 ? tr("1 photo not compressed") : tr("%1 photos not compressed").arg(notCompressed))
        + QStringLiteral(" — <a href=\"show\">%1</a>").arg(tr("Show")));
    m_ui->failureslab->show();
}

void CompressionController::showNotCompressed()
{
    showReportProblems(m_ui->window, m_lastReport.toJobReport());
}

void CompressionController::StopCompressAction()
{
    if (!m_job->isRunning())
        return;
    m_ui->stopCompressBtn->setEnabled(false);
    m_ui->scanStatuslab->setText(tr("Stopping…"));
    m_job->cancel();
}

void CompressionController::ClickImportPhotosAction()
{
    if (refuseWhileBusy())
        return;
    auto *panel = new QFileDialog(m_ui->window);
    panel->setObjectName(QStringLiteral("theOpenPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setWindowTitle(tr("Please select photos to import."));
    panel->setLabelText(QFileDialog::Accept, tr("Import"));
    importpanel::prepare(panel, *m_settings);
    connect(panel, &QFileDialog::finished, this, [this, panel](int result) {
        importPanelDone(panel, result == QDialog::Accepted ? 1 : 0);
    });
    panel->open();
}

void CompressionController::importPanelDone(QFileDialog *panel, int returnCode)
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
