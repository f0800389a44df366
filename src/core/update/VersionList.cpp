// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionList.h"

#include <QCoreApplication>

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(VersionList)
};

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<std::remove_pointer_t<plist_t>, PlistDeleter>;

// A string value of the dictionary; nullopt when the key is absent or holds another type.
std::optional<QString> stringValue(plist_t dict, const char *key)
{
    plist_t node = plist_dict_get_item(dict, key);
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return std::nullopt;
    char *value = nullptr;
    plist_get_string_val(node, &value);
    const QString text = QString::fromUtf8(value);
    std::free(value);
    return text;
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
    plist_t raw = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &raw);
    const PlistPtr root(raw);
    if (!root) {
        setError(error, Text::tr("the server's answer is not a property list"));
        return std::nullopt;
    }
    if (plist_get_node_type(root.get()) != PLIST_DICT) {
        setError(error, Text::tr("the version list holds no dictionary"));
        return std::nullopt;
    }
    const std::optional<QString> latest = stringValue(root.get(), "latestVersion");
    if (!latest || latest->trimmed().isEmpty()) {
        setError(error, Text::tr("the version list names no version (\"latestVersion\")"));
        return std::nullopt;
    }
    VersionList list;
    list.latestVersion = latest->trimmed();
    list.whatsNew = stringValue(root.get(), "WhatsNew").value_or(QString());
    return list;
}

QString VersionList::whatsNewText() const
{
    QString text = whatsNew;
    return text.replace(QLatin1Char('*'), QLatin1Char('\n'));
}
