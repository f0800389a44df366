// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class CommandButton;

// The camera window (`cameraWindow`): the camera's name and open button, the browser
// of its items and the six command buttons. Holds no behaviour; CameraController
// connects it. Esc, the Close button and the window manager's close all hide it.
class CameraWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CameraWindow(QWidget *parent = nullptr);
    // Sets up a list of a camera's items: cells of one size laid out in batches, so a card
    // of a thousand items stays usable. The editor's camera list is set up the same way.
    static void setUpItemBrowser(QListView *view);

    QLabel *deviceNamelab = nullptr;
    // Which attached camera the window works on; shown when there is more than one.
    QComboBox *cameraChooser = nullptr;
    CommandButton *opendeviceBtn = nullptr;
    QListView *imageBrowserView = nullptr;
    CommandButton *downloadPhotoBtn = nullptr;
    CommandButton *importEditPhotoBtn = nullptr;
    CommandButton *viewExifBtn = nullptr;
    CommandButton *removeExifBtn = nullptr;
    CommandButton *deletePhotoBtn = nullptr;
    QProgressBar *camerataskProgressor = nullptr;
    QLabel *statusLabel = nullptr;
    QPushButton *closeButton = nullptr;

    // Selected rows of the browser, ascending.
    QList<int> selectionIndexes() const;
    // Shows the window centred on `over` (when given), moved as little as needed to keep
    // its title bar and frame on the screen.
    void showOnScreen(QWidget *over);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
