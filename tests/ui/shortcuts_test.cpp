// The keys of the command table, pressed into the real window.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui_fixture.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

// Closes every modal window that a command opens, so that a key test never waits
// on a dialog.
class ModalCloser {
  public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        timer_.start(20);
    }

  private:
    QTimer timer_;
};

std::vector<QAction*> allMenuActions(QMenuBar* bar) {
    std::vector<QAction*> out;
    std::function<void(QMenu*)> walk = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (!a->isSeparator())
                out.push_back(a);
        }
    };
    for (QAction* top : bar->actions()) {
        if (top->menu()) walk(top->menu());
    }
    return out;
}

}  // namespace

class ShortcutsTest : public QObject {
    Q_OBJECT
  private slots:
    void keyRunsTheFirstEnabledItemInMenuOrder_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("expected");  // empty: no item runs
        const auto row = [](const char* name, const char* key, const char* action) {
            QTest::newRow(name) << QKeySequence(QString::fromLatin1(key))
                                << QString::fromLatin1(action);
        };
        row("F2 dictionary page", "F2", "Zobrazitslovnk1");
        row("F7 translate word", "F7", "Peloitslovo1");
        row("F9 next dictionary", "F9", "Dalslovnk1");
        row("F10 previous, not the end", "F10", "Pedchozslovnk1");
        row("F3 hidden translator item", "F3", "Zobrazitpeklada1");
        row("F8 hidden translate text", "F8", "Peloittext1");
        row("Ctrl+F3 English", "Ctrl+F3", "mnuDoAng");
        row("Ctrl+F4 disabled German", "Ctrl+F4", "");
        row("Ctrl+T open foreign text", "Ctrl+T", "Otevtanglicknmecktext1");
        row("Ctrl+U open Czech text, not u-umlaut", "Ctrl+U", "Otevtesktext1");
        row("Ctrl+B save foreign text, not sharp s", "Ctrl+B", "Uloitcizojazyntext1");
        row("Ctrl+D save Czech text", "Ctrl+D", "Uloitesktext1");
        row("F6 assistant", "F6", "Spustitpekladovhopomocnka1");
        row("F4 notes", "F4", "Zobrazitpoznmkovblok1");
        row("F5 history", "F5", "Seznamnaposledyhledanchvraz1");
        row("Ctrl+A a-umlaut", "Ctrl+A", "Pehlasovana1");
        row("Ctrl+E e-umlaut", "Ctrl+E", "Pehlasovane1");
        row("Ctrl+O o-umlaut", "Ctrl+O", "Pehlasovano1");
        row("F1 hidden item without a command", "F1", "Jakpouvatprogram1");
        row("Shift+F1 about", "Shift+F1", "Oprogramu1");
        row("Ctrl+F1 contact", "Ctrl+F1", "Kontaktnavrobce1");
    }
    void keyRunsTheFirstEnabledItemInMenuOrder() {
        QFETCH(QKeySequence, key);
        QFETCH(QString, expected);
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        ModalCloser closer;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const auto actions = allMenuActions(f.ui().menuBar);
        for (QAction* a : actions)
            spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
        // The key goes to whatever has the focus; the menu takes it first.
        f.ui().editSlovo->setFocus();
        const QKeyCombination combo = key[0];
        QTest::keyClick(f.ui().editSlovo, combo.key(), combo.keyboardModifiers());
        QStringList fired;
        for (size_t i = 0; i < actions.size(); ++i) {
            if (spies[i]->count() > 0) fired << actions[i]->objectName();
        }
        QCOMPARE(fired, expected.isEmpty() ? QStringList{} : QStringList{expected});
    }

    void menuKeysComeBeforeTheWordField() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        f.ui().editSlovo->setText(QStringLiteral("gro"));
        f.ui().editSlovo->setFocus();
        QTest::keyClick(f.ui().editSlovo, Qt::Key_A, Qt::ControlModifier);  // not "select all"
        QCOMPARE(f.ui().editSlovo->text(), q("groä"));
        QTest::keyClick(f.ui().editSlovo, Qt::Key_F10);  // "Předchozí slovník", not the end
        QVERIFY(f.window().isVisible());
    }

    void hiddenItemsStayHiddenButWork() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        QVERIFY(!f.ui().Peklada1->menuAction()->isVisible());
        QVERIFY(!f.ui().btnRezimyPrekladac->isVisible());
        QTest::keyClick(&f.window(), Qt::Key_F3);
        QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pagePrekladac);
        QVERIFY(f.ui().btnRezimyPrekladac->isChecked());
        QVERIFY(f.ui().mnuPrekladac2->isChecked());
        QCOMPARE(f.ui().comboBoxJazyk->currentIndex(), 0);  // English chosen on the way
        QTest::keyClick(&f.window(), Qt::Key_F2);
        QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pageSlovnik);
        QVERIFY(f.ui().btnRezimySlovnik->isChecked());
        QVERIFY(f.ui().editSlovo->hasFocus());
    }

    void menuShowsTheKeys() {
        WindowFixture f;
        f.start();
        QCOMPARE(f.ui().Konecprogramu1->shortcut(), QKeySequence(Qt::Key_F10));
        QCOMPARE(f.ui().OstrS1->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
        QVERIFY(!f.ui().mnuDoNem->isEnabled());
        QVERIFY(!f.ui().mnuDoNem->isVisible());
    }
};

LEXAVO_UI_TEST(ShortcutsTest)
#include "shortcuts_test.moc"
