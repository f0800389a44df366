// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UpdateCheckResult.h"

#include <QObject>
#include <QUrl>

class VersionListFetcher;

// One version check: fetch the list, read it, compare it with the running version,
// and report once with finished(). A failed fetch is logged
// ("Connection failed! Error - <what> <address>") whoever asked; whether it is shown
// is the caller's choice. Lives on the thread that created it.
class UpdateCheck : public QObject
{
    Q_OBJECT
public:
    explicit UpdateCheck(QObject *parent = nullptr);

    void setTimeout(int milliseconds);
    // False while a check runs (the running one goes on and reports as usual).
    bool start(const QUrl &versionListUrl, const QString &currentVersion);
    bool isRunning() const;

Q_SIGNALS:
    void finished(const UpdateCheckResult &result);

private:
    VersionListFetcher *m_fetcher;
    QString m_currentVersion;
};
