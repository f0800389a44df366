// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"

#include "metadata/MetadataRemoval.h"

using metadataremoval::Removal;

static int runStrip(const QStringList &args)
{
    const QString verb = QStringLiteral("strip");
    static const QMap<QString, Removal> kinds = {
        {QStringLiteral("--exif"), Removal::Exif},
        {QStringLiteral("--gps"), Removal::GPS},
        {QStringLiteral("--iptc"), Removal::IPTC},
        {QStringLiteral("--exif-gps"), Removal::ExifAndGPS},
    };
    QMap<QString, int> valueCounts;
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
        valueCounts.insert(it.key(), 0);

    cli::EditorArgs parsed;
    QString error;
    if (!cli::parseEditorArgs(args, valueCounts, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    if (parsed.options.size() != 1) {
        cli::printError(verb, QStringLiteral("choose one of --exif, --gps, --iptc, --exif-gps"));
        return cli::ExitUsage;
    }
    if (parsed.files.isEmpty()) {
        cli::printError(verb, QStringLiteral("no photos given"));
        return cli::ExitUsage;
    }
    const Removal removal = kinds.value(parsed.options.firstKey());
    const EditTarget target = EditTarget::forFiles(parsed.files, cli::outputFolder(parsed));
    return cli::finishReport(verb, metadataremoval::removeMetadata(target, removal));
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("strip"), QStringLiteral("--exif|--gps|--iptc|--exif-gps FILE... [--into DIR]"),
     QStringLiteral("write copies without the chosen metadata (NoExif_, NoGPS_, NoIPTC_, NoExifAndGPS_)"),
     &runStrip});
