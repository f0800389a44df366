// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobReport.h"
#include "jobs/WorkerPool.h"
#include "metadata/EditTarget.h"
#include "sources/PhotoItem.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class ChangeDateWindow;
class BatchDateWindow;
class BatchJob;
class EditorHost;
class EditorPhotoModel;
class GpsTemplateController;
class MetadataEditorView;
class PhotoLibraryController;
class PhotoSource;
class QFileDialog;
class QLineEdit;
class QMessageBox;
struct PhotoInfo;
namespace metadataremoval {
enum class Removal;
}

// The metadata editor's commands: it owns the editor list, fills the drawer of the
// main window with the editor's view, takes drops and imports, and turns each menu
// command into a core command over values captured from the controls. Commands run
// on the runner's thread; their reports come back here to be shown. Main thread only.
class EditorController : public QObject
{
    Q_OBJECT
public:
    explicit EditorController(EditorHost &host, QObject *parent = nullptr);
    ~EditorController() override;

    // The editor's current source when it is not the local list (a camera, a photo
    // library), and the items selected in that source's window. Null: the local list.
    void setCurrentSource(PhotoSource *source);
    void setSourceSelection(const QList<int> &selection) { m_sourceSelection = selection; }
    PhotoSource *currentSource() const { return m_source; }
    // True while the current source is the editor's own local list.
    SourceCapabilities sourceCapabilities() const;
    // Shows the photo at `path` in the information labels (read off the window's thread);
    // an empty path clears them.
    void showPhotoInfo(const QString &path);
    // The current photo in camera mode (the camera browser's current item); the date and
    // GPS windows open on its copy when it is selected.
    void setCurrentFileName(const QString &name) { m_currentFileName = name; }
    // True while the selected items of a camera are being copied for a command.
    bool isCopying() const { return m_copies != nullptr; }

    // Sources and list.
    void OpenComputerFoldertoImportAction();
    void importPanelDone(QFileDialog *panel, int returnCode);
    void ClearLeftPhotos();
    // Empties the list and opens the import panel, for starting over with other photos.
    void ClickClearAndImportPhotosAction();
    // Takes the selected photos off the list (Delete, context menu); the files stay.
    void RemoveSelectedPhotos();
    void ChangeToImportComputerPhoto();
    // A drop on the editor's list adds what was dropped.
    void photosDropped();
    // Adds local files as if they had been dropped (the first new cell is selected).
    void addLocalFiles(const QStringList &paths);

    // Removal.
    void RemoveExifDataFromPhoto();
    void RemoveGPSDataFromPhoto();
    void RemoveIPTCDataFromPhoto();
    void DeleteExifAndGPSData();

    // Dates.
    void ChangeDateExifFromPhoto();
    void ClickDateChangedSaveAction();
    void ClickDateChangedCancelAction();
    void ChoosePhotosAction();
    void referencePanelDone(QFileDialog *panel, int returnCode);
    void chooseReferencePhoto(const QString &path);
    void forgetReferencePhoto();
    void ClickBatchDateChangedSaveAction();
    void ClickBatchDateChangedCancelAction();
    void ClickAddTimeAction();
    void ClickRemoveTimeAction();
    void ClickCopyExifDateToCreateDateAction();

    // A date field starts being edited: recorded for the map preview, always allowed.
    bool controlTextShouldBeginEditing(QLineEdit *field);

    // State.
    const QList<PhotoItem> &localPhotoItemArray() const;
    QString currentChooseFilePath() const { return m_currentChooseFilePath; }
    QString currentFileName() const { return m_currentFileName; }
    QString referencePhotoPath() const { return m_referencePath; }
    bool mapPreview() const { return m_mapPreview; }
    MetadataEditorView *view() const;
    EditorPhotoModel *model() const { return m_model; }
    ChangeDateWindow *changeDateWindow() const;
    BatchDateWindow *batchDateWindow() const;
    BatchJob *runner() const { return m_runner; }
    GpsTemplateController *gpsTemplates() const { return m_gpsTemplates; }
    PhotoLibraryController *photoLibrary() const { return m_library; }
    // The alert shown last, while it is open (tests).
    QMessageBox *lastAlert() const;

Q_SIGNALS:
    // After a command's report has been shown.
    void commandFinished(const QString &name, const JobReport &report);
    // The information labels show the photo at `path`.
    void photoInfoShown(const QString &path);
    // The current source changed between the local list and another source.
    void sourceChanged(bool localList);

private:
    // The GPS, edit-sheet and property-list commands share the targets, alerts and runner.
    friend class GpsTemplateController;

    void buildWindows();
    void wire();
    EditTarget currentTarget() const;
    EditTarget localTarget() const;
    bool refuseEmptySelection(const EditTarget &target);
    void showEmptySelectionAlert();
    // Shown as a sheet of `parent` (the main window when none is given).
    void showAlert(const QString &message, const QString &informative, QWidget *parent = nullptr);
    void useLocalList();
    // The status line's note on where copies go, for the current source.
    void showModeNote();
    void runCommand(const QString &name, std::function<JobReport(const EditTarget &, const JobContext &)> command,
                    const EditTarget &target);
    void commandDone(const QString &name, const JobReport &report);
    void currentPhotoChanged();
    void infoRead(const PhotoInfo &info);
    QString dateWindowSource(const EditTarget &target) const;
    void fillReferenceFields();
    void removeCopies(const QString &name, metadataremoval::Removal kind);
    void showDateWindow(const EditTarget &target);
    // In camera mode, copies the selected items that are not in the Working folder yet
    // (progress in the status line), then goes on with `then` on the target without the
    // items whose copy failed; those are reported, each with its reason. Movies are not
    // copied: the command itself reports them. On the local list `then` runs at once.
    void withLocalCopies(const EditTarget &target, std::function<void(const EditTarget &)> then);
    void itemCopied(int index, const QString &error);
    void finishCopies();
    void dropCopies(const QString &why);
    void clearBatchFields();
    void centreOnMainWindow(QWidget *window);

    EditorHost &m_host;
    EditorPhotoModel *m_model;
    BatchJob *m_runner;
    GpsTemplateController *m_gpsTemplates = nullptr;
    PhotoLibraryController *m_library = nullptr;
    QPointer<MetadataEditorView> m_view;
    QPointer<ChangeDateWindow> m_changeDateWindow;
    QPointer<BatchDateWindow> m_batchDateWindow;
    QPointer<QMessageBox> m_lastAlert;
    QPointer<PhotoSource> m_source;
    QList<int> m_sourceSelection;
    struct CopyWait {
        EditTarget target;
        std::function<void(const EditTarget &)> then;
        QHash<int, QString> pending; // item index -> name, still being copied
        QList<int> failed;
        QStringList failures; // "name: why", in the order they came
        int total = 0;
        QMetaObject::Connection answers;
    };
    std::unique_ptr<CopyWait> m_copies; // the copies a command waits for, one command at a time

    // Reads the current photo's information; a newer request cancels the older answers.
    jobs::WorkerPool m_infoPool{QStringLiteral("photo info"), 1};
    QString m_infoPath;

    QString m_currentChooseFilePath;
    QString m_currentFileName;
    QString m_referencePath;
    bool m_mapPreview = false;
};
