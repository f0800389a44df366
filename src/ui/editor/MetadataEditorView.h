#pragma once

#include <QWidget>

class EditorPhotoModel;
class NSDragImageBrowserView;
class PhotoInfoPanel;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class ZelButton;

// The metadata editor as it sits in the drawer under the main window: the photo list,
// the selected photo's information, the source and import buttons and the two
// drop-down command buttons with their menus. Holds no behaviour; the editor's
// controller connects it.
class MetadataEditorView : public QWidget
{
    Q_OBJECT
public:
    explicit MetadataEditorView(EditorPhotoModel *model, QWidget *parent = nullptr);

    NSDragImageBrowserView *localImageBrowserView = nullptr;
    PhotoInfoPanel *infoPanel = nullptr;
    ZelButton *localphotoBtn = nullptr;
    ZelButton *cameraphotoBtn = nullptr; // the photo library source
    QPushButton *stopScanButton = nullptr; // shown while a library scan runs
    QPushButton *importButton = nullptr;
    QPushButton *clearButton = nullptr;
    ZelButton *remoMetaDataLocalBtn = nullptr;
    ZelButton *editMetaDataLocalBtn = nullptr;
    ZelButton *starteditBtn = nullptr; // opens the edit sheet
    QLabel *statusLabel = nullptr;

    QMenu *removeExifMenu = nullptr;
    QAction *removeExifAction = nullptr;
    QAction *removeGPSAction = nullptr;
    QAction *removeIPTCAction = nullptr;
    QAction *removeExifAndGPSAction = nullptr;

    QMenu *editExifMenu = nullptr;
    QAction *changeDateAction = nullptr;
    QAction *copyExifDateToCreateDateAction = nullptr;
    QLabel *fileDateNoteLabel = nullptr; // under the file-dates command in the menu

    // Drops `menu` down under `button`, its top-left at the button's bottom-left corner.
    static void dropDownMenu(QMenu *menu, QWidget *button);
};
