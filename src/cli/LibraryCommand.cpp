// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"

#include "sources/library/PhotoLibrary.h"
#include "sources/library/PhotoLibraryWalker.h"

#include <QDir>
#include <QTextStream>

namespace {

const QString kVerb = QStringLiteral("library");

int runLibrary(const QStringList &args)
{
    if (args.size() != 2 || args.first() != QLatin1String("scan")) {
        cli::printError(kVerb, QStringLiteral("usage: library scan PATH"));
        return cli::ExitUsage;
    }
    const QString path = QDir::cleanPath(args.at(1));
    if (!photolibrary::isLibraryPackage(path)) {
        cli::printError(kVerb, photolibrary::notALibraryMessage(path));
        return cli::ExitFailed;
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    PhotoLibraryWalker walker;
    const LibraryScanReport report = walker.walk(path, [&out](const QString &photo) { out << cli::printable(photo) << '\n'; });
    if (!report.ok()) {
        cli::printError(kVerb, report.error);
        return cli::ExitFailed;
    }
    for (const LibraryScanReport::Entry &entry : report.skipped)
        err << "skipped " << entry.path << ": " << entry.reason << '\n';
    for (const LibraryScanReport::Entry &entry : report.failed)
        err << "failed " << entry.path << ": " << entry.reason << '\n';
    err.flush();
    out << report.summary() << Qt::endl;
    return report.failed.isEmpty() ? cli::ExitOk : cli::ExitFailed;
}

const bool registered = cli::registerVerb(
    {kVerb, QStringLiteral("scan PATH"),
     QStringLiteral("list the photos of a \"Photos Library.photoslibrary\" folder, then their count "
                    "(skipped files on stderr)"),
     &runLibrary});

} // namespace
