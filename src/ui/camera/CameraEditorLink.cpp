// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraEditorLink.h"

#include "CameraController.h"
#include "CameraItemModel.h"
#include "CameraWindow.h"
#include "app/Folders.h"
#include "sources/camera/CameraPhotoSource.h"
#include "editor/EditorController.h"
#include "editor/MetadataEditorView.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

namespace cameraeditorlink {

namespace {

void followCameraSelection(CameraController &camera, EditorController &editor, PhotoSource *source)
{
    if (editor.currentSource() != source)
        return;
    editor.setSourceSelection(camera.selectionIndexes());
    const QModelIndex current = camera.cameraWindow()->imageBrowserView->currentIndex();
    editor.setCurrentFileName(current.isValid() ? camera.model()->item(current.row()).name : QString());
    // The labels describe the current item's copy once it has one; the camera's own file
    // is not read for them (that would mean a download the user did not ask for).
    const QList<int> selected = camera.selectionIndexes();
    const int row = current.isValid() ? current.row() : selected.value(0, -1);
    const LocalFileResolver copyOf = source->resolver(folders::workingFolder());
    editor.showPhotoInfo(row >= 0 ? copyOf(source->items().value(row), nullptr) : QString());
}

} // namespace

void connect(CameraController &camera, EditorController &editor)
{
    auto *source = new CameraPhotoSource(camera, &camera);
    CameraItemModel *listing = camera.model();
    QObject::connect(listing, &QAbstractItemModel::rowsInserted, source, &CameraPhotoSource::listingChanged);
    QObject::connect(listing, &QAbstractItemModel::rowsRemoved, source, &CameraPhotoSource::listingChanged);
    QObject::connect(listing, &QAbstractItemModel::modelReset, source, &CameraPhotoSource::listingChanged);
    QPointer<EditorController> editorRef(&editor);
    MetadataEditorView *view = editor.view();

    // Camera mode lists the camera's items in the editor with the camera window's own
    // selection: one selection, whichever window it is made in.
    QListView *cameraBrowser = camera.cameraWindow()->imageBrowserView;
    CameraWindow::setUpItemBrowser(view->cameraBrowserView);
    view->cameraBrowserView->setModel(camera.model());
    view->cameraBrowserView->setSelectionModel(cameraBrowser->selectionModel());
    const auto follow = [&camera, editorRef, source] {
        if (editorRef)
            followCameraSelection(camera, *editorRef, source);
    };
    QObject::connect(cameraBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, &editor, follow);
    QObject::connect(cameraBrowser->selectionModel(), &QItemSelectionModel::currentChanged, &editor, follow);
    QObject::connect(source, &PhotoSource::materialised, &editor, follow); // a copy arrived

    const auto useCamera = [&camera, editorRef, source] {
        if (!editorRef)
            return;
        editorRef->setCurrentSource(source);
        followCameraSelection(camera, *editorRef, source);
        // Choosing the camera shows its photos: a camera not opened yet is opened now.
        if (camera.model()->rowCount() == 0 && !camera.isBusy())
            camera.OpenDeviceAction();
    };
    QObject::connect(view->cameraSourceBtn, &QToolButton::clicked, &editor, useCamera);

    // The switch is there only while a camera is; when the last one goes, so does camera mode.
    const auto camerasChanged = [&camera, editorRef, source] {
        if (!editorRef)
            return;
        const bool attached = !camera.knownCameras().isEmpty();
        editorRef->view()->sourceSwitch->setVisible(attached);
        if (!attached && editorRef->currentSource() == source)
            editorRef->setCurrentSource(nullptr);
    };
    QObject::connect(&camera, &CameraController::camerasChanged, &editor, camerasChanged);
    camerasChanged();

    CameraController::EditorHooks hooks;
    hooks.importToEditor = [editorRef](const QStringList &paths) {
        if (editorRef)
            editorRef->addLocalFiles(paths);
    };
    // A command picked from the camera window's menus acts on the camera's selected
    // items: the editor goes into camera mode (and stays there, as its switch shows) so
    // the windows that command opens save to the same items.
    hooks.showCommandMenu = [editorRef, useCamera](QWidget *button, bool removal) {
        if (!editorRef)
            return;
        useCamera();
        MetadataEditorView::dropDownMenu(removal ? editorRef->view()->removeExifMenu : editorRef->view()->editExifMenu,
                                         button);
    };
    camera.setEditorHooks(hooks);
}

} // namespace cameraeditorlink
