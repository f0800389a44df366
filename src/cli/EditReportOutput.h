#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

struct JobReport;

// Shared by the editor verbs of glimmerset-cli.
namespace cli {

struct EditorArgs {
    QStringList files;
    QString into;                          // empty: the Working folder
    QMap<QString, QStringList> options;    // each option given, with its values
};

// Splits the arguments: `valueCounts` names the verb's options and how many values
// each takes ("--into DIR" is always known); everything else, and all after "--",
// is a file. False with a message on an unknown option or a missing value.
bool parseEditorArgs(const QStringList &args, const QMap<QString, int> &valueCounts, EditorArgs *out,
                     QString *error);

// The folder the copies go into, created when missing.
QString outputFolder(const EditorArgs &args);

// The one way a verb reports what a job left undone: the report's note, then one line
// per failed photo and one per skipped photo, with the reason, on stderr.
void printProblems(const QString &verb, const JobReport &report);

// Prints one line per written copy to stdout and one message per photo that yielded
// no copy to stderr; returns the exit status.
int finishReport(const QString &verb, const JobReport &report);

} // namespace cli
