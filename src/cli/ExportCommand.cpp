// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"
#include "SheetOptions.h"

#include "metadata/EditSheetFields.h"
#include "metadata/PlistExchange.h"
#include "metadata/TemplateApply.h"

#include <QTextStream>

using plistexchange::Kind;

static int runExport(const QStringList &args)
{
    const QString verb = QStringLiteral("export");
    const QMap<QString, Kind> &kinds = cli::plistKindOptions();
    const QString templateOption = QStringLiteral("--template");
    QMap<QString, int> counts = cli::sheetOptionCounts();
    for (const QString &k : kinds.keys())
        counts.insert(k, 0);
    counts.insert(templateOption, 0);

    cli::EditorArgs parsed;
    QString error;
    if (!cli::parseEditorArgs(args, counts, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    QStringList chosen;
    for (const QString &k : kinds.keys() + QStringList{templateOption})
        if (parsed.options.contains(k))
            chosen << k;
    if (chosen.size() != 1) {
        cli::printError(verb, QStringLiteral("choose one of --whole, --exif, --tiff, --exif-tiff, --template"));
        return cli::ExitUsage;
    }
    const bool isTemplate = chosen.first() == templateOption;
    const EditSheetFields fields = cli::sheetFields(parsed.options);
    if (isTemplate ? !parsed.files.isEmpty() : (parsed.files.size() != 1 || !fields.isEmpty())) {
        cli::printError(verb, isTemplate ? QStringLiteral("--template takes the field options, not photos")
                                         : QStringLiteral("give exactly one photo (and no field options)"));
        return cli::ExitUsage;
    }
    const QString folder = cli::outputFolder(parsed);
    QString path;
    if (isTemplate) {
        error = templateapply::exportTemplate(fields, folder, &path);
    } else {
        const plistexchange::ExportResult result = plistexchange::exportPhoto(kinds.value(chosen.first()), parsed.files.first(), folder);
        path = result.path;
        error = result.error;
    }
    if (!error.isEmpty()) {
        cli::printError(verb, QStringLiteral("%1: nothing written: %2").arg(path, error));
        return cli::ExitFailed;
    }
    QTextStream(stdout) << cli::printable(path) << Qt::endl;
    return cli::ExitOk;
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("export"),
     QStringLiteral("--whole|--exif|--tiff|--exif-tiff [--into DIR] PHOTO  |  --template ") + cli::sheetOptionsUsage()
         + QStringLiteral(" [--into DIR]"),
     QStringLiteral("write the photo's metadata, or a template of the fields, as a property list"), &runExport});
