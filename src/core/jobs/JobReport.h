// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What one photo of a batch job came to.
struct PhotoResult {
    enum class Outcome { Written, Skipped, Failed };

    QString fileName;
    QString source; // the file that was read
    QString output; // the file written (or that could not be written); empty when none was tried
    Outcome outcome = Outcome::Written;
    QString reason; // empty for Written
    // Compression fills these in; other jobs leave them 0.
    quint64 oldSize = 0;
    quint64 newSize = 0;

    // The path a problem is about: the output that could not be written, else the source.
    QString path() const { return outcome == Outcome::Failed && !output.isEmpty() ? output : source; }
};

// What a finished batch job hands to its front end, which only displays it. Every job
// (compression, resize, each editor command) reports this way, so the window and the
// command line show skipped and failed photos the same way whatever ran.
struct JobReport {
    QList<PhotoResult> photos; // in the order the job took them
    int total = 0;             // photos the job was asked to do (cancelled jobs do fewer)
    bool cancelled = false;
    bool emptySelection = false;
    QString note; // a remark about the whole run, empty when there is none

    void addWritten(const QString &fileName, const QString &source, const QString &output);
    void addSkipped(const QString &fileName, const QString &source, const QString &reason);
    void addFailed(const QString &fileName, const QString &source, const QString &output, const QString &reason);

    int count(PhotoResult::Outcome outcome) const;
    QStringList written() const; // output paths of the written photos, in order
    QList<PhotoResult> skipped() const;
    QList<PhotoResult> failed() const;
    bool hasProblems() const;
    bool anyFailed() const { return count(PhotoResult::Outcome::Failed) > 0; }
    // One line per photo that yielded nothing, failures first: "name: reason".
    QStringList problemLines() const;
};

Q_DECLARE_METATYPE(JobReport)
