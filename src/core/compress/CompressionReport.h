// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompressionJobKind.h"
#include "ResultRow.h"

#include "jobs/JobReport.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// An item that produced no entry, and why.
struct CompressionProblem {
    QString path;
    QString reason;
    bool operator==(const CompressionProblem &) const = default;
};

// What a finished compression job hands to its front end, which only displays it.
struct CompressionReport {
    CompressionJobKind kind = CompressionJobKind::Files;
    // Every item of the input, skipped ones included (the n of the progress fraction).
    int total = 0;
    // One entry per compressed photo, in input order.
    QList<ResultRow> entries;
    // Sum of the entries' source sizes and of their savings.
    quint64 allFileSize = 0;
    quint64 savedFileSize = 0;
    // Items left out without any work, with the reason (hidden names, "." paths, an item
    // given a second time).
    QList<CompressionProblem> skipped;
    // Items that are not photos we can read or decode: no entry, not in the totals.
    QList<CompressionProblem> unreadable;
    // Photos that were read but whose result could not be written: the file at the
    // output path is as it was, no entry, not in the totals.
    QList<CompressionProblem> failed;
    // The job stopped early on request; entries hold the photos finished before.
    bool cancelled = false;

    // "Save  %d%%  %s  total".
    QString finishText() const;

    // The same outcome as every job reports it: entries are written photos (with their
    // old and new sizes), unreadable and rule-skipped items are skipped, failed ones and
    // entries that could not be resized are failed.
    JobReport toJobReport() const;
};

Q_DECLARE_METATYPE(CompressionReport)
