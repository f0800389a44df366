// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMessageBox;
class QWidget;
struct JobReport;

// The one way the window shows the photos a finished job skipped or could not write,
// whatever the job was: a window-modal alert listing "name: reason", failures first,
// the first dozen and then "and N more". Returns the alert (deleted when closed), or
// null when every photo was written.
QMessageBox *showReportProblems(QWidget *parent, const JobReport &report);
