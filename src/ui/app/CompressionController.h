// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorHost.h"
#include "widgets/ResultTableDataSource.h"

#include "compress/CompressionReport.h"
#include "compress/ResultRow.h"
#include "compress/ResizeRequest.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class AppSettings;
class CompressionJob;
class CompareController;
class MainInterface;
class QAbstractButton;
class QFileDialog;
class QMessageBox;
class SharedPhotoLocation;
class Thumbnailer;
class FramelessWindow;
class PhotoDropArea;
class CommandButton;
class WindowFrameKeeper;
class ResultTableModel;
class DesktopNotifier;
class Appearance;
class UpdateController;
enum class CompressionJobKind;

// The application's one controller. It owns the state of the main window and the
// compression result list, builds a job's options from the controls once, hands the
// work to the core and shows what comes back. Lives on the main thread for the whole
// process. Start-up runs initState(), wireWindow() and showMainWindow()
// in that order.
class CompressionController : public QObject, public ResultTableDataSource, public EditorHost
{
    Q_OBJECT
public:
    // `settingsFile`: an INI file for the settings instead of the user's store (tests).
    explicit CompressionController(const QString &settingsFile = {}, QObject *parent = nullptr);
    ~CompressionController() override;

    // Start-up.
    void initState();
    void wireWindow();
    void showMainWindow();

    // Application commands.
    // False when the user chose to go on with a running job instead of quitting.
    bool windowShouldClose();
    void CloseTheMainWindow();
    void ClickAbout();
    void ShowPreferenceWindows();
    // Opens the installed user guide (an alert says where it was looked for when missing).
    void showUserGuide();
    static QString userGuidePath();
    void alertDone(QMessageBox *sheet, int returnCode);
    // Help > Check for Updates: a check the user asked for, so its answer is always shown.
    void CheckforUpdateAction();

    // The window's close button: its pressed picture while the window asks to close.
    void closeButtonActivated();
    // A drop on one of the window's drop areas starts a compression of what was dropped.
    void photosDropped(PhotoDropArea *dropView);

    // Compression.
    void clickConnectPhotoLibAction();
    // Files handed to the program at start, treated as a drop on the current drop area.
    // False when the drop area would refuse them (the first is no photo or folder).
    bool openFiles(const QStringList &paths);
    void StartCompressAction();
    void ClickImportPhotosAction();
    // Another start of the program: the window comes forward and the files count as a drop.
    void openFilesFromAnotherStart(const QStringList &files);
    // Asked before quitting while a job runs: "Stop and Quit" (true, the job stops after
    // the photos being written) or "Continue" (false).
    bool confirmQuit();
    // Where the end of a job that took `afterMs` or longer is told when the window is not
    // active (the desktop's notification service unless set; tests set their own).
    void setDesktopNotifier(DesktopNotifier *notifier, int afterMs);
    // The busy view's Stop: the job ends after the photos being written and reports what it finished.
    void StopCompressAction();
    void importPanelDone(QFileDialog *panel, int returnCode);
    void CompressPhotoProgressHandlerToMainThread(const ResultRow &entry, int position, int total,
                                                 const QString &percentText);
    void CompressPhotoProgressFinishToMainThread(const CompressionReport &report);

    // Resize sheet and preferences.
    void ShowResizePhotoWindow();
    void SelectItemAction();
    void ChangeResizePhotoAction();
    void CancelChangeResizePhotoAction();
    void ChangePhotoLocation();
    void locationPanelDone(QFileDialog *panel, int returnCode);

    // The drawer under the main window, where the metadata editor lives.
    void setupLeftDrawer();
    void openLeftDrawer(QAbstractButton *sender);
    void closeLeftDrawer();
    void toggleLeftDrawer();
    void clickDrawerClosed();

    // The editor's host.
    QWidget *mainWindow() const override;
    // Puts the editor's view into the drawer (replacing what was there).
    void setDrawerContent(QWidget *view) override;
    void setEditorOnLocalList(bool local) override { m_blocalMode = local; }
    ConnectPhotoWindow *connectPhotoWindow() const override;

    // The result table's rows. Photos a job skipped or could not compress join it with
    // resultTableModel()->appendProblem(path, state, reason).
    ResultTableModel *resultTableModel() const { return m_results; }
    // Commands on the selected rows of the result table (its context menu and keys).
    void openSelectedResults();
    void revealSelectedResults();
    void copySelectedResultPaths();
    // Takes the rows off the list (the files stay); refused while a job fills the list.
    void removeSelectedResults();

    // Result table data source.
    int numberOfRowsInTableView(ResultTableView *tableView) override;
    QWidget *tableView(ResultTableView *tableView, const QString &tableColumn, int row) override;

