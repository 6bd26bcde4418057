// The entry taken away: copied as text, zoomed and kept at its zoom, and read by a
// screen reader through Qt's accessibility interface.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "dictionary_page_support.h"
#include "entry/entry_pane.h"
#include "entry/entry_view.h"
#include "ui_fixture.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

QAction* menuItem(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions()) {
        if (a->text() == caption) return a;
    }
    return nullptr;
}

void lookUp(WindowFixture& f, const QString& word) {
    typeWord(f, word);
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
}

}  // namespace

class EntryCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void copiesTheEntryAsText() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        QApplication::clipboard()->clear();
        lookUp(f, QStringLiteral("house"));
        QAction* copy = menuItem(f.ui().Slovnk1, q("Kopírovat heslo"));
        QVERIFY(copy != nullptr);
        QVERIFY(f.ui().ipaintPreklad->actions().contains(copy));  // the context menu
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), q("House\n1) dům\n2) ubytovat"));
        // Ctrl+C once F12 has given the entry the keyboard.
        lookUp(f, QStringLiteral("xq"));
        QTest::keyClick(f.ui().editSlovo, Qt::Key_F12);
        QVERIFY(f.ui().ipaintPreklad->hasFocus());
        QTest::keyClick(f.ui().ipaintPreklad, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 q("Pro výraz \"xq\" nebyl nalezen žádný význam."));
        QTest::keyClick(f.ui().ipaintPreklad, Qt::Key_Escape);
        QVERIFY(f.ui().editSlovo->hasFocus());
    }

    void zoomStepsAreKeptBetweenRuns() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        lookUp(f, QStringLiteral("house"));
        const int height = f.ui().ipaintPreklad->height();
        QAction* in = menuItem(f.ui().Zobrazit1, q("Zvětšit heslo"));
        QAction* out = menuItem(f.ui().Zobrazit1, q("Zmenšit heslo"));
        QAction* reset = menuItem(f.ui().Zobrazit1, q("Původní velikost hesla"));
        QVERIFY(in && out && reset);
        for (int i = 0; i < 20; ++i) in->trigger();
        QCOMPARE(f.window().dictionaryPage().entryPane().zoom(), EntryPane::kMaxZoom);
        QCOMPARE(f.ui().ipaintPreklad->height(), height * 3);
        for (int i = 0; i < 20; ++i) out->trigger();
        QCOMPARE(f.window().dictionaryPage().entryPane().zoom(), EntryPane::kMinZoom);
        reset->trigger();
        QCOMPARE(f.ui().ipaintPreklad->height(), height);
        in->trigger();
        const int kept = f.window().dictionaryPage().entryPane().zoom();
        QVERIFY(kept > 100);
        f.stop();
        f.start();
        QCOMPARE(f.window().dictionaryPage().entryPane().zoom(), kept);
        QVERIFY(!f.dir().readFile("zobrazeni.ini").empty());
    }

    // The new commands and their keys; no key of the menu serves two items.
    void newKeysCollideWithNone() {
        WindowFixture f;
        f.start();
        const struct {
            QMenu* menu;
            const char* caption;
            QKeySequence key;
        } added[] = {
            {f.ui().Slovnk1, "Kopírovat heslo", QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
            {f.ui().Slovnk1, "Vyslovit", QKeySequence(Qt::Key_F11)},
            {f.ui().Slovnk1, "Přejít na heslo", QKeySequence(Qt::Key_F12)},
            {f.ui().Zobrazit1, "Zvětšit heslo", QKeySequence(QKeySequence::ZoomIn)},
            {f.ui().Zobrazit1, "Zmenšit heslo", QKeySequence(QKeySequence::ZoomOut)},
            {f.ui().Zobrazit1, "Původní velikost hesla", QKeySequence(QStringLiteral("Ctrl+0"))},
        };
        for (const auto& a : added) {
            QAction* item = menuItem(a.menu, q(a.caption));
            QVERIFY2(item != nullptr, a.caption);
            QCOMPARE(item->shortcut(), a.key);
        }
        QList<QKeySequence> seen;
        for (QAction* top : f.ui().menuBar->actions()) {
            if (top->menu() == nullptr) continue;
            const QList<QAction*> items = top->menu()->actions();
            for (QAction* item : items) {
                QList<QAction*> nested =
                    item->menu() ? item->menu()->actions() : QList<QAction*>{item};
                for (QAction* a : nested) {
                    for (const QKeySequence& key : a->shortcuts()) {
                        // The Parts give "Ctrl+B" and "Ctrl+U" to two items each
                        // themselves: the menu's own order decides those.
                        if (key == QKeySequence(QStringLiteral("Ctrl+B")) ||
                            key == QKeySequence(QStringLiteral("Ctrl+U")) ||
                            key == QKeySequence(Qt::Key_F10)) {
                            continue;
                        }
                        QVERIFY2(!seen.contains(key),
                                 qPrintable(key.toString() + QLatin1Char(' ') + a->text()));
                        seen << key;
                    }
                }
            }
        }
    }

    // What a screen reader reads: the entry's text, new with every entry.
    void screenReadersReadTheEntry() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(f.ui().ipaintPreklad);
        QVERIFY(entry != nullptr && entry->textInterface() != nullptr);
        lookUp(f, QStringLiteral("house"));
        QAccessibleTextInterface* text = entry->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), q("House\n1) dům\n2) ubytovat"));
        QCOMPARE(entry->text(QAccessible::Name), q("House"));
        lookUp(f, QStringLiteral("dog"));
        QVERIFY(text->text(0, -1).startsWith(q("Dog\n1) pes")));
        QVERIFY(!text->text(0, -1).contains(q("House")));
    }
};

LEXAVO_UI_TEST(EntryCommandsTest)
#include "entry_commands_test.moc"
