// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraEditorLink.h"

#include "CameraController.h"
#include "CameraItemModel.h"
#include "app/AppDelegate.h"
#include "editor/EditorController.h"
#include "editor/MetadataEditorView.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace cameraeditorlink {

void connect(CameraController &camera, EditorController &editor, AppDelegate &delegate)
{
    EditorController::CameraBrowser browser;
    browser.cameItemArray = [&camera] { return camera.cameItemArray(); };
    browser.selectionIndexes = [&camera] { return camera.selectionIndexes(); };
    browser.requestDownload = [&camera](const QList<IKImageItem> &items, const QString &) {
        QList<CameraItem> wanted;
        const QList<IKImageItem> listed = camera.cameItemArray();
        for (const IKImageItem &item : items) {
            for (int row = 0; row < listed.size(); ++row) {
                if (listed.at(row).fileName == item.fileName)
                    wanted.append(camera.model()->item(row));
            }
        }
        camera.materialise(wanted, [](const QStringList &, const QStringList &) {});
    };
    editor.setCameraBrowser(browser);

    CameraController::EditorHooks hooks;
    QPointer<EditorController> editorRef(&editor);
    hooks.importToEditor = [editorRef](const QStringList &paths) {
        if (editorRef)
            editorRef->addLocalFiles(paths);
    };
    hooks.showCommandMenu = [editorRef, &delegate](QWidget *button, bool removal) {
        if (!editorRef)
            return;
        QMenu *menu = removal ? editorRef->view()->removeExifMenu : editorRef->view()->editExifMenu;
        // The command picked from this menu takes its target while the editor is in
        // camera mode; once the menu has closed and its command has started, the
        // editor is back on its own list.
        delegate.setBlocalMode(false);
        QObject::connect(
            menu, &QMenu::aboutToHide, menu,
            [&delegate, menu] {
                QTimer::singleShot(0, menu, [&delegate] { delegate.setBlocalMode(true); });
            },
            Qt::SingleShotConnection);
        MetadataEditorView::dropDownMenu(menu, button);
    };
    camera.setEditorHooks(hooks);
}

} // namespace cameraeditorlink
