// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorController.h"

#include "MetadataEditorView.h"

#include "app/Folders.h"
#include "sources/PhotoSource.h"

#include <QLabel>
#include <QProgressBar>

// Camera mode: a command reads the Working folder's copies of the selected items, so
// the ones not copied yet are fetched first and the command then goes on by itself.

void EditorController::withLocalCopies(const EditTarget &target, std::function<void(const EditTarget &)> then)
{
    if (target.capabilities.readsInPlace || !m_source) {
        then(target);
        return;
    }
    if (m_copies) {
        m_view->statusLabel->setText(tr("Still copying photos from the camera for the last command."));
        return;
    }
    auto wait = std::make_unique<CopyWait>();
    for (const EditSource &s : selectedSources(target)) {
        if (s.sourcePath.isEmpty() && target.items.value(s.index).fileType != QLatin1String("Movie"))
            wait->pending.insert(s.index, s.fileName);
    }
    if (wait->pending.isEmpty()) {
        then(target);
        return;
    }
    wait->target = target;
    wait->then = std::move(then);
    wait->total = int(wait->pending.size());
    // A source may answer at once, inside materialise(): the whole set of requests is
    // recorded before the first one goes out.
    wait->answers = connect(m_source, &PhotoSource::materialised, this,
                            [this](int index, const QString &, const QString &error) { itemCopied(index, error); });
    m_copies = std::move(wait);
    folders::makePath(target.workingFolder);
    m_view->copyProgress->setRange(0, m_copies->total);
    m_view->copyProgress->setValue(0);
    m_view->copyProgress->show();
    m_view->statusLabel->setText(tr("Copying from the camera: 0 of %1").arg(m_copies->total));
    PhotoSource *source = m_source;
    const QList<int> indexes = m_copies->pending.keys();
    for (int index : indexes)
        source->materialise(index, target.workingFolder);
}

void EditorController::itemCopied(int index, const QString &error)
{
    if (!m_copies || !m_copies->pending.contains(index))
        return;
    const QString name = m_copies->pending.take(index);
    if (!error.isEmpty()) {
        m_copies->failed.append(index);
        m_copies->failures.append(tr("%1: %2").arg(name, error));
    }
    const int done = m_copies->total - int(m_copies->pending.size());
    m_view->copyProgress->setValue(done);
    m_view->statusLabel->setText(tr("Copying from the camera: %1 of %2").arg(done).arg(m_copies->total));
    if (m_copies->pending.isEmpty())
        // The command goes on from the event loop, never from inside the source's call.
        QMetaObject::invokeMethod(this, &EditorController::finishCopies, Qt::QueuedConnection);
}

void EditorController::finishCopies()
{
    if (!m_copies || !m_copies->pending.isEmpty())
        return;
    const std::unique_ptr<CopyWait> wait = std::move(m_copies);
    disconnect(wait->answers);
    m_view->copyProgress->hide();
    EditTarget target = wait->target;
    for (int index : wait->failed)
        target.selection.removeAll(index);
    m_view->statusLabel->setText(tr("Copied %1 of %2 from the camera.")
                                     .arg(wait->total - wait->failed.size())
                                     .arg(wait->total));
    if (!wait->failures.isEmpty())
        showAlert(tr("%n photo(s) could not be copied from the camera and are left out", nullptr,
                     int(wait->failures.size())),
                  wait->failures.join(QLatin1Char('\n')));
    if (target.selection.isEmpty())
        return;
    // The command's windows and their save buttons read the selection again: the items
    // left out stay out.
    if (!wait->failed.isEmpty())
        m_sourceSelection = target.selection;
    wait->then(target);
}

void EditorController::dropCopies(const QString &why)
{
    if (!m_copies)
        return;
    disconnect(m_copies->answers);
    m_copies.reset();
    m_view->copyProgress->hide();
    m_view->statusLabel->setText(why);
}
