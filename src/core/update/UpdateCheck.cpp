// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateCheck.h"

#include "VersionListFetcher.h"

#include <QDebug>

UpdateCheck::UpdateCheck(QObject *parent)
    : QObject(parent)
    , m_fetcher(new VersionListFetcher(this))
{
    connect(m_fetcher, &VersionListFetcher::fetched, this, [this](const QByteArray &body) {
        const UpdateCheckResult result = UpdateCheckResult::evaluate(body, m_currentVersion);
        if (result.outcome == UpdateCheckResult::Failed)
            qWarning().noquote() << QStringLiteral("Version list not readable: %1").arg(result.error);
        Q_EMIT finished(result);
    });
    connect(m_fetcher, &VersionListFetcher::failed, this, [this](const QString &description, const QString &url) {
        qWarning().noquote() << QStringLiteral("Connection failed! Error - %1 %2").arg(description, url);
        Q_EMIT finished(UpdateCheckResult::failure(description, m_currentVersion));
    });
}

void UpdateCheck::setTimeout(int milliseconds)
{
    m_fetcher->setTimeout(milliseconds);
}

bool UpdateCheck::start(const QUrl &versionListUrl, const QString &currentVersion)
{
    if (m_fetcher->isRunning())
        return false;
    m_currentVersion = currentVersion;
    return m_fetcher->fetch(versionListUrl);
}

bool UpdateCheck::isRunning() const
{
    return m_fetcher->isRunning();
}
