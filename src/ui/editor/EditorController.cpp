// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorController.h"

#include "ChangeDateWindow.h"
#include "BatchDateWindow.h"
#include "EditorPhotoModel.h"
#include "GpsTemplateController.h"
#include "MetadataEditorView.h"
#include "PhotoBrowserView.h"
#include "PhotoInfoPanel.h"
#include "PhotoLibraryController.h"

#include "EditorHost.h"
#include "app/FileRevealer.h"
#include "app/ImportPanel.h"
#include "widgets/AlertSheet.h"
#include "widgets/CommandButton.h"
#include "widgets/ReportProblems.h"

#include "app/Folders.h"
#include "jobs/BatchJob.h"
#include "metadata/FileDatesFromCapture.h"
#include "metadata/MetadataRemoval.h"
#include "metadata/PhotoInfo.h"
#include "sources/LocalImport.h"
#include "sources/PhotoSource.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QTimeZone>

using metadataremoval::Removal;

EditorController::EditorController(EditorHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_model(new EditorPhotoModel(this))
    , m_runner(new BatchJob(this))
{
    m_view = new MetadataEditorView(m_model);
    m_view->localphotoBtn->trackHoverInBounds();
    m_view->removeMetadataBtn->trackHoverInBounds();
    m_view->editMetaDataLocalBtn->trackHoverInBounds();
    showModeNote();
    // The drawer takes the view over (and with it the view's lifetime).
    m_host.setDrawerContent(m_view);
    buildWindows();
    wire();
    m_gpsTemplates = new GpsTemplateController(*this);
    m_library = new PhotoLibraryController(m_host, *this, this);
}

EditorController::~EditorController()
{
    m_runner->waitForDone();
    m_infoPool.cancel();
    m_infoPool.waitForDone();
}

void EditorController::buildWindows()
{
    QWidget *mainWindow = m_host.mainWindow();
    m_changeDateWindow = new ChangeDateWindow(mainWindow);
    m_batchDateWindow = new BatchDateWindow(mainWindow);
}

void EditorController::wire()
{
    MetadataEditorView &view = *m_view;
    connect(view.removeMetadataBtn, &CommandButton::activated, this,
            [this] { MetadataEditorView::dropDownMenu(m_view->removeExifMenu, m_view->removeMetadataBtn); });
    connect(view.editMetaDataLocalBtn, &CommandButton::activated, this,
            [this] { MetadataEditorView::dropDownMenu(m_view->editExifMenu, m_view->editMetaDataLocalBtn); });
    connect(view.localphotoBtn, &CommandButton::activated, this, [this] {
        m_view->cameraphotoBtn->setImage(QStringLiteral("photolibnom.png"));
        m_view->localphotoBtn->setImage(QStringLiteral("localphotodown.png"));
        ChangeToImportComputerPhoto();
    });
    connect(view.localImageBrowserView, &PhotoBrowserView::photosDropped, this, &EditorController::photosDropped);

    connect(view.importButton, &QPushButton::clicked, this, &EditorController::OpenComputerFoldertoImportAction);
    connect(view.clearButton, &QPushButton::clicked, this, &EditorController::ClearLeftPhotos);
    connect(view.clearAndImportAction, &QAction::triggered, this, &EditorController::ClickClearAndImportPhotosAction);
    connect(view.computerSourceBtn, &QAbstractButton::clicked, this, &EditorController::useLocalList);
    connect(view.localImageBrowserView->removeAction(), &QAction::triggered, this,
            &EditorController::RemoveSelectedPhotos);
    connect(view.removeExifAction, &QAction::triggered, this, &EditorController::RemoveExifDataFromPhoto);
    connect(view.removeGPSAction, &QAction::triggered, this, &EditorController::RemoveGPSDataFromPhoto);
    connect(view.removeIPTCAction, &QAction::triggered, this, &EditorController::RemoveIPTCDataFromPhoto);
    connect(view.removeExifAndGPSAction, &QAction::triggered, this, &EditorController::DeleteExifAndGPSData);
    connect(view.changeDateAction, &QAction::triggered, this, &EditorController::ChangeDateExifFromPhoto);
    connect(view.copyExifDateToCreateDateAction, &QAction::triggered, this,
            &EditorController::ClickCopyExifDateToCreateDateAction);
    connect(view.localImageBrowserView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EditorController::currentPhotoChanged);
    // A reset drops the current index without a currentChanged.
    connect(m_model, &QAbstractItemModel::modelReset, this, &EditorController::currentPhotoChanged);

    ChangeDateWindow &single = *m_changeDateWindow;
    connect(single.saveButton, &QPushButton::clicked, this, &EditorController::ClickDateChangedSaveAction);
    connect(single.cancelButton, &QPushButton::clicked, this, &EditorController::ClickDateChangedCancelAction);
    connect(&single, &QDialog::rejected, this, &EditorController::ClickDateChangedCancelAction);

    BatchDateWindow &batch = *m_batchDateWindow;
    connect(batch.saveButton, &QPushButton::clicked, this, &EditorController::ClickBatchDateChangedSaveAction);
    connect(batch.cancelButton, &QPushButton::clicked, this, &EditorController::ClickBatchDateChangedCancelAction);
    connect(&batch, &QDialog::rejected, this, &EditorController::ClickBatchDateChangedCancelAction);
    connect(batch.dateChoosePhotoBtn, &QPushButton::clicked, this, &EditorController::ChoosePhotosAction);
    connect(batch.forgetReferenceBtn, &QPushButton::clicked, this, &EditorController::forgetReferencePhoto);
    connect(batch.AddTimeBtn, &QCheckBox::clicked, this, &EditorController::ClickAddTimeAction);
    connect(batch.RemoveTimeBtn, &QCheckBox::clicked, this, &EditorController::ClickRemoveTimeAction);

    QList<QLineEdit *> fields{single.originalDatelab, single.digitizedDatelab, batch.beforeOriginalDatelab,
                              batch.beforeDigitizedDatelab, batch.afterOriginalDatelab, batch.afterDigitizedDatelab,
                              batch.batchSetDatelab};
    fields += batch.offsetFields();
    for (QLineEdit *field : fields)
        connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextShouldBeginEditing(field); });

    connect(m_runner, &BatchJob::started, this, [this](const QString &name) {
        m_view->statusLabel->setText(tr("%1…").arg(name));
    });
    connect(m_runner, &BatchJob::progress, this, [this](int done, int total) {
        m_view->statusLabel->setText(tr("Writing copies: %1 of %2").arg(done).arg(total));
    });
    connect(m_runner, &BatchJob::finished, this, &EditorController::commandDone);
}

