// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"
#include "SheetOptions.h"

#include "metadata/TemplateApply.h"

static int runApply(const QStringList &args)
{
    const QString verb = QStringLiteral("apply");
    cli::EditorArgs parsed;
    QString error;
    if (!cli::parseEditorArgs(args, cli::sheetOptionCounts(), &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    if (parsed.files.isEmpty()) {
        cli::printError(verb, QStringLiteral("no photos given"));
        return cli::ExitUsage;
    }
    const EditSheetFields fields = cli::sheetFields(parsed.options);
    if (fields.isEmpty()) {
        cli::printError(verb, QStringLiteral("nothing to apply: give at least one field"));
        return cli::ExitUsage;
    }
    const auto plan = templateapply::plan(fields, templateapply::Source::Sheet, true, QTimeZone::systemTimeZone(), &error);
    if (!plan) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    const EditTarget target = EditTarget::forFiles(parsed.files, cli::outputFolder(parsed));
    return cli::finishReport(verb, templateapply::write(target, *plan, QStringLiteral("After_")));
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("apply"), cli::sheetOptionsUsage() + QStringLiteral(" [--into DIR] PHOTO..."),
     QStringLiteral("write After_ copies with the given fields (GPS only with both --lat and --lon)"), &runApply});
