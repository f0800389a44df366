// SPDX-License-Identifier: GPL-3.0-or-later
#include "GpsTemplateController.h"

#include "ChangeGPSWindow.h"
#include "EditViewWindow.h"
#include "EditorController.h"
#include "MapWindow.h"
#include "MetadataEditorView.h"

#include "EditorHost.h"
#include "app/FileRevealer.h"
#include "widgets/CommandButton.h"

#include "app/Folders.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "metadata/EditSheetFields.h"
#include "metadata/PlistExchange.h"
#include "metadata/TemplateApply.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimeZone>

#include <optional>

using plistexchange::Kind;
using namespace imageio;

namespace {

// A function, not a constant: a constant would be made before any translation is installed.
QString valueErrorTitle() { return GpsTemplateController::tr("Vaule Error"); }

// The stored position of a photo's properties in signed degrees, when it has one.
std::optional<QPointF> storedPosition(const QVariantMap &properties)
{
    const QVariantMap gps = properties.value(QLatin1String(keys::GpsGroup)).toMap();
    const QVariant lat = gps.value(QLatin1String(keys::GpsLatitude));
    const QVariant lon = gps.value(QLatin1String(keys::GpsLongitude));
    if (!lat.isValid() || !lon.isValid())
        return std::nullopt;
    const double sLat = gps.value(QLatin1String(keys::GpsLatitudeRef)).toString() == QLatin1String("S") ? -1 : 1;
    const double sLon = gps.value(QLatin1String(keys::GpsLongitudeRef)).toString() == QLatin1String("W") ? -1 : 1;
    return QPointF(sLat * lat.toDouble(), sLon * lon.toDouble());
}

// The typed position, when both fields hold numbers in range.
std::optional<QPointF> typedPosition(const QString &latitude, const QString &longitude)
{
    bool okLat = false, okLon = false;
    const double lat = latitude.trimmed().toDouble(&okLat);
    const double lon = longitude.trimmed().toDouble(&okLon);
    if (!okLat || !okLon || std::abs(lat) > 90 || std::abs(lon) > 180)
        return std::nullopt;
    return QPointF(lat, lon);
}

} // namespace

GpsTemplateController::GpsTemplateController(EditorController &editor)
    : QObject(&editor)
    , m_editor(editor)
{
    QWidget *mainWindow = m_editor.m_host.mainWindow();
    m_changeGPSWindow = new ChangeGPSWindow(mainWindow);
    m_mapWindow = new MapWindow(mainWindow);
    m_editViewWindow = new EditViewWindow(mainWindow);
    buildMenus();
    wire();
}

GpsTemplateController::~GpsTemplateController() = default;

ChangeGPSWindow *GpsTemplateController::changeGPSWindow() const
{
    return m_changeGPSWindow;
}

MapWindow *GpsTemplateController::mapWindow() const
{
    return m_mapWindow;
}

EditViewWindow *GpsTemplateController::editViewWindow() const
{
    return m_editViewWindow;
}

QFileDialog *GpsTemplateController::theOpenPanel() const
{
    return m_openPanel;
}

QFileDialog *GpsTemplateController::theSavePanel() const
{
    return m_savePanel;
}

