// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateAddress.h"

#include "app/AppSettings.h"

#include <QtGlobal>

namespace updateaddress {

namespace {

// The vendor has no web site of its own yet; this address stands in for it, with the
// version list at the path it has always had below the site.
const char kSite[] = "https://example.org/glimmerset/";

} // namespace

QUrl defaultVersionListUrl()
{
    return QUrl(QString::fromLatin1(kSite)).resolved(QUrl(QStringLiteral("product/glimmersetVersion.plist")));
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

QUrl productPageUrl()
{
    return QUrl(QString::fromLatin1(kSite)).resolved(QUrl(QStringLiteral("download")));
}

} // namespace updateaddress
