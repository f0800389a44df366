// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class ChangeGPSWindow;
class EditorController;
class EditViewWindow;
class MapWindow;
class QAction;
class QFileDialog;
class QMenu;
struct EditSheetFields;
struct EditTarget;

namespace plistexchange {
enum class Kind;
}

// The editor's GPS, edit-sheet and property-list commands. Part of the editor's
// controller (it borrows its target, alerts and runner), kept apart so each stays
// small. Adds its entries to the editor's Edit menu and connects its buttons.
// Main thread only.
class GpsTemplateController : public QObject
{
    Q_OBJECT
public:
    explicit GpsTemplateController(EditorController &editor);
    ~GpsTemplateController() override;

    // GPS.
    void AddGPSExifDataPhoto();
    void ClickSaveChangeGPSAction();
    void ClickCancelSaveGPSAction();
    void ShowMapAction();

    // Edit sheet.
    void StartEditViewAction();
    void HideEditViewAction();
    void ClickApplyChangeAction();
    void ExportTemplateDataToPlist();
    // The photo list was cleared.
    void clearSheetFields();

    // Exports of the current photo.
    void WriteExifDataToPlist();
    void ExportExiftoPlistAction();
    void ExportTIFFtoPlistAction();
    void ExportExifAndIiFFDataToPlist();

    // Imports: each opens the panel; its completion writes the copies.
    void ImportMetaDataPlistAction();
    void ImportExiFtoPlistAction();
    void ImportTIFFtoPlistAction();
    void ImportExiFAndTiffPlistAction();
    void ImportTemplateDataPlistAction();

    ChangeGPSWindow *changeGPSWindow() const;
    MapWindow *mapWindow() const;
    EditViewWindow *editViewWindow() const;
    // The import panel while it is up.
    QFileDialog *theOpenPanel() const;
    // Where templates and exports are saved: the Working folder and the usual name proposed.
    QFileDialog *theSavePanel() const;

    QMenu *exportMenu = nullptr;
    QMenu *importMenu = nullptr;
    QAction *addGPSAction = nullptr;
    QAction *showMapAction = nullptr;
    QAction *editMetadataAction = nullptr;

private:
    void buildMenus();
    void wire();
    QString currentPhoto() const;
    void showGpsWindow(const EditTarget &target);
    void exportCurrent(plistexchange::Kind kind);
    // Opens the import panel; `completion` gets the chosen file when it ends with OK.
    void mapPositionPicked(double latitude, double longitude);
    void hideMapOfGpsWindow();
    void openImportPanel(std::function<void(const QString &path)> completion);
    void openSavePanel(const QString &title, const QString &proposed, QWidget *over,
                       std::function<void(const QString &path)> completion);
    void importPlist(const QString &name, plistexchange::Kind kind, const QString &path);

    EditorController &m_editor;
    QPointer<ChangeGPSWindow> m_changeGPSWindow;
    QPointer<MapWindow> m_mapWindow;
    QPointer<EditViewWindow> m_editViewWindow;
    QPointer<QFileDialog> m_openPanel;
    QPointer<QFileDialog> m_savePanel;
};