void GpsTemplateController::buildMenus()
{
    QMenu *menu = m_editor.m_view->editExifMenu;
    menu->addSeparator();
    addGPSAction = menu->addAction(tr("Change GPS Location…"));
    addGPSAction->setObjectName(QStringLiteral("addGPSAction"));
    showMapAction = menu->addAction(tr("Show on Map"));
    showMapAction->setObjectName(QStringLiteral("showMapAction"));
    editMetadataAction = menu->addAction(tr("Edit Metadata…"));
    editMetadataAction->setObjectName(QStringLiteral("editMetadataAction"));
    menu->addSeparator();

    exportMenu = menu->addMenu(tr("Export to Property List"));
    exportMenu->setObjectName(QStringLiteral("exportMenu"));
    const struct {
        const char *name;
        QString text;
        void (GpsTemplateController::*slot)();
    } exports[] = {
        {"exportWholeAction", tr("All Metadata"), &GpsTemplateController::WriteExifDataToPlist},
        {"exportExifAction", tr("Exif"), &GpsTemplateController::ExportExiftoPlistAction},
        {"exportTiffAction", tr("TIFF"), &GpsTemplateController::ExportTIFFtoPlistAction},
        {"exportExifAndTiffAction", tr("Exif and TIFF"), &GpsTemplateController::ExportExifAndIiFFDataToPlist},
    };
    for (const auto &e : exports) {
        QAction *action = exportMenu->addAction(e.text);
        action->setObjectName(QString::fromLatin1(e.name));
        connect(action, &QAction::triggered, this, e.slot);
    }

    importMenu = menu->addMenu(tr("Import from Property List"));
    importMenu->setObjectName(QStringLiteral("importMenu"));
    const struct {
        const char *name;
        QString text;
        void (GpsTemplateController::*slot)();
    } imports[] = {
        {"importWholeAction", tr("All Metadata…"), &GpsTemplateController::ImportMetaDataPlistAction},
        {"importExifAction", tr("Exif…"), &GpsTemplateController::ImportExiFtoPlistAction},
        {"importTiffAction", tr("TIFF…"), &GpsTemplateController::ImportTIFFtoPlistAction},
        {"importExifAndTiffAction", tr("Exif and TIFF…"), &GpsTemplateController::ImportExiFAndTiffPlistAction},
        {"importTemplateAction", tr("Template…"), &GpsTemplateController::ImportTemplateDataPlistAction},
    };
    for (const auto &i : imports) {
        QAction *action = importMenu->addAction(i.text);
        action->setObjectName(QString::fromLatin1(i.name));
        connect(action, &QAction::triggered, this, i.slot);
    }
}

void GpsTemplateController::wire()
{
    connect(addGPSAction, &QAction::triggered, this, &GpsTemplateController::AddGPSExifDataPhoto);
    connect(showMapAction, &QAction::triggered, this, &GpsTemplateController::ShowMapAction);
    connect(editMetadataAction, &QAction::triggered, this, &GpsTemplateController::StartEditViewAction);

    ChangeGPSWindow &gps = *m_changeGPSWindow;
    connect(gps.saveButton, &QPushButton::clicked, this, &GpsTemplateController::ClickSaveChangeGPSAction);
    connect(gps.cancelButton, &QPushButton::clicked, this, &GpsTemplateController::ClickCancelSaveGPSAction);
    connect(gps.mapButton, &QPushButton::clicked, this, &GpsTemplateController::ShowMapAction);
    connect(m_mapWindow, &MapWindow::positionPicked, this, &GpsTemplateController::mapPositionPicked);
    connect(&gps, &QDialog::rejected, this, &GpsTemplateController::ClickCancelSaveGPSAction);
    connect(&m_editor, &EditorController::commandFinished, this, [this](const QString &name, const JobReport &report) {
        if (name == tr("Apply Metadata"))
            m_editViewWindow->statusLabel->setText(tr("%n copies written", nullptr, int(report.written().size())));
    });

    // The sheet's buttons and the start button light up under the pointer and while pressed.
    EditViewWindow &sheet = *m_editViewWindow;
    CommandButton *start = m_editor.m_view->starteditBtn;
    const struct {
        CommandButton *button;
        const char *down, *normal;
    } artwork[] = {{sheet.editBackBtn, "backdown.png", "backnom.png"},
                   {sheet.editTemplateBtn, "templatedown.png", "templatenom.png"},
                   {sheet.editApplyBtn, "applydown.png", "applynom.png"},
                   {start, "editdown.png", "editnom.png"}};
    for (const auto &a : artwork) {
        a.button->trackHoverInBounds();
        a.button->setHoverArtwork(QString::fromLatin1(a.down), QString::fromLatin1(a.normal));
        a.button->setPressArtwork(QString::fromLatin1(a.down));
    }
    // Only the start button goes back to its normal picture: the sheet's buttons keep the
    // pressed one until the pointer leaves them.
    start->setPressArtwork(QStringLiteral("editdown.png"), QStringLiteral("editnom.png"));
    connect(sheet.editBackBtn, &CommandButton::activated, this, &GpsTemplateController::HideEditViewAction);
    connect(sheet.editTemplateBtn, &CommandButton::activated, this, &GpsTemplateController::ExportTemplateDataToPlist);
    connect(sheet.editApplyBtn, &CommandButton::activated, this, &GpsTemplateController::ClickApplyChangeAction);
    connect(start, &CommandButton::activated, this, &GpsTemplateController::StartEditViewAction);
}

