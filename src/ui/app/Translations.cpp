// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {

static QTranslator &programTranslator()
{
    static QTranslator translator;
    return translator;
}

static QTranslator &qtTranslator()
{
    static QTranslator translator;
    return translator;
}

bool install(const QLocale &locale)
{
    remove();
    // Qt's own texts (standard buttons, file dialogs), when the system carries them.
    if (qtTranslator().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
    if (!programTranslator().load(locale, QStringLiteral("glimmerset"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(&programTranslator());
    return true;
}

void remove()
{
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
}

} // namespace translations
