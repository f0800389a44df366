// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class EditorPhotoModel;
class PhotoBrowserView;
class PhotoInfoPanel;
class QAction;
class QHBoxLayout;
class QLabel;
class QListView;
class QMenu;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QToolButton;
class CommandButton;

// The metadata editor as it sits in the drawer under the main window: the photo list,
// the selected photo's information, the source and import buttons and the two
// drop-down command buttons with their menus. Holds no behaviour; the editor's
// controller connects it.
class MetadataEditorView : public QWidget
{
    Q_OBJECT
public:
    explicit MetadataEditorView(EditorPhotoModel *model, QWidget *parent = nullptr);

    PhotoBrowserView *localImageBrowserView = nullptr;
    // Camera mode shows the camera's items here instead of the local list; the camera
    // link gives it the camera's model and the camera window's selection.
    QListView *cameraBrowserView = nullptr;
    // "This Computer" / "Camera": shown only while a camera is attached.
    QWidget *sourceSwitch = nullptr;
    QToolButton *computerSourceBtn = nullptr;
    QToolButton *cameraSourceBtn = nullptr;
    // Empties the list and opens the import panel (the browser's context menu).
    QAction *clearAndImportAction = nullptr;
    PhotoInfoPanel *infoPanel = nullptr;
    CommandButton *localphotoBtn = nullptr;
    CommandButton *cameraphotoBtn = nullptr; // the photo library source
    QPushButton *stopScanButton = nullptr; // shown while a library scan runs
    QPushButton *importButton = nullptr;
    QPushButton *clearButton = nullptr;
    CommandButton *removeMetadataBtn = nullptr;
    CommandButton *editMetaDataLocalBtn = nullptr;
    CommandButton *starteditBtn = nullptr; // opens the edit sheet
    QLabel *statusLabel = nullptr;
    QProgressBar *copyProgress = nullptr; // copies from the camera a command waits for

    QMenu *removeExifMenu = nullptr;
    QAction *removeExifAction = nullptr;
    QAction *removeGPSAction = nullptr;
    QAction *removeIPTCAction = nullptr;
    QAction *removeExifAndGPSAction = nullptr;

    QMenu *editExifMenu = nullptr;
    QAction *changeDateAction = nullptr;
    QAction *copyExifDateToCreateDateAction = nullptr;
    QLabel *fileDateNoteLabel = nullptr; // under the file-dates command in the menu

    // Shows the local list, or the camera's items; the source switch follows.
    void showLocalList(bool local);

    // Drops `menu` down under `button`, its top-left at the button's bottom-left corner.
    static void dropDownMenu(QMenu *menu, QWidget *button);

private:
    QHBoxLayout *buildToolBar();
    void buildSourceSwitch();
    QHBoxLayout *buildBrowsers(EditorPhotoModel *model);
    QHBoxLayout *buildStatusLine();
    void buildRemoveMenu();
    void buildEditMenu();

    QStackedWidget *m_browsers = nullptr;
};