// The selected photo, as the date window takes it.
QString GpsTemplateController::currentPhoto() const
{
    return m_editor.dateWindowSource(m_editor.currentTarget());
}

// ---- GPS -------------------------------------------------------------------------

void GpsTemplateController::AddGPSExifDataPhoto()
{
    const EditTarget target = m_editor.currentTarget();
    if (!m_editor.refuseEmptySelection(target))
        m_editor.withLocalCopies(target, [this](const EditTarget &copied) { showGpsWindow(copied); });
}

void GpsTemplateController::showGpsWindow(const EditTarget &target)
{
    const QString source = m_editor.dateWindowSource(target);
    ChangeGPSWindow &window = *m_changeGPSWindow;
    QString error;
    const QVariantMap properties = readProperties(source, &error);
    const QString name = QFileInfo(source).fileName();
    if (properties.isEmpty() && !error.isEmpty()) {
        window.photoLabel->setText(tr("%1 could not be read.").arg(name));
    } else {
        const QVariantMap gps = properties.value(QLatin1String(keys::GpsGroup)).toMap();
        if (gps.isEmpty()) {
            window.dateStamplab->setText(QLatin1String(templateapply::kDatePlaceholder));
            window.timeStamplab->setText(QLatin1String(templateapply::kTimePlaceholder));
        } else {
            for (auto [key, edit] : {std::pair{keys::GpsDateStamp, window.dateStamplab},
                                     std::pair{keys::GpsTimeStamp, window.timeStamplab}})
                if (gps.contains(QLatin1String(key)))
                    edit->setText(gps.value(QLatin1String(key)).toString());
        }
        const auto at = storedPosition(properties);
        window.photoLabel->setText(at ? tr("%1 is now at %2, %3.").arg(name).arg(at->x(), 0, 'f', 6).arg(at->y(), 0, 'f', 6)
                                      : tr("%1 has no GPS position.").arg(name));
    }
    m_editor.centreOnMainWindow(&window);
    // open() would make it window-modal; the whole application waits for this one.
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    window.raise();
    window.activateWindow();
}

void GpsTemplateController::ClickSaveChangeGPSAction()
{
    ChangeGPSWindow &window = *m_changeGPSWindow;
    const QList<QLineEdit *> fields{window.latitudelab, window.longitudelab, window.altitudelab, window.dateStamplab,
                                    window.timeStamplab};
    for (QLineEdit *field : fields) {
        if (field->text().trimmed().isEmpty()) {
            m_editor.showAlert(valueErrorTitle(), tr("Each value cannot be empty."), &window);
            return;
        }
    }
    EditSheetFields typed;
    typed.gpsLatitude = window.latitudelab->text();
    typed.gpsLongitude = window.longitudelab->text();
    typed.gpsAltitude = window.altitudelab->text();
    typed.gpsDate = window.dateStamplab->text();
    typed.gpsTime = window.timeStamplab->text();
    QString error;
    const auto plan = templateapply::plan(typed, templateapply::Source::GpsWindow, false, QTimeZone::systemTimeZone(), &error);
    if (!plan) {
        m_editor.showAlert(valueErrorTitle(), error, &window);
        return;
    }
    const EditTarget target = m_editor.currentTarget();
    window.hide();
    hideMapOfGpsWindow();
    if (m_editor.refuseEmptySelection(target))
        return;
    m_editor.withLocalCopies(target, [this, plan = *plan](const EditTarget &copied) {
        m_editor.runCommand(
            tr("Change GPS Location"),
            [plan](const EditTarget &t, const JobContext &hooks) {
                return templateapply::write(t, plan, QStringLiteral("NewGPS_"), hooks);
            },
            copied);
    });
}

void GpsTemplateController::ClickCancelSaveGPSAction()
{
    m_changeGPSWindow->hide();
    hideMapOfGpsWindow();
}

// The map picked for the GPS window goes with it.
void GpsTemplateController::hideMapOfGpsWindow()
{
    if (m_mapWindow->parentWidget() == m_changeGPSWindow)
        m_mapWindow->hide();
}

