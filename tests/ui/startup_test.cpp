// Start-up and the dictionary chooser, on the real main window.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui_fixture.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

// A one-headword set whose headword names its stem, so a test can tell sets apart.
void writeNamedSet(const TempProgramDir& dir, const std::string& stem, const char* titleUtf8,
                   const char* directionUtf8, const char* labelUtf8) {
    writeTestSet(dir, stem, cp(titleUtf8), cp(directionUtf8), cp(labelUtf8),
                 {{"a", {"x"}}, {"a" + stem, {stem}}});
}

void writeThreeSets(const TempProgramDir& dir) {
    // File order differs from the title order on purpose.
    writeNamedSet(dir, "aaa", "Německo-český slovník", "Nj->Čj", "  Německé slovo:  ");
    writeNamedSet(dir, "bbb", "Česko-anglický slovník", "Čj->Aj", "  České slovo:  ");
    writeNamedSet(dir, "ccc", "Anglicko-český slovník", "Aj->Čj", "  Anglické slovo:  ");
}

QStringList chooserItems(Ui::TfrmMain& ui) {
    QStringList items;
    for (int i = 0; i < ui.ComboBoxSlovnik->count(); ++i) items << ui.ComboBoxSlovnik->itemText(i);
    return items;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void firstRunLoadsEnglishCzechOnTheDictionaryPage() {
        WindowFixture f;
        writeThreeSets(f.dir());
        f.start();
        QCOMPARE(f.window().windowTitle(), q("[Aj->Čj] Lexavo 6  (www.lexavo.example)"));
        QCOMPARE(f.ui().labelSlovo->text(), q("  Anglické slovo:  "));
        QCOMPARE(f.ui().ComboBoxSlovnik->currentText(), q("Anglicko-český slovník"));
        QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pageSlovnik);
        QCOMPARE(f.state().store.headword(1), std::string_view("accc"));
        QVERIFY(!f.window().hadConfigFile());
    }

    void chooserIsSortedInCzechOrder() {
        WindowFixture f;
        writeThreeSets(f.dir());
        f.start();
        QCOMPARE(chooserItems(f.ui()),
                 (QStringList{q("Anglicko-český slovník"), q("Česko-anglický slovník"),
                              q("Německo-český slovník")}));
    }

    void nextAndPreviousStopAtTheEnds() {
        WindowFixture f;
        writeThreeSets(f.dir());
        f.start();
        f.window().chooser().Pedchozslovnk1Click();  // already first: nothing happens
        QCOMPARE(f.ui().ComboBoxSlovnik->currentIndex(), 0);
        f.window().chooser().Dalslovnk1Click();
        QCOMPARE(f.window().windowTitle(), q("[Čj->Aj] Lexavo 6  (www.lexavo.example)"));
        QCOMPARE(f.state().store.headword(1), std::string_view("abbb"));
        f.window().chooser().Dalslovnk1Click();
        QCOMPARE(f.ui().labelSlovo->text(), q("  Německé slovo:  "));
        f.window().chooser().Dalslovnk1Click();  // last: no wrap-around
        QCOMPARE(f.ui().ComboBoxSlovnik->currentIndex(), 2);
        QCOMPARE(f.state().store.headword(1), std::string_view("aaaa"));
        f.window().chooser().Pedchozslovnk1Click();
        QCOMPARE(f.state().store.headword(1), std::string_view("abbb"));
    }

    void choosingEmptiesTheWordField() {
        WindowFixture f;
        writeThreeSets(f.dir());
        f.start();
        f.ui().editSlovo->setText(QStringLiteral("xyz"));
        f.window().chooser().Dalslovnk1Click();
        QCOMPARE(f.ui().editSlovo->text(), QString());
    }

    void sameTitleTwiceLoadsTheFirstSet() {
        WindowFixture f;
        writeNamedSet(f.dir(), "first", "Anglicko-český slovník", "Aj->Čj", "  A:  ");
        writeNamedSet(f.dir(), "second", "Anglicko-český slovník", "Aj->Čj", "  B:  ");
        f.start();
        QCOMPARE(f.ui().ComboBoxSlovnik->count(), 2);
        QCOMPARE(f.state().store.headword(1), std::string_view("afirst"));
        f.ui().ComboBoxSlovnik->setCurrentIndex(1);
        f.window().chooser().ComboBoxSlovnikChange();
        QCOMPARE(f.state().store.headword(1), std::string_view("afirst"));
    }

    void typingATitleLoadsItOnlyWhenComplete() {
        WindowFixture f;
        writeThreeSets(f.dir());
        f.start();
        QLineEdit* edit = f.ui().ComboBoxSlovnik->lineEdit();
        edit->selectAll();
        typeText(edit, q("Německo-český slov"));
        QCOMPARE(f.state().store.headword(1), std::string_view("accc"));  // partial: nothing
        typeText(edit, q("ník"));
        QCOMPARE(f.state().store.headword(1), std::string_view("aaaa"));
        QCOMPARE(f.window().windowTitle(), q("[Nj->Čj] Lexavo 6  (www.lexavo.example)"));
    }

    void enterInTheChooserAddsNoItem() {
        WindowFixture f;
        writeThreeSets(f.dir());
        f.start();
        QLineEdit* edit = f.ui().ComboBoxSlovnik->lineEdit();
        edit->selectAll();
        typeText(edit, q("Moje slova"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(chooserItems(f.ui()).size(), 3);
        QVERIFY(!chooserItems(f.ui()).contains(q("Moje slova")));
        // Nor does Enter pick a title that differs in case only.
        edit->selectAll();
        typeText(edit, q("německo-český slovník"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(f.state().store.headword(1), std::string_view("accc"));
    }

    void missingWantedDictionaryLoadsNothing() {
        WindowFixture f;
        writeNamedSet(f.dir(), "nem", "Německo-český slovník", "Nj->Čj", "  Německé slovo:  ");
        writeNamedSet(f.dir(), "cze", "Česko-anglický slovník", "Čj->Aj", "  České slovo:  ");
        f.start();  // no lexavo.ini: wants "Anglicko-český slovník", which is not installed
        QCOMPARE(f.state().store.headwordCount(), 0u);
        QCOMPARE(f.window().windowTitle(), q("[Aj->Čj] Lexavo 6  (www.lexavo.example)"));
        QCOMPARE(f.ui().labelSlovo->text(), q("  Anglické slovo:  "));
        // The chooser shows the title of the last dictionary read ("nem.nfo").
        QCOMPARE(f.ui().ComboBoxSlovnik->currentText(), q("Německo-český slovník"));
        f.ui().ComboBoxSlovnik->setCurrentIndex(0);
        f.window().chooser().ComboBoxSlovnikChange();
        QCOMPARE(f.state().store.headword(1), std::string_view("acze"));
    }

    void noDictionaryAtAll() {
        WindowFixture f;
        f.start();
        QCOMPARE(f.ui().ComboBoxSlovnik->count(), 0);
        QCOMPARE(f.ui().ComboBoxSlovnik->currentText(), q("Název slovníku"));
        f.window().chooser().Dalslovnk1Click();
        f.window().chooser().Pedchozslovnk1Click();
        QCOMPARE(f.state().store.headwordCount(), 0u);
    }
};

LEXAVO_UI_TEST(StartupTest)
#include "startup_test.moc"
