// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class AboutWindow;
class ConnectPhotoWindow;
class Drawer;
class PreferenceWindow;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;
class ResizeWindow;
class ResultHeaderView;
class ResultTableView;
class CommandButton;
class WindowCloseButton;
class FramelessWindow;
class PhotoDropArea;
class BusyDiskView;
class ProgressBarView;

// The main window and its secondary windows, built in one place the way an interface
// description would be: it creates and arranges the elements and names them, and holds
// no behaviour. The controller keeps a pointer to each element it uses.
class MainInterface : public QObject
{
    Q_OBJECT
public:
    explicit MainInterface(QObject *parent = nullptr);
    ~MainInterface() override;

    FramelessWindow *window = nullptr;
    WindowCloseButton *closedButton = nullptr;
    QPushButton *minimizeBtn = nullptr;
    QLabel *titleLabel = nullptr;
    QMenuBar *menuBar = nullptr;
    QMenu *appMenu = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QAction *aboutAction = nullptr;
    QAction *preferencesAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *importAction = nullptr;
    QAction *compressAgainAction = nullptr;
    QAction *resizeAction = nullptr;
    QAction *editMetadataAction = nullptr;
    QAction *supportAction = nullptr;
    QAction *checkForUpdateAction = nullptr;

    // Start layout.
    QWidget *leftTipView = nullptr;
    PhotoDropArea *leftTipImageView = nullptr;

    // Compression list layout.
    QWidget *localphotoView = nullptr;
    QWidget *secondMainView = nullptr;
    QWidget *secondDragView = nullptr;
    PhotoDropArea *secondDragImageView = nullptr;
    QWidget *secondScanView = nullptr;
    BusyDiskView *theFlashView = nullptr;
    QLabel *scanStatuslab = nullptr;
    QLabel *progresslab = nullptr;
    ProgressBarView *theProgressView = nullptr;
    QPushButton *stopCompressBtn = nullptr;
    QWidget *localPhotoViewImageView = nullptr; // the table's title strip
    ResultHeaderView *resultHeader = nullptr;     // the same strip, with its sorting titles
    ResultTableView *theTableview = nullptr;
    // The result table's context menu; they act on its selected rows.
    QAction *openResultAction = nullptr;
    QAction *revealResultAction = nullptr;
    QAction *copyResultPathAction = nullptr;
    QAction *removeResultAction = nullptr;
    QWidget *bottomBar = nullptr;
    QLabel *saveSizelab = nullptr;
    // Under the table after a job with photos that were not compressed: how many, and a
    // "Show" link that lists them with their reasons.
    QLabel *failureslab = nullptr;
    QPushButton *importPhotosBtn = nullptr;
    CommandButton *importAndExportBtn = nullptr;
    QPushButton *resizePhotosBtn = nullptr;
    QPushButton *editMetadataBtn = nullptr;
    QPushButton *startEditMetadataBtn = nullptr;

    // Secondary windows.
    ResizeWindow *resizeImageWindow = nullptr;
    PreferenceWindow *preferenceWindow = nullptr;
    AboutWindow *aboutWindow = nullptr;
    ConnectPhotoWindow *connectPhotoWindow = nullptr;
    Drawer *rightDrawer = nullptr;
    QWidget *drawerView = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeader();
    void buildStartView();
    void buildListView();
    void buildListTop();
    void buildMoreDropView();
    void buildProgressView();
    void buildResultTable();
    void buildBottomBar();
    void buildMenus();
};
