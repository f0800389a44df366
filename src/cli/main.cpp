#include "CliVerb.h"

#include <QCoreApplication>
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
    QTextStream(stderr) << "glimmerset-cli " << verb << ": " << message << Qt::endl;
}

} // namespace cli

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
