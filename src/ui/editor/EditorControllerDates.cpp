// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorController.h"

#include "ChangeDateWindow.h"
#include "BatchDateWindow.h"
#include "MetadataEditorView.h"
#include "PhotoBrowserView.h"
#include "PhotoInfoPanel.h"

#include "EditorHost.h"

#include "app/Folders.h"
#include "metadata/BatchDateShift.h"
#include "metadata/FileDatesFromCapture.h"
#include "metadata/SingleDateChange.h"
#include "sources/Thumbnailer.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>

// The date commands of the editor: the single-photo window, the batch window and
// file dates from the capture date.

QString EditorController::dateWindowSource(const EditTarget &target) const
{
    if (!target.capabilities.readsInPlace) {
        // The camera's current item when it is selected, else the first selected one.
        QString name = target.items.value(target.selection.value(0, -1)).fileName;
        for (int row : target.selection) {
            if (target.items.value(row).fileName == m_currentFileName)
                name = m_currentFileName;
        }
        return singledatechange::currentSource(false, QString(), name, target.workingFolder);
    }
    // The current photo when it is part of the selection, else the first selected one.
    const int current = m_view->localImageBrowserView->currentIndex().row();
    const int row = target.selection.contains(current) ? current : target.selection.value(0, -1);
    return row >= 0 && row < target.items.size() ? target.items.at(row).filePath : m_currentChooseFilePath;
}

void EditorController::ChangeDateExifFromPhoto()
{
    const EditTarget target = currentTarget();
    if (!refuseEmptySelection(target))
        withLocalCopies(target, [this](const EditTarget &copied) { showDateWindow(copied); });
}

