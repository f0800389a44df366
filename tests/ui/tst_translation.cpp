// SPDX-License-Identifier: GPL-3.0-or-later
// The German translation is chosen by a German locale and covers every text of the
// main window and the windows it owns: walked widget by widget against the English
// window, no text may stay English, and none is cut off. Picture buttons are named and
// reachable by keyboard.
#include "AppDelegateHarness.h"

#include "app/Translations.h"
#include "editor/ChangeDateWindow.h"
#include "editor/ChangeGPSWindow.h"
#include "editor/ChangeMutiDateWindow.h"
#include "editor/EditViewWindow.h"
#include "editor/EditorController.h"
#include "editor/GpsTemplateController.h"
#include "windows/Drawer.h"
#include "windows/PreferenceWindow.h"
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

    // In German, the longer language, no label or button of the main window, the editor,
    // its date, GPS and edit windows and the preferences cuts its text: each fits, wraps,
    // or is elided with a tooltip.
    void germanTextsAreNotClipped()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
        Harness h;
        h.launch();
        EditorController editor(*h.delegate, &h.center);
        h.ui().rightDrawer->open();
        h.ui().preferenceWindow->show();
        const QList<QWidget *> windows{editor.changeDateWindow(), editor.changeMutiDateWindow(),
                                       editor.gpsTemplates()->changeGPSWindow(), editor.gpsTemplates()->editViewWindow()};
        for (QWidget *window : windows) {
            window->adjustSize(); // as the editor shows them
            window->show();
        }
        QTest::qWait(200);
        QStringList clipped;
        int checked = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            for (QWidget *w : top->findChildren<QWidget *>()) {
                if (!w->isVisible())
                    continue;
                QString text;
                int room = 0;
                if (auto *label = qobject_cast<QLabel *>(w)) {
                    if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().contains(QLatin1Char('<')))
                        continue;
                    text = label->text();
                    room = label->contentsRect().width() - 2 * label->margin() - label->indent();
                } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                    // A button fits its text when the layout gives it the width it asks for.
                    text = button->text();
                    checked += !text.isEmpty();
                    if (!text.isEmpty() && button->width() < button->sizeHint().width())
                        clipped << QStringLiteral("%1/%2: %3 (%4 < %5)")
                                       .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text)
                                       .arg(button->width())
                                       .arg(button->sizeHint().width());
                    continue;
                }
                if (text.isEmpty() || text.contains(QLatin1Char('\n')))
                    continue;
                ++checked;
                if (w->fontMetrics().horizontalAdvance(text) > room)
                    clipped << QStringLiteral("%1/%2: %3 (%4 > %5)")
                                   .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text)
                                   .arg(w->fontMetrics().horizontalAdvance(text))
                                   .arg(room);
            }
        }
        qInfo("%d texts checked", checked);
        QVERIFY(checked > 20);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
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
