// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditReportOutput.h"

#include "CliVerb.h"

#include "app/Folders.h"
#include "jobs/JobReport.h"

#include <QDir>
#include <QTextStream>

namespace cli {

bool parseEditorArgs(const QStringList &args, const QMap<QString, int> &valueCounts, EditorArgs *out,
                     QString *error)
{
    bool filesOnly = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (filesOnly || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            out->files.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            filesOnly = true;
            continue;
        }
        const int count = arg == QLatin1String("--into") ? 1 : valueCounts.value(arg, -1);
        if (count < 0) {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        if (i + count >= args.size()) {
            *error = QStringLiteral("%1 needs %2 value(s)").arg(arg).arg(count);
            return false;
        }
        const QStringList values = args.mid(i + 1, count);
        i += count;
        if (arg == QLatin1String("--into"))
            out->into = values.first();
        else
            out->options.insert(arg, values);
    }
    return true;
}

QString outputFolder(const EditorArgs &args)
{
    if (args.into.isEmpty())
        return folders::ensureWorkingFolder();
    const QString folder = QDir::cleanPath(QDir(args.into).absolutePath());
    folders::makePath(folder);
    return folder;
}

void printProblems(const QString &verb, const JobReport &report)
{
    if (!report.note.isEmpty())
        printError(verb, report.note);
    for (const PhotoResult &p : report.failed())
        printError(verb, QStringLiteral("%1: no copy written: %2").arg(p.path(), p.reason));
    for (const PhotoResult &p : report.skipped())
        printError(verb, QStringLiteral("%1: skipped: %2").arg(p.path(), p.reason));
}

int finishReport(const QString &verb, const JobReport &report)
{
    QTextStream out(stdout);
    for (const QString &path : report.written())
        out << printable(path) << '\n';
    out.flush();
    printProblems(verb, report);
    return report.hasProblems() ? ExitFailed : ExitOk;
}

} // namespace cli
