// SPDX-License-Identifier: GPL-3.0-or-later
// The German translation is chosen by a German locale and covers every text of the
// main window and the windows it owns: walked widget by widget against the English
// window, no text may stay English. Picture buttons are named and reachable by keyboard.
#include "AppDelegateHarness.h"

#include "app/Translations.h"
#include "editor/EditorController.h"
#include "windows/Drawer.h"
#include "widgets/ImageButton.h"
#include "widgets/ZelCustomeWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

// Every text a user can see or hear, in the window tree's own order.
static QStringList texts(QWidget *root)
{
    QStringList out;
    const auto add = [&out](const QString &where, const QString &text) {
        out << where + QLatin1String(": ") + text;
    };
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const QString where = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('/') + w->objectName();
        if (auto *label = qobject_cast<QLabel *>(w))
            add(where, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(where, button->text());
        if (auto *box = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < box->count(); ++i)
                add(where, box->itemText(i));
        }
        if (auto *menu = qobject_cast<QMenu *>(w))
            add(where, menu->title());
        if (w->isWindow())
            add(where, w->windowTitle());
        add(where + QLatin1String(" tooltip"), w->toolTip());
        add(where + QLatin1String(" name"), w->accessibleName());
        for (QAction *a : w->actions())
            add(where + QLatin1String(" action"), a->text());
    }
    return out;
}

// Texts that read the same in German, and texts that are data rather than words.
static bool sameInGerman(const QString &text)
{
    static const QStringList words{QStringLiteral("Glimmerset"), QStringLiteral("&Glimmerset"),
                                   QStringLiteral("Name"), QStringLiteral("Original"), QStringLiteral("System"),
                                   QStringLiteral("auto"), QStringLiteral("px"), QStringLiteral("Custom"),
                                   QStringLiteral("OK")};
    if (words.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
        return true;
    // Paths, sizes like "1920 x 1080", version numbers.
    return text.contains(QLatin1Char('/')) || text.contains(QRegularExpression(QStringLiteral("^\\d+ x \\d+$")))
           || text.startsWith(QLatin1String("Version "));
}

class TestTranslation : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toUtf8());
    }

    void cleanup()
    {
        translations::remove();
        QLocale::setDefault(QLocale::c());
    }

    void englishHasNoTranslation()
    {
        QVERIFY(!translations::install(QLocale(QLocale::English, QLocale::UnitedStates)));
    }

    void germanCoversTheMainWindow()
    {
        Harness english;
        english.launch();
        const QStringList before = texts(english.ui().window);

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
        Harness german;
        german.launch();
        const QStringList after = texts(german.ui().window);
        QCOMPARE(after.size(), before.size());

        QStringList untranslated;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const QString text = before.at(i).section(QLatin1String(": "), 1);
            if (before.at(i) == after.at(i) && !sameInGerman(text))
                untranslated << before.at(i);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        QCOMPARE(german.ui().resizePhotosBtn->text(), QStringLiteral("Größe ändern…"));
    }

    // A button drawn as a picture says nothing to a screen reader unless it is named, and
    // must be reachable with Tab like any other button.
    void everyImageButtonIsNamedAndReachable()
    {
        Harness h;
        h.launch();
        EditorController editor(*h.delegate, &h.center);
        h.ui().rightDrawer->open();
        QStringList faults;
        int buttons = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            for (ImageButton *b : top->findChildren<ImageButton *>()) {
                ++buttons;
                const QString where = QString::fromLatin1(b->metaObject()->className()) + QLatin1Char('/') + b->objectName();
                if (b->accessibleName().isEmpty() && b->text().isEmpty())
                    faults << where + QLatin1String(" has no name");
                if (!(b->focusPolicy() & Qt::TabFocus))
                    faults << where + QLatin1String(" is not reachable by keyboard");
            }
        qInfo("%d picture buttons", buttons);
        QVERIFY(buttons > 10);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
