// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"

#include "imageio/ImageSource.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QJsonValue toJson(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QVariantMap: {
        QJsonObject object;
        const QVariantMap map = v.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            object.insert(it.key(), toJson(it.value()));
        return object;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        QJsonArray array;
        for (const QVariant &item : v.toList())
            array.append(toJson(item));
        return array;
    }
    case QMetaType::QByteArray:
        // Binary Exif values (undefined type) print as hex so the output stays valid text.
        return QStringLiteral("0x") + QString::fromLatin1(v.toByteArray().toHex());
    default:
        return QJsonValue::fromVariant(v);
    }
}

int runInfo(const QStringList &args)
{
    if (args.isEmpty()) {
        cli::printError(QStringLiteral("info"), QStringLiteral("no files given"));
        return cli::ExitUsage;
    }
    QJsonObject all;
    int failures = 0;
    for (const QString &path : args) {
        QString error;
        const auto source = imageio::imageSourceFromFile(path, &error);
        if (!source) {
            cli::printError(QStringLiteral("info"), QStringLiteral("%1: cannot read photo: %2").arg(path, error));
            ++failures;
            continue;
        }
        QJsonObject entry = toJson(source->properties()).toObject();
        entry.insert(QStringLiteral("Type"), source->type());
        entry.insert(QStringLiteral("ImageCount"), source->count());
        all.insert(path, entry);
    }
    QTextStream(stdout) << QJsonDocument(all).toJson(QJsonDocument::Indented);
    return failures ? cli::ExitFailed : cli::ExitOk;
}

const bool registered = cli::registerVerb({QStringLiteral("info"), QStringLiteral("FILE..."),
                                           QStringLiteral("print each photo's property dictionaries as JSON"),
                                           &runInfo});

} // namespace