void EditorController::showDateWindow(const EditTarget &target)
{
    const QString source = dateWindowSource(target);
    const auto fields =
        singledatechange::readDateFields(source, singledatechange::FileDateStyle::WithOffset, QTimeZone::systemTimeZone());
    m_changeDateWindow->originalDatelab->setText(fields.original);
    m_changeDateWindow->digitizedDatelab->setText(fields.digitized);
    m_changeDateWindow->photoLabel->setText(
        fields.fromExif ? tr("Dates of %1").arg(QFileInfo(source).fileName())
                        : tr("%1 has no capture dates; these are its file dates.").arg(QFileInfo(source).fileName()));

    QWidget *window = m_changeDateWindow;
    if (target.selection.size() >= 2) {
        BatchDateWindow &batch = *m_batchDateWindow;
        batch.batchSetDatelab->setPlaceholderText(
            singledatechange::batchPlaceholder(m_view->infoPanel->photoCreateDatelab->text()));
        batch.selectionLabel->setText(tr("%1 selected photos get copies under their own names.").arg(target.selection.size()));
        fillReferenceFields();
        window = m_batchDateWindow;
    }
    centreOnMainWindow(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void EditorController::centreOnMainWindow(QWidget *window)
{
    window->adjustSize();
    const QRect main = m_host.mainWindow()->frameGeometry();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(main.center());
    window->move(frame.topLeft());
}

void EditorController::ClickDateChangedSaveAction()
{
    const EditTarget target = currentTarget();
    const QString original = m_changeDateWindow->originalDatelab->text();
    const QString digitized = m_changeDateWindow->digitizedDatelab->text();
    const QTimeZone zone = QTimeZone::systemTimeZone();
    // The window stays open on a text that is not a date, so the user can mend it.
    const QString refused = singledatechange::refusal(original, digitized, zone);
    if (!target.selection.isEmpty() && !refused.isEmpty()) {
        showAlert(tr("Not a date"), refused);
        return;
    }
    m_changeDateWindow->hide();
    if (target.selection.isEmpty())
        return;
    runCommand(
        tr("Change Capture Date"),
        [original, digitized, zone](const EditTarget &t, const JobContext &hooks) {
            return singledatechange::saveDates(t, original, digitized, zone, hooks);
        },
        target);
}

// Each window's cancel closes that window: the selection may have changed since it opened.
void EditorController::ClickDateChangedCancelAction()
{
    m_changeDateWindow->hide();
}

void EditorController::ChoosePhotosAction()
{
    auto *panel = new QFileDialog(m_batchDateWindow);
    panel->setObjectName(QStringLiteral("referencePanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setWindowTitle(tr("Please select one photo to change the date."));
    connect(panel, &QFileDialog::finished, this,
            [this, panel](int result) { referencePanelDone(panel, result == QDialog::Accepted ? 1 : 0); });
    panel->open();
}

void EditorController::referencePanelDone(QFileDialog *panel, int returnCode)
{
    if (returnCode != 1 || !panel || panel->selectedFiles().isEmpty())
        return;
    chooseReferencePhoto(panel->selectedFiles().first());
}

void EditorController::chooseReferencePhoto(const QString &path)
{
    BatchDateWindow &batch = *m_batchDateWindow;
    m_currentChooseFilePath = path;
    m_referencePath = path;
    const QImage picture = Thumbnailer::makeThumbnail(path, batch.dateImageview->size() * 2);
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(2);
    batch.dateImageview->setPixmap(pixmap);
    fillReferenceFields();
    const bool chosen = batch.hasReferenceImage();
    batch.dateImageview->setVisible(chosen);
    batch.forgetReferenceBtn->setVisible(chosen);
    batch.absoluteGroup->setEnabled(!chosen);
    batch.offsetGroup->setEnabled(!chosen);
    batch.dateChoosePhotoBtn->setText(tr("Choose Another…"));
}

void EditorController::fillReferenceFields()
{
    BatchDateWindow &batch = *m_batchDateWindow;
    if (m_referencePath.isEmpty() || !batch.hasReferenceImage())
        return;
    const auto fields = singledatechange::readDateFields(m_referencePath, singledatechange::FileDateStyle::WithoutOffset,
                                                         QTimeZone::systemTimeZone());
    batch.beforeOriginalDatelab->setText(fields.original);
    batch.beforeDigitizedDatelab->setText(fields.digitized);
    if (batch.afterOriginalDatelab->text().isEmpty())
        batch.afterOriginalDatelab->setText(fields.original);
    if (batch.afterDigitizedDatelab->text().isEmpty())
        batch.afterDigitizedDatelab->setText(fields.digitized);
}

void EditorController::forgetReferencePhoto()
{
    BatchDateWindow &batch = *m_batchDateWindow;
    m_referencePath.clear();
    batch.dateImageview->setPixmap(QPixmap());
    batch.dateImageview->hide();
    batch.forgetReferenceBtn->hide();
    batch.absoluteGroup->setEnabled(true);
    batch.offsetGroup->setEnabled(true);
    batch.dateChoosePhotoBtn->setText(tr("Choose Photo…"));
    for (QLineEdit *field : {batch.beforeOriginalDatelab, batch.beforeDigitizedDatelab, batch.afterOriginalDatelab,
                             batch.afterDigitizedDatelab})
        field->clear();
}

void EditorController::clearBatchFields()
{
    BatchDateWindow &batch = *m_batchDateWindow;
    for (QLineEdit *field : {batch.beforeOriginalDatelab, batch.beforeDigitizedDatelab, batch.afterOriginalDatelab,
                             batch.afterDigitizedDatelab})
        field->clear();
    for (QLineEdit *field : batch.offsetFields())
        field->clear();
}

void EditorController::ClickBatchDateChangedSaveAction()
{
    BatchDateWindow &batch = *m_batchDateWindow;
    using batchdateshift::BatchDateChange;
    BatchDateChange change;
    change.mode = BatchDateChange::chooseMode(batch.hasReferenceImage(), batch.batchSetDatelab->text());
    change.reference = {batch.beforeOriginalDatelab->text(), batch.beforeDigitizedDatelab->text(),
                        batch.afterOriginalDatelab->text(), batch.afterDigitizedDatelab->text()};
    change.absoluteDate = batch.batchSetDatelab->text();
    const QList<QLineEdit *> fields = batch.offsetFields();
    qint64 *values[] = {&change.offset.years, &change.offset.months, &change.offset.days,
                        &change.offset.hours, &change.offset.minutes, &change.offset.seconds};
    for (int i = 0; i < fields.size(); ++i)
        *values[i] = fields[i]->text().toLongLong();
    change.offset.add = batch.AddTimeBtn->isChecked();

    const EditTarget target = currentTarget();
    const QTimeZone zone = QTimeZone::systemTimeZone();
    // The window and its fields stay as typed on a text that is not a date.
    const QString refused = batchdateshift::refusal(change, zone);
    if (!target.selection.isEmpty() && !refused.isEmpty()) {
        showAlert(tr("Not a date"), refused);
        return;
    }
    batch.batchSetDatelab->clear();
    clearBatchFields();
    batch.hide();
    if (refuseEmptySelection(target))
        return;
    runCommand(
        tr("Change Capture Dates"),
        [change, zone](const EditTarget &t, const JobContext &hooks) { return batchdateshift::shiftDates(t, change, zone, hooks); },
        target);
}

void EditorController::ClickBatchDateChangedCancelAction()
{
    clearBatchFields();
    m_batchDateWindow->hide();
}

void EditorController::ClickAddTimeAction()
{
    m_batchDateWindow->RemoveTimeBtn->setChecked(false);
}

void EditorController::ClickRemoveTimeAction()
{
    m_batchDateWindow->AddTimeBtn->setChecked(false);
}

void EditorController::ClickCopyExifDateToCreateDateAction()
{
    const EditTarget target = currentTarget();
    if (target.selection.isEmpty()) {
        m_view->statusLabel->setText(tr("Select the photos to date first."));
        return;
    }
    const QTimeZone zone = QTimeZone::systemTimeZone();
    withLocalCopies(target, [this, zone](const EditTarget &copied) {
        runCommand(
            tr("Date Files by Capture Date"),
            [zone](const EditTarget &t, const JobContext &hooks) {
                return filedatesfromcapture::copyCaptureDateToFileDate(t, zone, hooks);
            },
            copied);
    });
}

bool EditorController::controlTextShouldBeginEditing(QLineEdit *field)
{
    Q_UNUSED(field)
    m_mapPreview = true;
    return true;
}
