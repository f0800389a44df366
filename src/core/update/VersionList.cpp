// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionList.h"

#include "metadata/PropertyList.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(VersionList)
};

// A string value of the dictionary; nullopt when the key is absent or holds another type.
std::optional<QString> stringValue(const QVariantMap &dict, const QString &key)
{
    const QVariant value = dict.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

std::optional<VersionList> VersionList::parse(const QByteArray &bytes, QString *error)
{
    if (bytes.size() > MaximumSize) {
        setError(error, Text::tr("the version list is larger than 1 MiB"));
        return std::nullopt;
    }
    if (bytes.isEmpty()) {
        setError(error, Text::tr("the server sent an empty version list"));
        return std::nullopt;
    }
    // The same guard as an imported file: libplist's parsers recurse, and a server can
    // nest as deep as it likes.
    QString reason;
    const std::optional<QVariantMap> root = propertylist::fromBytes(bytes, &reason);
    if (!root) {
        setError(error, Text::tr("the server's answer is not a usable version list: %1").arg(reason));
        return std::nullopt;
    }
    const std::optional<QString> latest = stringValue(*root, QStringLiteral("lastestVersion"));
    if (!latest || latest->trimmed().isEmpty()) {
        setError(error, Text::tr("the version list names no version (\"lastestVersion\")"));
        return std::nullopt;
    }
    VersionList list;
    list.latestVersion = latest->trimmed();
    list.whatsNew = stringValue(*root, QStringLiteral("WhatsNew")).value_or(QString());
    return list;
}

QString VersionList::whatsNewText() const
{
    QString text = whatsNew;
    return text.replace(QLatin1Char('*'), QLatin1Char('\n'));
}
