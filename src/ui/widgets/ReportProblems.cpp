// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportProblems.h"

#include "AlertSheet.h"

#include "jobs/JobReport.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// More lines than this make the alert taller than the window.
constexpr int kListedProblems = 12;

} // namespace

QMessageBox *showReportProblems(QWidget *parent, const JobReport &report)
{
    if (!report.hasProblems())
        return nullptr;
    const QStringList lines = report.problemLines();
    QStringList shown = lines.mid(0, kListedProblems);
    if (lines.size() > kListedProblems)
        shown << QCoreApplication::translate("ReportProblems", "and %1 more").arg(lines.size() - kListedProblems);

    const QString title = report.anyFailed()
        ? QCoreApplication::translate("ReportProblems", "Some copies could not be written")
        : QCoreApplication::translate("ReportProblems", "Some photos were skipped");
    return openAlertSheet(parent, QStringLiteral("reportProblems"), title, shown.join(QLatin1Char('\n')));
}
