#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What an editor command did, for the window (or the command line) to show.
struct EditReport {
    struct Problem {
        QString fileName;
        QString path;
        QString reason;
    };

    bool emptySelection = false;
    QStringList written;     // output paths, in list order
    QList<Problem> skipped;  // sources that could not be read: nothing written for them
    QList<Problem> failed;   // copies that could not be written: nothing written for them
    QString note;            // a remark about the whole run, empty when there is none
    bool cancelled = false;

    bool hasProblems() const { return !skipped.isEmpty() || !failed.isEmpty(); }
    // One line per photo that yielded no copy: "name: reason".
    QStringList problemLines() const;
};
