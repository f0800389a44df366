// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/UpdateCheckResult.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class NoUpdateWindow;
class QMessageBox;
class QWidget;
class UpdateCheck;
class UpdateWindow;

// The version check as the window shows it. checkServerVersion() starts a check in the
// core; its result opens the update window, or, when the user asked (checkUpdate), the
// no-update window or the failure. A check nobody asked for fails quietly (it is logged).
// Main thread only.
class UpdateController : public QObject
{
    Q_OBJECT
public:
    // `mainWindow`: where the failure alert is shown, and the parent of the windows.
    explicit UpdateController(QWidget *mainWindow, QObject *parent = nullptr);
    ~UpdateController() override;

    bool checkUpdate() const { return m_checkUpdate; }
    void setCheckUpdate(bool asked) { m_checkUpdate = asked; }
    // Captured by the caller before each check (settings and environment are read there).
    void setVersionListUrl(const QUrl &url) { m_url = url; }
    QUrl versionListUrl() const { return m_url; }
    void setTimeout(int milliseconds);
    // Where Download goes (tests replace the browser).
    void setUrlOpener(std::function<void(const QUrl &)> open) { m_open = std::move(open); }

    // Starts a check; a check already running goes on and answers for both.
    void checkServerVersion();
    bool isChecking() const;

    void ClickGoDownloadAction();
    void ClickNotNowAction();
    void ClickOkAction();
    void hidUpdateWindow();

    QString currentVersion() const { return m_currentVersion; }
    QString latestVersion() const { return m_latestVersion; }
    QString whatsnewString() const { return m_whatsnewString; }
    UpdateWindow *window() const { return m_window; }
    NoUpdateWindow *noUpdateWindow() const { return m_noUpdateWindow; }
    QMessageBox *lastAlert() const;

Q_SIGNALS:
    // After the result has been shown (or not).
    void checkFinished(const UpdateCheckResult &result);

private:
    void connectionFinished(const UpdateCheckResult &result);
    void showCentred(QWidget *window);

    QWidget *m_mainWindow;
    UpdateCheck *m_check;
    UpdateWindow *m_window;
    NoUpdateWindow *m_noUpdateWindow;
    QPointer<QMessageBox> m_lastAlert;
    std::function<void(const QUrl &)> m_open;
    QUrl m_url;
    bool m_checkUpdate = false;
    QString m_currentVersion;
    QString m_latestVersion;
    QString m_whatsnewString;
};
