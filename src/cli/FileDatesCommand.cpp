// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"

#include "metadata/FileDatesFromCapture.h"

static int runFileDates(const QStringList &args)
{
    const QString verb = QStringLiteral("file-dates");
    cli::EditorArgs parsed;
    QString error;
    if (!cli::parseEditorArgs(args, {}, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    if (parsed.files.isEmpty()) {
        cli::printError(verb, QStringLiteral("no photos given"));
        return cli::ExitUsage;
    }
    const EditTarget target = EditTarget::forFiles(parsed.files, cli::outputFolder(parsed));
    return cli::finishReport(
        verb, filedatesfromcapture::copyCaptureDateToFileDate(target, QTimeZone::systemTimeZone()));
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("file-dates"), QStringLiteral("FILE... [--into DIR]"),
     QStringLiteral("write byte-identical NewDate_ copies dated by their capture date (the modification date on Linux)"), &runFileDates});
