// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>
#include <exception>

namespace cli {

static std::map<QString, Verb> &registry()
{
    static std::map<QString, Verb> verbs;
    return verbs;
}

bool registerVerb(Verb verb)
{
    const QString name = verb.name;
    return registry().emplace(name, std::move(verb)).second;
}

const std::map<QString, Verb> &verbs() { return registry(); }

void printError(const QString &verb, const QString &message)
{
    QTextStream(stderr) << "glimmerset-cli " << printable(verb) << ": " << printable(message) << Qt::endl;
}

QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && !(u >= 0x7f && u <= 0x9f)) {
            out += c;
            continue;
        }
        switch (u) {
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        }
    }
    return out;
}

} // namespace cli

// An argument the system gave in bytes that are not UTF-8 cannot be turned back into the
// file it names; saying "no such file" about a file that is there would mislead.
static bool isUtf8(const char *argument)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(QByteArrayView(argument));
    return !text.isNull() && !decoder.hasError();
}

// Bytes beyond ASCII as "\xe9", the way the folder scan names such a file.
static QString escapedBytes(const QByteArray &raw)
{
    QString out;
    for (const char c : raw)
        out += uchar(c) < 0x80 ? QString(QLatin1Char(c)) : QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
    return out;
}

static void printUsage(FILE *to)
{
    QTextStream out(to);
    out << "usage: glimmerset-cli <command> [arguments]\n\ncommands:\n";
    for (const auto &[name, verb] : cli::verbs())
        out << "  " << name << ' ' << verb.usage << "\n      " << verb.summary << '\n';
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vantoric"));
    QCoreApplication::setApplicationName(QStringLiteral("Glimmerset"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLIMMERSET_VERSION));

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? cli::ExitUsage : cli::ExitOk;
    }
    if (args.first() == QLatin1String("--version")) {
        QTextStream(stdout) << "glimmerset-cli " << GLIMMERSET_VERSION << Qt::endl;
        return cli::ExitOk;
    }
    for (int i = 2; i < argc; ++i) {
        if (!isUtf8(argv[i])) {
            cli::printError(args.first(), QStringLiteral("%1: the file name is not valid UTF-8; rename it to use it here")
                                              .arg(escapedBytes(QByteArray(argv[i]))));
            return cli::ExitUsage;
        }
    }
    const QString name = args.takeFirst();
    const auto it = cli::verbs().find(name);
    if (it == cli::verbs().end()) {
        cli::printError(name, QStringLiteral("unknown command"));
        printUsage(stderr);
        return cli::ExitUsage;
    }
    // Commands catch per photo; this is the last line so a surprise still ends with a reason
    // and a failure status rather than an abort.
    try {
        return it->second.run(args);
    } catch (const std::exception &e) {
        cli::printError(name, QString::fromLocal8Bit(e.what()));
        return cli::ExitFailed;
    }
}
