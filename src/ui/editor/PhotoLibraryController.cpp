// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoLibraryController.h"

#include "EditorController.h"
#include "EditorPhotoModel.h"
#include "MetadataEditorView.h"

#include "EditorHost.h"
#include "widgets/AlertSheet.h"
#include "widgets/CommandButton.h"
#include "windows/ConnectPhotoWindow.h"

#include "app/AppSettings.h"
#include "sources/library/PhotoLibrary.h"
#include "sources/library/PhotoLibraryScan.h"
#include "sources/library/PhotoLibrarySource.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace {

// At most this many folders are named in the alert; the rest are counted.
constexpr int kListedFailures = 12;

} // namespace

PhotoLibraryController::PhotoLibraryController(EditorHost &host, EditorController &editor, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_editor(editor)
    , m_model(editor.model())
    , m_view(editor.view())
    , m_source(new PhotoLibrarySource(nullptr, this))
{
    connect(m_view->cameraphotoBtn, &CommandButton::activated, this, [this] {
        m_view->cameraphotoBtn->setImage(QStringLiteral("photolibdown.png"));
        m_view->localphotoBtn->setImage(QStringLiteral("localphotonom.png"));
        ClickPhotoLibraryAction();
    });
    connect(m_host.connectPhotoWindow()->choosePhotoLibraryBtn(), &QPushButton::clicked, this,
            &PhotoLibraryController::ChoosePhotoLibraryAction);
    connect(m_view->stopScanButton, &QPushButton::clicked, this, &PhotoLibraryController::StopPhotoLibraryScan);
    connect(m_source, &PhotoLibrarySource::photosFound, this, &PhotoLibraryController::photosFound);
    connect(m_source, &PhotoLibrarySource::finished, this, &PhotoLibraryController::finished);
}

PhotoLibraryController::~PhotoLibraryController() = default;

QMessageBox *PhotoLibraryController::lastAlert() const
{
    return m_lastAlert;
}

QFileDialog *PhotoLibraryController::openPanel() const
{
    return m_panel;
}

QString PhotoLibraryController::rememberedLibrary() const
{
    // Written together by the connect completion; the path key is the one to trust, the
    // data key (the same path as bytes) stands in when only it survived.
    const AppSettings &settings = m_host.settings();
    QString path = settings.photoLibraryPath();
    if (path.isEmpty())
        path = QString::fromUtf8(settings.photoLibraryData());
    return path;
}

void PhotoLibraryController::ClickPhotoLibraryAction()
{
    const QString remembered = rememberedLibrary();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
        m_currentPhotoLibPath = remembered;
        accessPhotoLibrary();
        return;
    }
    // Nothing remembered, or the disk with the library is not attached: the button asks
    // for the library itself. The connect sheet would first talk about compressing again,
    // which is not what a press on the library picture asks for.
    ChoosePhotoLibraryAction();
}

void PhotoLibraryController::ChoosePhotoLibraryAction()
{
    if (m_host.connectPhotoWindow()->isVisible())
        m_host.connectPhotoWindow()->endSheet(0);
    // A second press while the panel is up brings that one forward.
    if (m_panel && m_panel->isVisible()) {
        m_panel->raise();
        return;
    }
    auto *panel = new QFileDialog(m_host.mainWindow());
    panel->setObjectName(QStringLiteral("photoLibraryPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setWindowTitle(tr("Choose the \"%1\" folder").arg(QLatin1String(photolibrary::PackageName)));
    panel->setLabelText(QFileDialog::Accept, tr("Choose"));
    const QString remembered = rememberedLibrary();
    if (!remembered.isEmpty())
        panel->setDirectory(QFileInfo(remembered).path());
    connect(panel, &QFileDialog::finished, this,
            [this, panel](int result) { libraryPanelDone(panel, result == QDialog::Accepted ? 1 : 0); });
    m_panel = panel;
    panel->open();
}

void PhotoLibraryController::libraryPanelDone(QFileDialog *panel, int returnCode)
{
    if (returnCode != 1 || !panel || panel->selectedFiles().isEmpty())
        return;
    connectPhotoLibrary(panel->selectedFiles().first());
}

void PhotoLibraryController::connectPhotoLibrary(const QString &chosen)
{
    const QString path = QDir::cleanPath(chosen);
    if (!photolibrary::isLibraryPackage(path) || !QFileInfo(path).isDir()) {
        showAlert(tr("This folder is not a photo library"), photolibrary::notALibraryMessage(path));
        return;
    }
    // The data key keeps the library's path as bytes: on Linux a plain path is all a
    // bookmark needs to hold, and the path key is read back first.
    AppSettings &settings = m_host.settings();
    settings.setPhotoLibraryData(path.toUtf8());
    settings.setPhotoLibraryPath(path);
    m_currentPhotoLibPath = path;
    accessPhotoLibrary();
}

bool PhotoLibraryController::accessPhotoLibrary()
{
    if (m_source->isScanning()) {
        showAlert(tr("The photo library is still being read"), PhotoLibraryScan::busyMessage());
        return false;
    }
    // The photos join the editor's own list, so the commands act on that list.
    m_editor.setCurrentSource(nullptr);
    m_found = 0;
    m_view->stopScanButton->show();
    m_view->statusLabel->setText(
        tr("Reading the photo library %1…").arg(QDir::toNativeSeparators(m_currentPhotoLibPath)));
    return m_source->scan(m_currentPhotoLibPath);
}

void PhotoLibraryController::StopPhotoLibraryScan()
{
    m_source->stop();
    m_view->stopScanButton->setEnabled(false);
}

void PhotoLibraryController::photosFound(const QList<PhotoItem> &items)
{
    m_model->appendItems(items, EditorPhotoModel::Thumbnails::WhenShown);
    m_found += int(items.size());
    m_view->statusLabel->setText(tr("Reading the photo library: %1 photos so far…").arg(QLocale().toString(m_found)));
}

void PhotoLibraryController::finished(const LibraryScanReport &report)
{
    m_view->stopScanButton->hide();
    m_view->stopScanButton->setEnabled(true);
    if (!report.ok()) {
        m_view->statusLabel->setText(report.error);
        showAlert(tr("The photo library could not be read"), report.error);
        Q_EMIT scanFinished(report);
        return;
    }
    QString status = tr("Photo library: %1").arg(report.summary());
    if (!report.skipped.isEmpty())
        status += tr(" (movies and files that are not photos)");
    m_view->statusLabel->setText(status);
    if (!report.failed.isEmpty()) {
        QStringList lines;
        for (const LibraryScanReport::Entry &entry : report.failed.mid(0, kListedFailures))
            lines << tr("%1: %2").arg(QDir::toNativeSeparators(entry.path), entry.reason);
        if (report.failed.size() > kListedFailures)
            lines << tr("and %1 more").arg(report.failed.size() - kListedFailures);
        showAlert(tr("Some folders of the photo library could not be read"), lines.join(QLatin1Char('\n')));
    }
    Q_EMIT scanFinished(report);
}

void PhotoLibraryController::showAlert(const QString &message, const QString &informative)
{
    m_lastAlert = openAlertSheet(m_host.mainWindow(), QStringLiteral("photoLibraryAlert"), message, informative);
}
