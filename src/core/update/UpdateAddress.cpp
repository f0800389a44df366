// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateAddress.h"

#include "app/AppSettings.h"
#include "app/BuildVersion.h"

#include <QtGlobal>

namespace updateaddress {

QUrl defaultVersionListUrl()
{
    return QUrl(QString::fromUtf8(buildversion::versionListUrl).trimmed());
}

QUrl versionListUrl(const AppSettings &settings)
{
    const QString fromEnvironment = qEnvironmentVariable("GLIMMERSET_UPDATE_URL").trimmed();
    if (!fromEnvironment.isEmpty())
        return QUrl(fromEnvironment);
    const QString fromSettings = settings.versionListUrl().trimmed();
    if (!fromSettings.isEmpty())
        return QUrl(fromSettings);
    return defaultVersionListUrl();
}

QUrl productPageUrl(const QUrl &versionList)
{
    const QString configured = QString::fromUtf8(buildversion::downloadUrl).trimmed();
    if (!configured.isEmpty())
        return QUrl(configured);
    return versionList.resolved(QUrl(QStringLiteral(".")));
}

} // namespace updateaddress
