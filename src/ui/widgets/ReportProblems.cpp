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

QString tr(const char *text) { return QCoreApplication::translate("ReportProblems", text); }

} // namespace

QMessageBox *showReportProblems(QWidget *parent, const JobReport &report)
{
    if (!report.hasProblems())
        return nullptr;
    const QStringList lines = report.problemLines();
    QStringList shown = lines.mid(0, kListedProblems);
    if (lines.size() > kListedProblems)
        shown << tr("and %1 more").arg(lines.size() - kListedProblems);

    return openAlertSheet(parent, QStringLiteral("reportProblems"),
                          report.anyFailed() ? tr("Some copies could not be written") : tr("Some photos were skipped"),
                          shown.join(QLatin1Char('\n')));
}
