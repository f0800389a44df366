// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"

#include "metadata/TemplateApply.h"

static int runGps(const QStringList &args)
{
    const QString verb = QStringLiteral("gps");
    cli::EditorArgs parsed;
    QString error;
    const QMap<QString, int> counts{{QStringLiteral("--lat"), 1}, {QStringLiteral("--lon"), 1},
                                    {QStringLiteral("--alt"), 1}, {QStringLiteral("--date"), 1},
                                    {QStringLiteral("--time"), 1}};
    if (!cli::parseEditorArgs(args, counts, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    if (parsed.files.isEmpty()) {
        cli::printError(verb, QStringLiteral("no photos given"));
        return cli::ExitUsage;
    }
    auto value = [&](const char *name) { return parsed.options.value(QLatin1String(name)).value(0); };
    EditSheetFields fields;
    fields.gpsLatitude = value("--lat");
    fields.gpsLongitude = value("--lon");
    fields.gpsAltitude = value("--alt");
    fields.gpsDate = value("--date");
    fields.gpsTime = value("--time");
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const auto plan = templateapply::plan(fields, templateapply::Source::GpsWindow, false, zone, &error);
    if (!plan) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    const EditTarget target = EditTarget::forFiles(parsed.files, cli::outputFolder(parsed));
    return cli::finishReport(verb, templateapply::write(target, *plan, QStringLiteral("NewGPS_")));
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("gps"),
     QStringLiteral("--lat DEG --lon DEG --alt M [--date YYYY:MM:DD --time HH:MM:SS] [--into DIR] PHOTO..."),
     QStringLiteral("write NewGPS_ copies at the given position (negative: south, west, below sea level)"), &runGps});
