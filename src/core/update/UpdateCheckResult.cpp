// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateCheckResult.h"

#include "VersionList.h"
#include "VersionNumber.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(UpdateCheckResult)
};

} // namespace

UpdateCheckResult UpdateCheckResult::evaluate(const QByteArray &versionList, const QString &currentVersion)
{
    QString error;
    const std::optional<VersionList> list = VersionList::parse(versionList, &error);
    if (!list)
        return failure(error, currentVersion);
    UpdateCheckResult result;
    result.currentVersion = currentVersion;
    result.latestVersion = list->latestVersion;
    result.whatsNew = list->whatsNew;
    result.outcome = versionnumber::isNewer(list->latestVersion, currentVersion) ? UpdateAvailable : UpToDate;
    return result;
}

UpdateCheckResult UpdateCheckResult::failure(const QString &error, const QString &currentVersion)
{
    UpdateCheckResult result;
    result.outcome = Failed;
    result.error = error;
    result.currentVersion = currentVersion;
    return result;
}

QString UpdateCheckResult::newVersionText() const
{
    return Text::tr("Vantoric Glimmerset %1 is available.").arg(latestVersion);
}

QString UpdateCheckResult::currentVersionText() const
{
    return Text::tr("You are using %1 version. Would you like to download it now?").arg(currentVersion);
}

QString UpdateCheckResult::whatsNewText() const
{
    return VersionList{latestVersion, whatsNew}.whatsNewText();
}

QString UpdateCheckResult::upToDateText() const
{
    return Text::tr("Vantoric Glimmerset %1 is the latest version.").arg(currentVersion);
}

QString UpdateCheckResult::failureText() const
{
    return Text::tr("Could not check for updates: %1").arg(error);
}
