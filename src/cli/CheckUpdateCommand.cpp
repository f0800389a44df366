// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"

#include "app/AppSettings.h"
#include "app/BuildVersion.h"
#include "update/UpdateAddress.h"
#include "update/UpdateCheck.h"

#include <QEventLoop>
#include <QTextStream>

namespace {

const QString kVerb = QStringLiteral("check-update");

int runCheckUpdate(const QStringList &args)
{
    QUrl url;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--url") && i + 1 < args.size()) {
            url = QUrl(args.at(++i));
        } else {
            cli::printError(kVerb, QStringLiteral("unexpected argument \"%1\"").arg(args.at(i)));
            return cli::ExitUsage;
        }
    }
    if (url.isEmpty()) {
        const AppSettings settings;
        url = updateaddress::versionListUrl(settings);
    }
    if (url.isEmpty()) {
        // A distribution build: its package manager brings new versions.
        cli::printError(kVerb, QStringLiteral("this build has no update address (give one with --url, "
                                              "GLIMMERSET_UPDATE_URL or the \"VersionListURL\" setting)"));
        return cli::ExitUsage;
    }

    UpdateCheck check;
    UpdateCheckResult result;
    QEventLoop loop;
    QObject::connect(&check, &UpdateCheck::finished, &loop, [&](const UpdateCheckResult &r) {
        result = r;
        loop.quit();
    });
    check.start(url, QString::fromLatin1(buildversion::version));
    loop.exec();

    QTextStream out(stdout);
    switch (result.outcome) {
    case UpdateCheckResult::UpdateAvailable:
        out << result.newVersionText() << '\n' << result.currentVersionText() << '\n';
        if (!result.whatsNew.isEmpty())
            out << '\n' << result.whatsNewText() << '\n';
        out << "\nDownload: " << updateaddress::productPageUrl(url).toString() << Qt::endl;
        return cli::ExitOk;
    case UpdateCheckResult::UpToDate:
        out << result.upToDateText() << Qt::endl;
        return cli::ExitOk;
    case UpdateCheckResult::Failed:
        break;
    }
    cli::printError(kVerb, result.failureText());
    return cli::ExitFailed;
}

const bool registered = cli::registerVerb(
    {kVerb, QStringLiteral("[--url URL]"),
     QStringLiteral("ask the vendor's server for a newer version (address: --url, else GLIMMERSET_UPDATE_URL, "
                    "else the \"VersionListURL\" setting, else the address this build was made with)"),
     &runCheckUpdate});

} // namespace
