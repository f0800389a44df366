// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateController.h"

#include "widgets/AlertSheet.h"
#include "windows/NoUpdateWindow.h"
#include "windows/UpdateWindow.h"

#include "app/BuildVersion.h"
#include "update/UpdateAddress.h"
#include "update/UpdateCheck.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

UpdateController::UpdateController(QWidget *mainWindow, QObject *parent)
    : QObject(parent)
    , m_mainWindow(mainWindow)
    , m_check(new UpdateCheck(this))
    , m_window(new UpdateWindow(mainWindow))
    , m_noUpdateWindow(new NoUpdateWindow(mainWindow))
    , m_open([](const QUrl &url) { QDesktopServices::openUrl(url); })
    , m_url(updateaddress::defaultVersionListUrl())
    , m_currentVersion(QString::fromLatin1(buildversion::version))
{
    // Separate windows, not sheets: the main window stays usable while they show.
    m_window->setWindowFlag(Qt::Window);
    m_noUpdateWindow->setWindowFlag(Qt::Window);
    connect(m_check, &UpdateCheck::finished, this, &UpdateController::connectionFinished);
    connect(m_window->downloadButton, &QPushButton::clicked, this, &UpdateController::ClickGoDownloadAction);
    connect(m_window->notNowButton, &QPushButton::clicked, this, &UpdateController::ClickNotNowAction);
    connect(m_noUpdateWindow->okButton, &QPushButton::clicked, this, &UpdateController::ClickOkAction);
}

UpdateController::~UpdateController() = default;

QMessageBox *UpdateController::lastAlert() const
{
    return m_lastAlert;
}

void UpdateController::setTimeout(int milliseconds)
{
    m_check->setTimeout(milliseconds);
}

bool UpdateController::isChecking() const
{
    return m_check->isRunning();
}

void UpdateController::checkServerVersion()
{
    m_currentVersion = QString::fromLatin1(buildversion::version);
    m_check->start(m_url, m_currentVersion);
}

void UpdateController::connectionFinished(const UpdateCheckResult &result)
{
    switch (result.outcome) {
    case UpdateCheckResult::UpdateAvailable:
        m_latestVersion = result.latestVersion;
        m_whatsnewString = result.whatsNew;
        m_window->newversionlab->setText(result.newVersionText());
        m_window->currentversionlab->setText(result.currentVersionText());
        m_window->whatsnewContentView->setPlainText(result.whatsNewText());
        showCentred(m_window);
        break;
    case UpdateCheckResult::UpToDate:
        m_latestVersion = result.latestVersion;
        m_whatsnewString = result.whatsNew;
        if (m_checkUpdate) {
            m_noUpdateWindow->messageLabel->setText(result.upToDateText());
            showCentred(m_noUpdateWindow);
        }
        break;
    case UpdateCheckResult::Failed:
        if (m_checkUpdate) {
            m_lastAlert = openAlertSheet(m_mainWindow, QStringLiteral("updateAlert"), result.failureText(),
                                         tr("The version list is at %1.").arg(m_url.toString()), true);
        }
        break;
    }
    Q_EMIT checkFinished(result);
}

void UpdateController::showCentred(QWidget *window)
{
    window->adjustSize();
    QScreen *screen = m_mainWindow && m_mainWindow->screen() ? m_mainWindow->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void UpdateController::ClickGoDownloadAction()
{
    // The window stays open: the user may come back to the list of changes.
    if (m_open)
        m_open(updateaddress::productPageUrl(m_url));
}

void UpdateController::ClickNotNowAction()
{
    m_window->hide();
}

void UpdateController::ClickOkAction()
{
    m_noUpdateWindow->hide();
}

void UpdateController::hidUpdateWindow()
{
    m_currentVersion = QString::fromLatin1(buildversion::version);
    m_window->hide();
}