void GpsTemplateController::ShowMapAction()
{
    std::optional<QPointF> at;
    QString source;
    const bool typing = m_changeGPSWindow->isVisible();
    if (typing) {
        at = typedPosition(m_changeGPSWindow->latitudelab->text(), m_changeGPSWindow->longitudelab->text());
        source = tr("as typed");
    }
    if (!at) {
        const QString photo = currentPhoto();
        if (!photo.isEmpty())
            at = storedPosition(readProperties(photo));
        source = tr("stored in %1").arg(QFileInfo(photo).fileName());
    }
    if (!at && !typing) {
        m_editor.showAlert(tr("No GPS Data"), tr("This photo does not contain GPS information."));
        return;
    }
    if (at)
        m_mapWindow->showPosition(at->x(), at->y(), source);
    else
        m_mapWindow->showNoPosition(); // the GPS window waits for a place picked on the map
    if (typing) {
        m_mapWindow->showBeside(m_changeGPSWindow);
        return;
    }
    if (m_mapWindow->parentWidget() != m_editor.m_host.mainWindow())
        m_mapWindow->setParent(m_editor.m_host.mainWindow(), m_mapWindow->windowFlags());
    if (!m_mapWindow->isVisible())
        m_mapWindow->show();
    m_mapWindow->raise();
}

// A place picked on the map goes into the GPS window's fields while it is open.
void GpsTemplateController::mapPositionPicked(double latitude, double longitude)
{
    if (!m_changeGPSWindow->isVisible())
        return;
    m_changeGPSWindow->latitudelab->setText(QString::number(latitude, 'f', 6));
    m_changeGPSWindow->longitudelab->setText(QString::number(longitude, 'f', 6));
}

// ---- Edit sheet ------------------------------------------------------------------

void GpsTemplateController::StartEditViewAction()
{
    m_editViewWindow->statusLabel->clear();
    m_editor.centreOnMainWindow(m_editViewWindow);
    m_editViewWindow->open();
}

void GpsTemplateController::HideEditViewAction()
{
    m_editViewWindow->hide();
}

void GpsTemplateController::clearSheetFields()
{
    m_editViewWindow->clearKeepingCameraDate();
}

void GpsTemplateController::ClickApplyChangeAction()
{
    const EditTarget target = m_editor.currentTarget();
    if (target.selection.isEmpty()) {
        m_editor.showAlert(tr("No Item has been selected"), tr("Please select at least one item to process."),
                           m_editViewWindow);
        return;
    }
    QString error;
    const auto plan = templateapply::plan(m_editViewWindow->fields(), templateapply::Source::Sheet,
                                          target.capabilities.sheetWritesKeywords, QTimeZone::systemTimeZone(), &error);
    if (!plan) {
        m_editor.showAlert(valueErrorTitle(), error, m_editViewWindow);
        return;
    }
    const QString prefix = target.capabilities.sheetCopyPrefix;
    m_editViewWindow->statusLabel->setText(tr("Writing copies…"));
    m_editor.withLocalCopies(target, [this, plan = *plan, prefix](const EditTarget &copied) {
        m_editor.runCommand(
            tr("Apply Metadata"),
            [plan, prefix](const EditTarget &t, const JobContext &hooks) {
                return templateapply::write(t, plan, prefix, hooks);
            },
            copied);
    });
}

void GpsTemplateController::ExportTemplateDataToPlist()
{
    const QString folder = folders::ensureWorkingFolder();
    openSavePanel(tr("Save Template"), templateapply::templatePath(folder), m_editViewWindow, [this](const QString &path) {
        const QString error = templateapply::exportTemplateTo(m_editViewWindow->fields(), path);
        if (!error.isEmpty()) {
            m_editor.showAlert(tr("The template was not saved"), error, m_editViewWindow);
            return;
        }
        m_editViewWindow->statusLabel->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
        FileRevealer::instance()->selectFile(path, QFileInfo(path).absolutePath());
    });
}

// ---- Property lists --------------------------------------------------------------

