// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

// Each verb of glimmerset-cli lives in its own file and registers itself here:
//   static const bool registered = cli::registerVerb({"info", "FILE...", "print ...", &runInfo});
// The verb gets its arguments without the program and verb names and returns the exit status.
namespace cli {

struct Verb {
    QString name;
    QString usage;
    QString summary;
    std::function<int(const QStringList &args)> run;
};

bool registerVerb(Verb verb);
const std::map<QString, Verb> &verbs();

// Exit statuses shared by the verbs.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1; // some photo failed
inline constexpr int ExitUsage = 2;  // bad arguments

// Prints "glimmerset-cli <verb>: <message>" to stderr, through printable().
void printError(const QString &verb, const QString &message);

// A file name or message as one harmless line: control characters (a newline would split
// a row, an escape sequence would drive the terminal) are written the way ls -b writes
// them, "\n", "\t", "\x1b".
QString printable(const QString &text);

} // namespace cli