MetadataEditorView *EditorController::view() const
{
    return m_view;
}

ChangeDateWindow *EditorController::changeDateWindow() const
{
    return m_changeDateWindow;
}

BatchDateWindow *EditorController::batchDateWindow() const
{
    return m_batchDateWindow;
}

QMessageBox *EditorController::lastAlert() const
{
    return m_lastAlert;
}

const QList<PhotoItem> &EditorController::localPhotoItemArray() const
{
    return m_model->localPhotoItemArray();
}

// ---- Sources and list ------------------------------------------------------------

void EditorController::OpenComputerFoldertoImportAction()
{
    auto *panel = new QFileDialog(m_host.mainWindow());
    panel->setObjectName(QStringLiteral("theOpenPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setWindowTitle(localimport::importPanelMessage());
    panel->setLabelText(QFileDialog::Accept, tr("Import"));
    importpanel::prepare(panel, m_host.settings());
    connect(panel, &QFileDialog::finished, this,
            [this, panel](int result) { importPanelDone(panel, result == QDialog::Accepted ? 1 : 0); });
    panel->open();
}

void EditorController::importPanelDone(QFileDialog *panel, int returnCode)
{
    if (returnCode != 1 || !panel)
        return;
    importpanel::remember(panel, m_host.settings());
    const QStringList files = panel->selectedFiles();
    m_model->appendItems(localimport::itemsFromPaths(files));
    if (!files.isEmpty())
        useLocalList();
    folders::ensureWorkingFolder();
}

void EditorController::ClearLeftPhotos()
{
    m_model->clear();
    m_view->infoPanel->clear();
    m_currentChooseFilePath.clear();
    m_infoPath.clear();
    m_gpsTemplates->clearSheetFields();
}

void EditorController::ClickClearAndImportPhotosAction()
{
    ClearLeftPhotos();
    OpenComputerFoldertoImportAction();
}

void EditorController::RemoveSelectedPhotos()
{
    const QList<int> rows = m_view->localImageBrowserView->selectionIndexes();
    if (rows.isEmpty())
        return;
    m_model->removeItems(rows);
    if (m_model->rowCount() == 0) {
        ClearLeftPhotos();
        return;
    }
    // The photo after the removed ones becomes the current one, as in a file manager.
    m_view->localImageBrowserView->selectRow(qMin(rows.constFirst(), m_model->rowCount() - 1));
}

void EditorController::ChangeToImportComputerPhoto()
{
    m_view->localphotoBtn->setImage(QStringLiteral("localphotodown.png"));
    useLocalList();
}

void EditorController::photosDropped()
{
    PhotoBrowserView *browser = m_view->localImageBrowserView;
    useLocalList();
    m_model->appendItems(localimport::itemsFromUrls(browser->droppedUrls()));
    browser->selectRow(0);
}

void EditorController::addLocalFiles(const QStringList &paths)
{
    useLocalList();
    m_model->appendItems(localimport::itemsFromPaths(paths));
    m_view->localImageBrowserView->selectRow(0);
}

// Selecting a photo makes it the current one: the date window and the labels follow it.
void EditorController::currentPhotoChanged()
{
    const QModelIndex current = m_view->localImageBrowserView->currentIndex();
    // No current photo any more (its row went, or the list was emptied): the panel must
    // not go on describing it.
    if (!current.isValid()) {
        m_currentChooseFilePath.clear();
        showPhotoInfo(QString());
        return;
    }
    const QString path = m_model->localPhotoItemArray().value(current.row()).filePath;
    m_currentChooseFilePath = path;
    showPhotoInfo(path);
}

void EditorController::showPhotoInfo(const QString &path)
{
    m_infoPath = path;
    if (path.isEmpty()) {
        m_view->infoPanel->clear();
        return;
    }
    const QTimeZone zone = QTimeZone::systemTimeZone();
    // Only the latest request is answered.
    m_infoPool.cancel();
    m_infoPool.dropQueued();
    m_infoPool.run([this, path, zone](const jobs::CancelToken &run) {
        const PhotoInfo info = PhotoInfo::read(path, zone);
        QMetaObject::invokeMethod(
            this,
            [this, run, info] {
                if (!run.cancelled())
                    infoRead(info);
            },
            Qt::QueuedConnection);
    });
}

void EditorController::infoRead(const PhotoInfo &info)
{
    // A list cleared meanwhile wants no answer.
    if (m_infoPath.isEmpty())
        return;
    m_view->infoPanel->showInfo(info);
    Q_EMIT photoInfoShown(m_infoPath);
}

// ---- Targets, alerts and running -------------------------------------------------

EditTarget EditorController::localTarget() const
{
    EditTarget target;
    target.items = m_model->localPhotoItemArray();
    target.selection = m_view->localImageBrowserView->selectionIndexes();
    target.workingFolder = folders::workingFolder();
    return target;
}

EditTarget EditorController::currentTarget() const
{
    if (!m_source)
        return localTarget();
    EditTarget target;
    target.capabilities = m_source->capabilities();
    target.workingFolder = folders::workingFolder();
    target.items = m_source->items();
    target.selection = m_sourceSelection;
    target.resolve = m_source->resolver(target.workingFolder);
    return target;
}

SourceCapabilities EditorController::sourceCapabilities() const
{
    return m_source ? m_source->capabilities() : SourceCapabilities();
}

void EditorController::setCurrentSource(PhotoSource *source)
{
    const bool wasLocal = sourceCapabilities().listsLocalFiles;
    if (source != m_source)
        dropCopies(tr("The editor left camera mode; nothing more is copied for the last command."));
    m_source = source;
    m_sourceSelection.clear();
    // The window still names the mode (its buttons and the compression start read it).
    const bool local = sourceCapabilities().listsLocalFiles;
    m_host.setEditorOnLocalList(local);
    m_view->showLocalList(local);
    if (wasLocal != local) {
        showModeNote();
        Q_EMIT sourceChanged(local);
    }
}

void EditorController::showModeNote()
{
    const QString folder = folders::displayPath(folders::workingFolder());
    m_view->statusLabel->setText(
        sourceCapabilities().readsInPlace
            ? tr("Edited copies go into %1; your photos are never changed.").arg(folder)
            : tr("Camera photos: a command first copies the selected ones into %1 and edits those copies; "
                 "the camera is never changed.")
                  .arg(folder));
}

void EditorController::useLocalList() { setCurrentSource(nullptr); }

bool EditorController::refuseEmptySelection(const EditTarget &target)
{
    if (!target.selection.isEmpty())
        return false;
    showEmptySelectionAlert();
    return true;
}

void EditorController::showEmptySelectionAlert()
{
    showAlert(tr("No Item has been selected"), tr("Please select at least one item to process."));
}

void EditorController::showAlert(const QString &message, const QString &informative, QWidget *parent)
{
    m_lastAlert = openAlertSheet(parent ? parent : m_host.mainWindow(), QStringLiteral("editorAlert"), message,
                                 informative);
}

void EditorController::runCommand(const QString &name,
                                  std::function<JobReport(const EditTarget &, const JobContext &)> command,
                                  const EditTarget &target)
{
    const bool started =
        m_runner->start(name, [command = std::move(command), target](const JobContext &hooks) { return command(target, hooks); });
    if (!started)
        m_view->statusLabel->setText(tr("Still writing the copies of the last command; try again when it is done."));
}

void EditorController::commandDone(const QString &name, const JobReport &report)
{
    const QString folder = folders::workingFolder();
    QString status = report.written().size() == 1 ? tr("1 copy written to %1").arg(QDir::toNativeSeparators(folder))
                                                : tr("%1 copies written to %2")
                                                      .arg(report.written().size())
                                                      .arg(QDir::toNativeSeparators(folder));
    if (name == tr("Date Files by Capture Date") && !report.written().isEmpty())
        status += QStringLiteral(". ") + filedatesfromcapture::fileDateNote();
    if (!report.note.isEmpty())
        status += QStringLiteral(". ") + report.note;
    m_view->statusLabel->setText(status);

    // One look at the result: the folder with the last copy selected, not a window per copy.
    if (!report.written().isEmpty())
        FileRevealer::instance()->selectFile(report.written().last(), folder);

    if (QMessageBox *alert = showReportProblems(m_host.mainWindow(), report)) {
        alert->setObjectName(QStringLiteral("editorAlert"));
        m_lastAlert = alert;
    }
    Q_EMIT commandFinished(name, report);
}

// ---- Removal -----------------------------------------------------------------------

namespace {

auto removal(Removal kind)
{
    return [kind](const EditTarget &target, const JobContext &hooks) {
        return metadataremoval::removeMetadata(target, kind, hooks);
    };
}

} // namespace

void EditorController::removeCopies(const QString &name, Removal kind)
{
    const EditTarget target = currentTarget();
    if (!refuseEmptySelection(target))
        withLocalCopies(target, [this, name, kind](const EditTarget &copied) { runCommand(name, removal(kind), copied); });
}

void EditorController::RemoveExifDataFromPhoto()
{
    removeCopies(tr("Copy Without Exif"), Removal::Exif);
}

void EditorController::RemoveGPSDataFromPhoto()
{
    removeCopies(tr("Copy Without GPS Location"), Removal::GPS);
}

void EditorController::RemoveIPTCDataFromPhoto()
{
    removeCopies(tr("Copy Without IPTC"), Removal::IPTC);
}

void EditorController::DeleteExifAndGPSData()
{
    removeCopies(tr("Copy Without Exif and GPS"), Removal::ExifAndGPS);
}