void GpsTemplateController::openSavePanel(const QString &title, const QString &proposed, QWidget *over,
                                          std::function<void(const QString &path)> completion)
{
    if (m_savePanel)
        m_savePanel->close();
    auto *panel = new QFileDialog(over ? over : m_editor.m_host.mainWindow());
    panel->setObjectName(QStringLiteral("theSavePanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    // The dialog asks before a file of the chosen name is replaced.
    panel->setOption(QFileDialog::DontConfirmOverwrite, false);
    panel->setNameFilter(tr("Property lists (*.plist)"));
    panel->setDefaultSuffix(QStringLiteral("plist"));
    panel->setWindowTitle(title);
    panel->setDirectory(QFileInfo(proposed).absolutePath());
    panel->selectFile(QFileInfo(proposed).fileName());
    connect(panel, &QFileDialog::finished, this, [panel, completion = std::move(completion)](int result) {
        if (result == QDialog::Accepted && !panel->selectedFiles().isEmpty())
            completion(panel->selectedFiles().first());
    });
    m_savePanel = panel;
    panel->open();
}

void GpsTemplateController::exportCurrent(Kind kind)
{
    const EditTarget target = m_editor.currentTarget();
    if (m_editor.refuseEmptySelection(target))
        return;
    m_editor.withLocalCopies(target, [this, kind](const EditTarget &copied) {
        const QString photo = m_editor.dateWindowSource(copied);
        const QString proposed =
            plistexchange::exportPath(kind, folders::ensureWorkingFolder(), QFileInfo(photo).fileName());
        openSavePanel(tr("Export to Property List"), proposed, nullptr, [this, kind, photo](const QString &path) {
            const plistexchange::ExportResult result = plistexchange::exportPhotoTo(kind, photo, path);
            if (!result.ok()) {
                m_editor.showAlert(tr("Nothing was exported"), result.error);
                return;
            }
            m_editor.m_view->statusLabel->setText(tr("Saved %1").arg(QDir::toNativeSeparators(result.path)));
            FileRevealer::instance()->selectFile(result.path, QFileInfo(result.path).absolutePath());
        });
    });
}

void GpsTemplateController::WriteExifDataToPlist() { exportCurrent(Kind::Whole); }
void GpsTemplateController::ExportExiftoPlistAction() { exportCurrent(Kind::Exif); }
void GpsTemplateController::ExportTIFFtoPlistAction() { exportCurrent(Kind::Tiff); }
void GpsTemplateController::ExportExifAndIiFFDataToPlist() { exportCurrent(Kind::ExifAndTiff); }

void GpsTemplateController::openImportPanel(std::function<void(const QString &path)> completion)
{
    // Imports always write copies of the editor's own list.
    if (m_editor.refuseEmptySelection(m_editor.localTarget()))
        return;
    if (m_openPanel)
        m_openPanel->close();
    auto *panel = new QFileDialog(m_editor.m_host.mainWindow());
    panel->setObjectName(QStringLiteral("theOpenPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setWindowTitle(tr("Please select plist to import."));
    panel->setLabelText(QFileDialog::Accept, tr("Import"));
    connect(panel, &QFileDialog::finished, this, [panel, completion = std::move(completion)](int result) {
        if (result == QDialog::Accepted && !panel->selectedFiles().isEmpty())
            completion(panel->selectedFiles().first());
    });
    m_openPanel = panel;
    panel->open();
}

void GpsTemplateController::importPlist(const QString &name, Kind kind, const QString &path)
{
    m_editor.runCommand(
        name,
        [kind, path](const EditTarget &t, const JobContext &hooks) { return plistexchange::importPlist(kind, path, t, hooks); },
        m_editor.localTarget());
}

void GpsTemplateController::ImportMetaDataPlistAction()
{
    openImportPanel([this](const QString &path) { importPlist(tr("Import All Metadata"), Kind::Whole, path); });
}

void GpsTemplateController::ImportExiFtoPlistAction()
{
    openImportPanel([this](const QString &path) { importPlist(tr("Import Exif"), Kind::Exif, path); });
}

void GpsTemplateController::ImportTIFFtoPlistAction()
{
    openImportPanel([this](const QString &path) { importPlist(tr("Import TIFF"), Kind::Tiff, path); });
}

void GpsTemplateController::ImportExiFAndTiffPlistAction()
{
    openImportPanel([this](const QString &path) { importPlist(tr("Import Exif and TIFF"), Kind::ExifAndTiff, path); });
}

void GpsTemplateController::ImportTemplateDataPlistAction()
{
    openImportPanel([this](const QString &path) {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        m_editor.runCommand(
            tr("Import Template"),
            [path, zone](const EditTarget &t, const JobContext &hooks) {
                return templateapply::importTemplate(path, t, zone, hooks);
            },
            m_editor.localTarget());
    });
}
