// SPDX-License-Identifier: GPL-3.0-or-later
// The German translation is chosen by a German locale and covers every text of the
// main window and the windows it owns: walked widget by widget against the English
// window, no text may stay English (tst_germanlayout checks none is cut off, under a
// real X server). The reasons the core gives
// reach the window translated too. Picture buttons are named and reachable by keyboard.
#include "CompressionHarness.h"

#include "app/Translations.h"
#include "editor/EditorController.h"
#include "windows/Drawer.h"
#include "windows/PreferenceWindow.h"
#include "widgets/ImageButton.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ResultTableModel.h"
#include "widgets/ResultTableView.h"
#include "widgets/FramelessWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include <cstdio>

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

    // Every picture a window asks for is in the resources.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^missing artwork"))); }

    void cleanup()
    {
        translations::remove();
        QLocale::setDefault(QLocale::c());
    }

    void germanCoversTheMainWindow()
    {
        // English is the texts as written: nothing to install for it.
        QVERIFY(!translations::install(QLocale(QLocale::English, QLocale::UnitedStates)));
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

    // A reason the core gives for a photo it left out reaches the result table in German:
    // the compression job runs for real on a folder holding one broken file.
    void coreReasonsReachTheTableInGerman_data()
    {
        QTest::addColumn<QByteArray>("fileName"); // bytes, as the file system holds them
        QTest::addColumn<bool>("cutShort");
        QTest::addColumn<int>("state"); // ResultTableModel::RowState
        QTest::addColumn<QString>("reason");
        QTest::newRow("JPEG cut short") << QByteArray("cut.jpg") << true << int(ResultTableModel::RowState::Skipped)
                                        << QStringLiteral("die Bilddaten sind unvollständig (Datei abgeschnitten)");
        QTest::newRow("name not UTF-8") << QByteArray("bad\xff.jpg") << false << int(ResultTableModel::RowState::Failed)
                                        << QStringLiteral("der Dateiname ist kein gültiges UTF-8; benennen Sie die "
                                                          "Datei um, um sie zu komprimieren");
    }
    void coreReasonsReachTheTableInGerman()
    {
        QFETCH(QByteArray, fileName);
        QFETCH(bool, cutShort);
        QFETCH(int, state);
        QFETCH(QString, reason);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
        Harness h;
        h.launch(Harness::KeepingOriginals);

        const QString folder = h.dir.filePath(QStringLiteral("broken"));
        QDir().mkpath(folder);
        QFile whole(testsupport::makeJpeg(h.dir.filePath(QStringLiteral("whole.jpg")), 320, 240));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QByteArray bytes = whole.readAll();
        if (cutShort)
            bytes.truncate(bytes.size() / 2);
        // Written and removed by its bytes: a name that is not UTF-8 has no QString that
        // gives it back, so the temporary folder could not remove it either.
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/')) + fileName;
        const auto removeFile = qScopeGuard([&path] { std::remove(path.constData()); });
        std::FILE *file = std::fopen(path.constData(), "wb");
        QVERIFY(file);
        QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file), size_t(bytes.size()));
        std::fclose(file);

        QVERIFY(h.dropAndWait({folder}));
        const ResultTableModel *model = h.delegate->resultTableModel();
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(int(model->row(0).state), state);
        QCOMPARE(model->row(0).reason, reason);
        ResultNameCell *cell = nullptr;
        QTRY_VERIFY((cell = qobject_cast<ResultNameCell *>(h.ui().theTableview->viewAtRow(0))));
        QCOMPARE(cell->reasonlab()->toolTip(), reason);
    }

    // A button drawn as a picture says nothing to a screen reader unless it is named, and
    // must be reachable with Tab like any other button.
    void everyImageButtonIsNamedAndReachable()
    {
        Harness h;
        h.launch();
        EditorController editor(*h.delegate);
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
