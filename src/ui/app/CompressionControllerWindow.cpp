// SPDX-License-Identifier: GPL-3.0-or-later
// CompressionController: how the main window behaves as a desktop window: files from another start
// of the program, quitting while a job runs, and telling the user a long job ended.
#include "CompressionController.h"

#include "Appearance.h"
#include "DesktopNotifier.h"
#include "MainInterface.h"
#include "widgets/FramelessWindow.h"
#include "windows/PreferenceWindow.h"

#include "compress/CompressionJob.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

void CompressionController::wireWindowBehaviour()
{
    MainInterface &ui = *m_ui;
    ui.window->setCloseGuard([this] { return windowShouldClose(); });
    connect(m_job, &CompressionJob::started, this, &CompressionController::jobStartedForNotice);
    connect(this, &CompressionController::compressionFinished, this, &CompressionController::noticeJobEnd);

    m_appearance = new Appearance(*m_settings, this);
    QComboBox *box = ui.preferenceWindow->appearanceBox();
    box->setCurrentIndex(box->findData(Appearance::nameOf(m_appearance->mode())));
    connect(box, &QComboBox::activated, this, [this, box] {
        m_appearance->setMode(Appearance::modeFromName(box->currentData().toString()));
    });
    m_appearance->apply();
}

void CompressionController::openFilesFromAnotherStart(const QStringList &files)
{
    FramelessWindow *window = m_ui->window;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    if (!files.isEmpty())
        openFiles(files);
}

bool CompressionController::confirmQuit()
{
    if (!isCompressing())
        return true;
    QMessageBox ask(m_ui->window);
    ask.setObjectName(QStringLiteral("quitWhileBusyAlert"));
    ask.setIcon(QMessageBox::Question);
    ask.setText(tr("Photos are being compressed"));
    ask.setInformativeText(
        tr("Stop after the photos being written and quit? The photos not yet compressed are left as they are."));
    QPushButton *stop = ask.addButton(tr("Stop and Quit"), QMessageBox::DestructiveRole);
    QPushButton *keep = ask.addButton(tr("Continue"), QMessageBox::RejectRole);
    ask.setDefaultButton(keep);
    ask.setEscapeButton(keep);
    ask.exec();
    if (ask.clickedButton() != stop)
        return false;
    // The job ends after the photos being written; the controller's end waits for that.
    m_job->cancel();
    return true;
}

void CompressionController::jobStartedForNotice()
{
    m_jobClock.start();
}

void CompressionController::noticeJobEnd()
{
    if (!m_jobClock.isValid() || m_jobClock.elapsed() < m_noticeAfterMs)
        return;
    m_jobClock.invalidate();
    // Someone watching the window sees the finish line; only an absent user needs telling.
    if (m_ui->window->isActiveWindow())
        return;
    if (!m_notifier)
        m_notifier = new DesktopNotifier(this);
    m_notifier->notify(tr("Photos compressed"), m_ui->saveSizelab->text());
}

void CompressionController::setDesktopNotifier(DesktopNotifier *notifier, int afterMs)
{
    m_notifier = notifier;
    m_noticeAfterMs = afterMs;
}
