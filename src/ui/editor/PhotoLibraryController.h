// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/PhotoItem.h"
#include "sources/library/LibraryScanReport.h"

#include <QObject>
#include <QPointer>
#include <QString>

class EditorController;
class EditorHost;
class EditorPhotoModel;
class MetadataEditorView;
class PhotoLibrarySource;
class QFileDialog;
class QMessageBox;

// The editor's photo library source: the library button scans the
// remembered library or opens the folder panel to choose one (as the connect sheet's
// "Choose Photo Library…" does); its completion remembers the library and scans it. The library source's
// batches go straight into the editor's list (its photos are local files, so the
// commands work on them like on any other), with a progress line and a Stop button
// under it. The library is only read. Main thread only.
class PhotoLibraryController : public QObject
{
    Q_OBJECT
public:
    PhotoLibraryController(EditorHost &host, EditorController &editor, QObject *parent = nullptr);
    ~PhotoLibraryController() override;

    // The library button: the remembered library, or the panel to choose one when there is none (or it is gone).
    void ClickPhotoLibraryAction();
    // The connect sheet's "Choose Photo Library…".
    void ChoosePhotoLibraryAction();
    void libraryPanelDone(QFileDialog *panel, int returnCode);
    // The completion's work for one chosen folder: refuse what is not a library, else
    // remember it and scan it.
    void connectPhotoLibrary(const QString &path);
    // Starts the scan of currentPhotoLibPath(); refused with a message while one runs.
    bool accessPhotoLibrary();
    void StopPhotoLibraryScan();

    QString currentPhotoLibPath() const { return m_currentPhotoLibPath; }
    PhotoLibrarySource *source() const { return m_source; }
    QMessageBox *lastAlert() const;
    QFileDialog *openPanel() const;

Q_SIGNALS:
    // After the scan's outcome has been shown.
    void scanFinished(const LibraryScanReport &report);

private:
    QString rememberedLibrary() const;
    void photosFound(const QList<PhotoItem> &items);
    void finished(const LibraryScanReport &report);
    void showAlert(const QString &message, const QString &informative = {});

    EditorHost &m_host;
    EditorController &m_editor;
    EditorPhotoModel *m_model;
    QPointer<MetadataEditorView> m_view;
    PhotoLibrarySource *m_source;
    QPointer<QMessageBox> m_lastAlert;
    QPointer<QFileDialog> m_panel;
    QString m_currentPhotoLibPath;
    int m_found = 0;
};