    // 28 characters and fewer whole; longer: first 14, ".....", last 14.
    static QString shownName(const QString &fileName);

    // State.
    FramelessWindow *window() const;
    MainInterface *ui() const { return m_ui.get(); }
    AppSettings &settings() const override { return *m_settings; }
    Thumbnailer *thumbnails() const { return m_thumbnails; }
    WindowFrameKeeper *frameKeeper() const { return m_frameKeeper; }
    Appearance *appearance() const { return m_appearance; }
    UpdateController *updateController() const { return m_updateController; }
    CompareController *compareController() const { return m_compare; }
    bool blocalMode() const { return m_blocalMode; }
    bool secondDrag() const { return m_secondDrag; }
    bool keepMetadata() const { return m_keepMetadata; }
    bool keepOriginalPhoto() const { return m_keepOriginalPhoto; }
    quint64 savedFileSize() const { return m_savedFileSize; }
    quint64 allFileSize() const { return m_allFileSize; }
    const QList<ResultRow> &dragPhotoArray() const { return m_dragPhotoArray; }
    void showCloseButtonArtwork();
    QVariantMap currentExifDictionary() const { return m_currentExifDictionary; }
    QString currentChooseFilePath() const { return m_currentChooseFilePath; }
    bool isCompressing() const override;
    const CompressionReport &lastReport() const { return m_lastReport; }
    // The list of the photos the last job did not compress, with the reasons.
    void showNotCompressed();

    // What ending the application does (tests observe instead of quitting).
    void setTerminateHandler(std::function<void()> handler) { m_terminate = std::move(handler); }

Q_SIGNALS:
    // After a job's finish report has been shown.
    void compressionFinished();
    // A start was refused because a job runs; the refusal sheet is up.
    void startRefused();

private:
    QRect centredFrame(const QSize &size) const;
    void switchToListLayout();
    void showBusy();
    void showIdle();
    void readCompressionOptions();
    bool refuseWhileBusy();
    // The list layout, the busy view and the options of the next job, then the job itself.
    void beginCompression(CompressionJobKind kind, const QStringList &items);
    // With `resize`, the resize workflow over the result paths `items`.
    bool startJob(CompressionJobKind kind, const QStringList &items,
                  const std::optional<compress::ResizeRequest> &resize = std::nullopt);
    // Saves each preference the moment it changes.
    void wirePreferences();
    // Asks once, before the first job that would replace originals, then runs `proceed`.
    // True when the question is up (the job waits for the answer).
    bool askBeforeReplacingOriginals(const std::function<void()> &proceed);
    // True (with a sheet that says why) when results cannot go into the Output folder.
    bool refuseUnusableOutputFolder();
    void showFinishProblems(const CompressionReport &report);
    void resetResults();
    void showAlert(const QString &message, const QString &informative);
    void setJobControlsEnabled(bool enabled);
    void closeButtonImages(QString *pressed, QString *normal) const;
    void wireControls();
    void wireResultTable();
    void wireWindowBehaviour();
    void wireUpdateCommand();
    void jobStartedForNotice();
    void noticeJobEnd();
    QStringList selectedResultFiles() const;
    void startResize(const QStringList &paths, const compress::ResizeRequest &request);

    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<MainInterface> m_ui;
    CompressionJob *m_job = nullptr;
    Thumbnailer *m_thumbnails = nullptr;
    WindowFrameKeeper *m_frameKeeper = nullptr;
    ResultTableModel *m_results = nullptr;
    DesktopNotifier *m_notifier = nullptr;
    Appearance *m_appearance = nullptr;
    QElapsedTimer m_jobClock;
    int m_noticeAfterMs = 10000;
    UpdateController *m_updateController = nullptr;
    CompareController *m_compare = nullptr;
    std::function<void()> m_terminate;
    std::shared_ptr<SharedPhotoLocation> m_photoLocation;

    bool m_blocalMode = true;
    bool m_secondDrag = false;
    bool m_keepMetadata = true;
    bool m_keepOriginalPhoto = false;
    bool m_bNeedViewExif = false;
    bool m_downloadAndImportToEdit = false;
    bool m_bAddGPS = false;
    quint64 m_savedFileSize = 0;
    quint64 m_allFileSize = 0;
    QList<ResultRow> m_dragPhotoArray;
    QVariantMap m_currentExifDictionary;
    QString m_currentChooseFilePath;
    CompressionReport m_lastReport;
    // What the last job was started with, so Recompress can run it again after any drop,
    // command-line open or import.
    CompressionJobKind m_lastKind{};
    QStringList m_lastItems;
};
