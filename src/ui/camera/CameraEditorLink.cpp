// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraEditorLink.h"

#include "CameraController.h"
#include "CameraPhotoSource.h"
#include "app/AppDelegate.h"
#include "editor/EditorController.h"
#include "editor/MetadataEditorView.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace cameraeditorlink {

void connect(CameraController &camera, EditorController &editor, AppDelegate &)
{
    auto *source = new CameraPhotoSource(camera, &camera);
    CameraController::EditorHooks hooks;
    QPointer<EditorController> editorRef(&editor);
    hooks.importToEditor = [editorRef](const QStringList &paths) {
        if (editorRef)
            editorRef->addLocalFiles(paths);
    };
    hooks.showCommandMenu = [editorRef, source, &camera](QWidget *button, bool removal) {
        if (!editorRef)
            return;
        QMenu *menu = removal ? editorRef->view()->removeExifMenu : editorRef->view()->editExifMenu;
        // The command picked from this menu takes the camera's selected items as its
        // target; once the menu has closed and the command has started, the editor is
        // back on its own list.
        editorRef->setCurrentSource(source);
        editorRef->setSourceSelection(camera.selectionIndexes());
        QObject::connect(
            menu, &QMenu::aboutToHide, menu,
            [editorRef, menu] {
                QTimer::singleShot(0, menu, [editorRef] {
                    if (editorRef)
                        editorRef->setCurrentSource(nullptr);
                });
            },
            Qt::SingleShotConnection);
        MetadataEditorView::dropDownMenu(menu, button);
    };
    camera.setEditorHooks(hooks);
}

} // namespace cameraeditorlink
