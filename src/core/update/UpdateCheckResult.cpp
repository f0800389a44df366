// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateCheckResult.h"

#include "VersionList.h"
#include "VersionNumber.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(UpdateCheckResult)
};

// Text from the server goes to a terminal and a window: escape sequences could clear the
// screen, retitle the terminal or plant a link there. Line breaks and tabs become spaces,
// other control characters (C0, DEL and C1) go; the change list's stars make its lines.
QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f')
            out += QLatin1Char(' ');
        else if (u >= 0x20 && !(u >= 0x7f && u <= 0x9f))
            out += c;
    }
    return out;
}

} // namespace

UpdateCheckResult UpdateCheckResult::evaluate(const QByteArray &versionList, const QString &currentVersion)
{
    QString error;
    const std::optional<VersionList> list = VersionList::parse(versionList, &error);
    if (!list)
        return failure(error, currentVersion);
    UpdateCheckResult result;
    result.currentVersion = currentVersion;
    result.latestVersion = printable(list->latestVersion);
    result.whatsNew = printable(list->whatsNew);
    result.outcome = versionnumber::isNewer(list->latestVersion, currentVersion) ? UpdateAvailable : UpToDate;
    return result;
}

UpdateCheckResult UpdateCheckResult::failure(const QString &error, const QString &currentVersion)
{
    UpdateCheckResult result;
    result.outcome = Failed;
    result.error = printable(error); // may quote the server's status line
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
