// SPDX-License-Identifier: GPL-3.0-or-later
// CompressionController: the resize sheet and the Output folder choice of the preferences.
#include "CompressionController.h"

#include "MainInterface.h"
#include "SharedPhotoLocation.h"
#include "widgets/ResultTableView.h"
#include "widgets/FramelessWindow.h"
#include "windows/PreferenceWindow.h"
#include "windows/ResizeWindow.h"

#include "app/AppSettings.h"
#include "compress/CompressionJob.h"
#include "compress/ResizePresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void CompressionController::ShowResizePhotoWindow()
{
    if (refuseWhileBusy())
        return;
    ResizeWindow *sheet = m_ui->resizeImageWindow;
    sheet->theResizePopBtn()->setCurrentText(QString::fromLatin1(compress::CustomPresetTitle));
    // "Custom" takes the typed size as it is until the user ticks the box.
    sheet->resizeScaleBtn()->setEnabled(true);
    sheet->resizeScaleBtn()->setChecked(false);
    if (!m_dragPhotoArray.isEmpty()) {
        const QSize size = compress::photoDisplaySize(m_dragPhotoArray.constFirst().restPath());
        if (size.isValid()) {
            sheet->widthSizelab()->setText(QString::number(size.width()));
            sheet->heightSizelab()->setText(QString::number(size.height()));
        }
    }
    // Confirming an empty list would have nothing to resize.
    sheet->okButton()->setEnabled(!m_dragPhotoArray.isEmpty());
    sheet->beginSheet(m_ui->window);
}

void CompressionController::SelectItemAction()
{
    if (m_dragPhotoArray.isEmpty())
        return;
    ResizeWindow *sheet = m_ui->resizeImageWindow;
    const QSize size = compress::photoDisplaySize(m_dragPhotoArray.constFirst().restPath());
    const compress::ResizeFields fields =
        compress::fieldsForSelection(sheet->theResizePopBtn()->currentText(), size);
    sheet->widthSizelab()->setText(fields.widthText);
    sheet->heightSizelab()->setText(fields.heightText);
    sheet->resizeScaleBtn()->setChecked(fields.proportional);
    // Presets always keep the proportions; only "Custom" lets the user choose.
    sheet->resizeScaleBtn()->setEnabled(!compress::presetByTitle(sheet->theResizePopBtn()->currentText()));
}

void CompressionController::CancelChangeResizePhotoAction()
{
    m_ui->resizeImageWindow->endSheet(0);
}

void CompressionController::ChangeResizePhotoAction()
{
    ResizeWindow *sheet = m_ui->resizeImageWindow;
    sheet->endSheet(1);
    if (m_dragPhotoArray.isEmpty() || refuseWhileBusy())
        return;
    const compress::ResizeRequest request{sheet->theResizePopBtn()->currentText(),
                                          compress::fieldIntValue(sheet->widthSizelab()->text()),
                                          compress::fieldIntValue(sheet->heightSizelab()->text()),
                                          sheet->resizeScaleBtn()->isChecked()};
    // A custom size below 1 pixel cancels the whole resize, silently, before any file changes.
    if (!compress::resizeRequestValid(request))
        return;

    QStringList paths;
    for (const ResultRow &entry : std::as_const(m_dragPhotoArray))
        paths.append(entry.restPath());
    startResize(paths, request);
}

void CompressionController::startResize(const QStringList &paths, const compress::ResizeRequest &request)
{
    showBusy();
    resetResults();
    // Each photo is scaled in memory by the job and committed whole: Stop works as for
    // any job, and the sizes compare with the files as they were before.
    startJob(CompressionJobKind::Resize, paths, request);
}

void CompressionController::ChangePhotoLocation()
{
    auto *panel = new QFileDialog(m_ui->preferenceWindow);
    panel->setObjectName(QStringLiteral("locationPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setWindowModality(Qt::WindowModal);
    panel->setFileMode(QFileDialog::Directory);
    panel->setWindowTitle(tr("Please select a floder to store the compressed photos."));
    panel->setLabelText(QFileDialog::Accept, tr("Choose"));
    const QString current = m_photoLocation->path();
    if (!current.isEmpty())
        panel->setDirectory(current);
    connect(panel, &QFileDialog::finished, this, [this, panel](int result) {
        locationPanelDone(panel, result == QDialog::Accepted ? 1 : 0);
    });
    panel->open();
}

void CompressionController::locationPanelDone(QFileDialog *panel, int returnCode)
{
    if (returnCode != 1 || !panel)
        return;
    const QStringList chosen = panel->selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return;
    const QString folder = chosen.constFirst();
    m_settings->setPhotoLocation(folder);
    m_ui->preferenceWindow->showPhotoLocation(folder);
    m_photoLocation->setPath(folder);
    m_settings->sync();
}
