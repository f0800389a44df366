// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"
#include "SheetOptions.h"

#include "metadata/PlistExchange.h"
#include "metadata/TemplateApply.h"

using plistexchange::Kind;

static int runImport(const QStringList &args)
{
    const QString verb = QStringLiteral("import");
    const QMap<QString, Kind> &kinds = cli::plistKindOptions();
    const QString templateOption = QStringLiteral("--template");
    QMap<QString, int> counts{{templateOption, 1}};
    for (const QString &k : kinds.keys())
        counts.insert(k, 1);

    cli::EditorArgs parsed;
    QString error;
    if (!cli::parseEditorArgs(args, counts, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    if (parsed.options.size() != 1) {
        cli::printError(verb, QStringLiteral("choose one of --whole, --exif, --tiff, --exif-tiff, --template with its FILE.plist"));
        return cli::ExitUsage;
    }
    if (parsed.files.isEmpty()) {
        cli::printError(verb, QStringLiteral("no photos given"));
        return cli::ExitUsage;
    }
    const QString option = parsed.options.firstKey();
    const QString plist = parsed.options.first().first();
    const EditTarget target = EditTarget::forFiles(parsed.files, cli::outputFolder(parsed));
    const JobReport report = option == templateOption
        ? templateapply::importTemplate(plist, target, QTimeZone::systemTimeZone())
        : plistexchange::importPlist(kinds.value(option), plist, target);
    return cli::finishReport(verb, report);
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("import"),
     QStringLiteral("--whole|--exif|--tiff|--exif-tiff|--template FILE.plist [--into DIR] PHOTO..."),
     QStringLiteral("write After_ copies carrying the property list's values"), &runImport});
