// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the tests that drive the metadata editor's windows through their real
// controls. Header-only, like the other test kits.

#include "../CompressionHarness.h"

#include "app/Folders.h"
#include "editor/EditorController.h"
#include "editor/EditorPhotoModel.h"
#include "editor/MetadataEditorView.h"
#include "editor/PhotoBrowserView.h"
#include "widgets/CommandButton.h"

#include <QItemSelectionModel>
#include <QMenu>

namespace editorui {

// Selects the rows of the editor's list; the first becomes the current photo.
inline void select(EditorController &editor, const QList<int> &rows)
{
    QItemSelectionModel *selection = editor.view()->localImageBrowserView->selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(editor.model()->index(row), QItemSelectionModel::Select);
    if (!rows.isEmpty())
        selection->setCurrentIndex(editor.model()->index(rows.first()), QItemSelectionModel::NoUpdate);
}

// Presses a drop-down button and clicks an item of the menu it opened, as a person
// would; `shot` names a screenshot taken while the menu is open.
inline bool chooseFromMenu(CommandButton *button, QMenu *menu, QAction *action, const QString &shot = {})
{
    QTest::mouseClick(button, Qt::LeftButton);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
        return false;
    if (!shot.isEmpty())
        testsupport::screenshot(shot);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000);
}

// Does `start` and returns the report of the command it started; empty when none finished.
template <typename Start>
inline JobReport reportOf(EditorController &editor, Start start)
{
    QSignalSpy spy(&editor, &EditorController::commandFinished);
    start();
    if (!spy.wait(30000) && spy.isEmpty())
        return {};
    return spy.takeFirst().at(1).value<JobReport>();
}

// Checks the texts of the editor's open alert, then closes it with its only button.
inline void expectAlert(EditorController &editor, const QString &title, const QString &informative)
{
    QMessageBox *alert = editor.lastAlert();
    QTRY_VERIFY(alert && alert->isVisible());
    QCOMPARE(alert->text(), title);
    QVERIFY2(alert->informativeText().contains(informative), qPrintable(alert->informativeText()));
    QCOMPARE(alert->buttons().size(), 1);
    QCOMPARE(alert->buttons().first()->text(), QStringLiteral(" Ok "));
    QTest::mouseClick(alert->buttons().first(), Qt::LeftButton);
    QTRY_VERIFY(!editor.lastAlert());
}

// The main window in a private home with the editor in its open drawer, revealing
// into `revealer`. Make the photos (under photos()) first, then launch().
struct EditorWindow {
    Harness harness;
    std::unique_ptr<EditorController> editor;
    RecordingRevealer revealer;

    ~EditorWindow() { FileRevealer::setInstance(nullptr); }

    QString photos()
    {
        QDir().mkpath(harness.dir.filePath(QStringLiteral("photos")));
        return harness.dir.filePath(QStringLiteral("photos"));
    }

    void launch()
    {
        qRegisterMetaType<JobReport>();
        qputenv("HOME", harness.dir.path().toLocal8Bit());
        harness.launch();
        editor = std::make_unique<EditorController>(*harness.delegate);
        FileRevealer::setInstance(&revealer);
        harness.ui().rightDrawer->open();
    }

    MetadataEditorView &view() { return *editor->view(); }
    static QString working() { return folders::workingFolder(); }
};

} // namespace editorui
