// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"
#include "EditReportOutput.h"

#include "metadata/BatchDateShift.h"
#include "metadata/DateText.h"
#include "metadata/SingleDateChange.h"

#include <QFileInfo>
#include <QRegularExpression>

using batchdateshift::BatchDateChange;

// "[+|-]Y:M:D:h:m:s": a leading "-" takes the time away, "+" or nothing adds it.
static bool parseShift(const QString &text, batchdateshift::DateOffset *offset)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?)(\\d+):(\\d+):(\\d+):(\\d+):(\\d+):(\\d+)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    qint64 *fields[] = {&offset->years, &offset->months, &offset->days,
                        &offset->hours, &offset->minutes, &offset->seconds};
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        *fields[i] = m.captured(i + 2).toLongLong(&ok);
        if (!ok)
            return false;
    }
    offset->add = m.captured(1) != QLatin1String("-");
    return true;
}

static int runDates(const QStringList &args)
{
    const QString verb = QStringLiteral("dates");
    const QString set = QStringLiteral("--set");
    const QString shift = QStringLiteral("--shift");
    const QString reference = QStringLiteral("--reference");
    const QString to = QStringLiteral("--to");

    cli::EditorArgs parsed;
    QString error;
    if (!cli::parseEditorArgs(args, {{set, 1}, {shift, 1}, {reference, 1}, {to, 2}}, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    const bool hasReference = parsed.options.contains(reference);
    if (hasReference != parsed.options.contains(to)) {
        cli::printError(verb, QStringLiteral("--reference and --to go together"));
        return cli::ExitUsage;
    }
    const int modes = int(parsed.options.contains(set)) + int(parsed.options.contains(shift)) + int(hasReference);
    if (modes != 1) {
        cli::printError(verb, QStringLiteral("choose one of --set, --shift, --reference"));
        return cli::ExitUsage;
    }
    if (parsed.files.isEmpty()) {
        cli::printError(verb, QStringLiteral("no photos given"));
        return cli::ExitUsage;
    }

    const QTimeZone zone = QTimeZone::systemTimeZone();
    BatchDateChange change;
    if (parsed.options.contains(set)) {
        change.mode = BatchDateChange::Mode::Absolute;
        change.absoluteDate = parsed.options.value(set).first();
        if (change.absoluteDate.isEmpty()) {
            cli::printError(verb, QStringLiteral("--set needs a date"));
            return cli::ExitUsage;
        }
    } else if (parsed.options.contains(shift)) {
        change.mode = BatchDateChange::Mode::Offset;
        if (!parseShift(parsed.options.value(shift).first(), &change.offset)) {
            cli::printError(verb, QStringLiteral("--shift takes [+|-]Y:M:D:h:m:s with whole numbers"));
            return cli::ExitUsage;
        }
    } else {
        const QString photo = parsed.options.value(reference).first();
        if (!QFileInfo(photo).isFile()) {
            cli::printError(verb, QStringLiteral("%1: no such reference photo").arg(photo));
            return cli::ExitUsage;
        }
        const auto before =
            singledatechange::readDateFields(photo, singledatechange::FileDateStyle::WithoutOffset, zone);
        change.mode = BatchDateChange::Mode::Reference;
        change.reference = {before.original, before.digitized, parsed.options.value(to).at(0),
                            parsed.options.value(to).at(1)};
    }
    // A typed text that is not a date is the caller's mistake: nothing is written.
    QList<std::pair<QString, QString>> typed; // option, text
    if (change.mode == BatchDateChange::Mode::Absolute) {
        typed = {{set, change.absoluteDate}};
    } else if (change.mode == BatchDateChange::Mode::Reference) {
        typed = {{reference + QStringLiteral(" (its capture date)"), change.reference.beforeOriginal},
                 {reference + QStringLiteral(" (its digitized date)"), change.reference.beforeDigitized},
                 {to + QStringLiteral(" CAPTURE"), change.reference.afterOriginal},
                 {to + QStringLiteral(" DIGITIZED"), change.reference.afterDigitized}};
    }
    for (const auto &[option, text] : typed) {
        if (!datetext::parseTyped(text, zone).date.isValid()) {
            cli::printError(verb, datetext::notADateMessage(option, text));
            return cli::ExitUsage;
        }
    }
    const EditTarget target = EditTarget::forFiles(parsed.files, cli::outputFolder(parsed));
    return cli::finishReport(verb, batchdateshift::shiftDates(target, change, zone));
}

static const bool registered = cli::registerVerb(
    {QStringLiteral("dates"),
     QStringLiteral("FILE... (--set \"yyyy:MM:dd HH:mm:ss\" | --shift [+|-]Y:M:D:h:m:s | "
                    "--reference PHOTO --to CAPTURE DIGITIZED) [--into DIR]"),
     QStringLiteral("write copies with new capture dates, under the photos' own names"), &runDates});
