// The dictionary page in the real main window: typing and the count line, the
// German pairs, the translate command with its history block, the missing entry
// file and the lookup of headwords stored with capitals.

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>

#include "dictionary_page_support.h"
#include "lookup/suggestion_line.h"
#include "ui_test_main.h"
#include "widgets/qt_text.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

// First letters a, č, Č and l start at the slots of the x-words (their second byte).
void writeCountSet(const TempProgramDir& dir) {
    std::vector<TestEntry> entries = {
        {"xa", {"x"}}, {cp("xč"), {"x"}}, {cp("xČ"), {"x"}}, {"xl", {"x"}}};
    for (int i = 1; i <= 3; ++i) entries.push_back({"ab" + std::to_string(i), {"b"}});
    for (int i = 1; i <= 5; ++i) entries.push_back({"ac" + std::to_string(i), {"c"}});
    for (int i = 1; i <= 2; ++i) entries.push_back({"ae" + std::to_string(i), {"e"}});
    entries.push_back({"ad", {"d"}});
    entries.push_back({"Abx", {"x"}});
    entries.push_back({cp("česky"), {"x"}});
    entries.push_back({cp("Česko"), {"x"}});
    entries.push_back({"London", {cp("Londýn")}});
    writeTestSet(dir, "angcze", kTitleEnglishCzech, cp("Aj->Čj"), "x", entries);
}

// The history block of the test set's "house": heading, two meanings, rule, blank.
QStringList houseHistoryBlock() {
    return {q("\"House\" (2 výrazů):"), q(" - dům"), q(" - ubytovat"),
            QString(58, QLatin1Char('=')), QString()};
}

}  // namespace

class DictionaryPageTest : public QObject {
    Q_OBJECT
  private slots:
    void countLine_data();
    void countLine();
    void foldsAsciiOnlyAndKeepsTheTypedText();
    void germanPairsShowOneRow();
    void enterWithOneLetterListsItsWords();
    void enterShowsTheEntryAndWritesTheHistory();
    void enterWithoutMatchDrawsTheMessage();
    void emptyFieldDoesNothing();
    void capitalHeadwordIsFoundByItsFoldedText();
    void inflectedWordShowsItsBaseForm();
    void missingEntryFileIsReported();
    void wordFieldSelectsItsTextOnFocusByCode();
    void largeListAppearsWhole();
    void suggestionsOpenLikeTheTranslateCommand();
};

// "hous" has no entry: "house" is offered above the entry pane, a click on it opens
// it as Enter would, the line goes with a word that is found, and Tab then Enter
// reach a suggestion from the word field.
void DictionaryPageTest::suggestionsOpenLikeTheTranslateCommand() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    SuggestionLine* line = f.window().dictionaryPage().suggestions();
    QVERIFY(line != nullptr && !line->line()->isVisible());
    typeWord(f, q("hous"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QVERIFY(line->line()->isVisible());
    QCOMPARE(line->links().front()->text(), q("house"));
    QVERIFY(historyLines(f).isEmpty());
    QTest::mouseClick(line->links().front(), Qt::LeftButton);
    QCOMPARE(f.ui().editSlovo->text(), q("house"));
    QCOMPARE(historyLines(f).value(0), q("\"House\" (2 výrazů):"));
    QVERIFY(!line->line()->isVisible());
    // Tab from the word field to the first suggestion, Enter opens it.
    typeWord(f, q("dgo"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(line->links().front()->text(), q("dog"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Tab);
    QVERIFY(line->links().front()->hasFocus());
    QTest::keyClick(line->links().front(), Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("dog"));
    QVERIFY(!line->line()->isVisible());
}

void DictionaryPageTest::countLine_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("rows");
    QTest::newRow("empty") << QString() << q("Lexavo 6") << 1;
    QTest::newRow("one character") << q("a") << q("VŠECHNA SLOVA: ENTER") << 1;
    QTest::newRow("0") << q("aq") << q("aq: 0 slov") << 1;
    QTest::newRow("1") << q("ad") << q("ad: 1 slovo") << 1;
    QTest::newRow("2") << q("ae") << q("ae: 2 slova") << 2;
    QTest::newRow("4") << q("ab") << q("ab: 4 slova") << 4;
    QTest::newRow("5") << q("ac") << q("ac: 5 slov") << 5;
}

void DictionaryPageTest::countLine() {
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(int, rows);
    WindowFixture f;
    writeCountSet(f.dir());
    f.start();
    // After start-up the list holds the a-words.
    QVERIFY(f.ui().panelNalezeno->text().startsWith(q("a: ")));
    typeWord(f, q("ab"));
    typeWord(f, typed);
    QCOMPARE(f.ui().panelNalezeno->text(), line);
    QCOMPARE(listRows(f).size(), rows);
    if (rows == 1 && !line.contains(q("slovo"))) QCOMPARE(listRows(f).first(), QString());
}

void DictionaryPageTest::foldsAsciiOnlyAndKeepsTheTypedText() {
    WindowFixture f;
    writeCountSet(f.dir());
    f.start();
    typeWord(f, q("AB"));
    QCOMPARE(f.ui().editSlovo->text(), q("AB"));
    QCOMPARE(f.ui().panelNalezeno->text(), q("ab: 4 slova"));
    QCOMPARE(listRows(f), (QStringList{q("ab1"), q("ab2"), q("ab3"), q("Abx")}));
    typeWord(f, q("ab1"));
    QCOMPARE(f.ui().panelNalezeno->text(), q("ab1: 1 slovo"));
    typeWord(f, q("ab"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Backspace);
    QCOMPARE(f.ui().panelNalezeno->text(), q("VŠECHNA SLOVA: ENTER"));

    typeWord(f, q("Čes"));
    QCOMPARE(listRows(f), QStringList{q("Česko")});
    QCOMPARE(f.ui().panelNalezeno->text(), q("Čes: 1 slovo"));
    typeWord(f, q("čes"));
    QCOMPARE(listRows(f), QStringList{q("česky")});
    typeWord(f, q("aB"));
    QTest::keyClicks(f.ui().editSlovo, q("x"));
    QCOMPARE(f.ui().panelNalezeno->text(), q("abx: 1 slovo"));
}

void DictionaryPageTest::germanPairsShowOneRow() {
    WindowFixture f;
    writeCountSet(f.dir());
    writeTestSet(f.dir(), "nemcze", kTitleGermanCzech, cp("Nj->Čj"), "x",
                 {{"xa", {"x"}},
                  {"xh", {"x"}},
                  {"xb", {"x"}},
                  {"xu", {"x"}},
                  {"Haus", {cp("dům")}},
                  {"Haus das", {cp("dům")}},
                  {"Bank", {"banka"}},
                  {"Bank", {cp("lavička")}},
                  {"Hund der", {"pes"}},
                  {"Hund", {"pes"}}});
    f.start();
    f.ui().ComboBoxSlovnik->setCurrentText(fromCp1250(kTitleGermanCzech));
    f.window().chooser().ComboBoxSlovnikChange();
    QVERIFY(f.ui().panelNalezeno->text().startsWith(q("a: ")));
    typeWord(f, q("ha"));
    QCOMPARE(listRows(f), QStringList{q("Haus das")});
    QCOMPARE(f.ui().panelNalezeno->text(), q("ha: 1 slovo"));
    QCOMPARE(f.state().prefixSearch.foundSlot(), 5);
    typeWord(f, q("ba"));
    QCOMPARE(listRows(f), QStringList{q("Bank")});
    // The article first: both rows stay.
    typeWord(f, q("hu"));
    QCOMPARE(listRows(f), (QStringList{q("Hund der"), q("Hund")}));
    QCOMPARE(f.ui().panelNalezeno->text(), q("hu: 2 slova"));
}

void DictionaryPageTest::enterWithOneLetterListsItsWords() {
    WindowFixture f;
    writeCountSet(f.dir());
    f.start();
    const int heightBefore = f.state().entryCanvas.canvasHeight();
    typeWord(f, q("A"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("a"));
    QCOMPARE(f.ui().panelNalezeno->text(), q("a: 12 slov"));
    QCOMPARE(listRows(f).first(), q("ab1"));
    QCOMPARE(listRows(f).last(), q("Abx"));
    QCOMPARE(f.state().entryCanvas.canvasHeight(), heightBefore);
    QVERIFY(historyLines(f).isEmpty());
}

void DictionaryPageTest::enterShowsTheEntryAndWritesTheHistory() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    typeWord(f, q("House"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("house"));
    QCOMPARE(listRows(f), QStringList{q("house")});
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 90);
    QCOMPARE(f.state().inputWord.view(), std::string_view("House"));
    QCOMPARE(f.state().prefixSearch.foundSlot(), 9);
    QCOMPARE(f.ui().pageControlHledane->currentWidget(), f.ui().tabHledaneDnes);
    QCOMPARE(historyLines(f), houseHistoryBlock());
    // The focus stays in the word field, nothing selected after Enter.
    QVERIFY(f.ui().editSlovo->hasFocus());
    QVERIFY(!f.ui().editSlovo->hasSelectedText());

    // The button: the next block follows, the field's text becomes selected.
    f.ui().btnPrelozit->setFocus();
    typeWord(f, q("dog"));
    f.ui().btnPrelozit->setFocus();
    f.ui().btnPrelozit->click();
    QCOMPARE(historyLines(f).size(), 9);
    QCOMPARE(historyLines(f).at(5), q("\"Dog\" (1 výrazů):"));
    QVERIFY(f.ui().editSlovo->hasFocus());
    QCOMPARE(f.ui().editSlovo->selectedText(), q("dog"));
    // The menu item runs the same command.
    f.ui().Peloitslovo1->trigger();
    QCOMPARE(historyLines(f).size(), 13);
}

void DictionaryPageTest::enterWithoutMatchDrawsTheMessage() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    typeWord(f, q("Xq"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("xq"));
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 40);
    QCOMPARE(f.state().prefixSearch.foundSlot(), -1);
    QVERIFY(historyLines(f).isEmpty());
    // "hous" begins a headword but equals none.
    typeWord(f, q("hous"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 40);
    QVERIFY(historyLines(f).isEmpty());
}

void DictionaryPageTest::emptyFieldDoesNothing() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    typeWord(f, q("dog"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 70);
    f.ui().editSlovo->clear();
    f.ui().btnPrelozit->setFocus();
    f.window().dictionaryPage().btnPrelozitClick();
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 70);
    QVERIFY(f.ui().btnPrelozit->hasFocus());
    QCOMPARE(historyLines(f).size(), 4);
}

void DictionaryPageTest::capitalHeadwordIsFoundByItsFoldedText() {
    WindowFixture f;
    writeCountSet(f.dir());
    f.start();
    typeWord(f, q("london"));
    QCOMPARE(listRows(f), QStringList{q("London")});
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("London"));
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 70);
    QCOMPARE(historyLines(f).first(), q("\"London\" (1 výrazů):"));
    QCOMPARE(historyLines(f).at(1), q(" - Londýn"));
    // The list was not refiltered by showing the stored text.
    QCOMPARE(listRows(f), QStringList{q("London")});
    // Typed with capitals, the text is folded first and found the same way.
    typeWord(f, q("LONDON"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(historyLines(f).size(), 8);
    // Neither exact nor folded: the message.
    typeWord(f, q("londonx"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 40);
    QCOMPARE(historyLines(f).size(), 8);
}

void DictionaryPageTest::inflectedWordShowsItsBaseForm() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    // "Houses" is no headword: its base form's entry is shown as if "house" had been
    // chosen in the word list, the field showing the base form.
    typeWord(f, q("Houses"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("house"));
    QCOMPARE(listRows(f), QStringList{q("house")});
    QCOMPARE(currentRow(f), 0);
    QCOMPARE(f.state().prefixSearch.foundSlot(), 9);
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 90);
    QCOMPARE(historyLines(f), houseHistoryBlock());
    QVERIFY(f.ui().editSlovo->hasFocus());
    // An irregular form from the table.
    typeWord(f, q("dogs"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.ui().editSlovo->text(), q("dog"));
    QCOMPARE(historyLines(f).at(5), q("\"Dog\" (1 výrazů):"));
    // No base form that is a headword: the message, and no history block.
    typeWord(f, q("housez"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 40);
    QCOMPARE(f.state().prefixSearch.foundSlot(), -1);
    QCOMPARE(historyLines(f).size(), 9);
}

void DictionaryPageTest::missingEntryFileIsReported() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    typeWord(f, q("dog"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(historyLines(f).size(), 4);
    std::filesystem::remove(f.dir().file("angcze.dt2"));
    f.state().entryReader.settleFileWatch();

    QString text;
    QString caption;
    int boxes = 0;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box != nullptr);
        ++boxes;
        text = box->text();
        caption = box->windowTitle();
        QCOMPARE(box->buttons().size(), 1);
        box->accept();
    });
    typeWord(f, q("house"));
    QTest::keyClick(f.ui().editSlovo, Qt::Key_Return);
    QCOMPARE(boxes, 1);
    QCOMPARE(text, q("Soubor se slovníkem nebyl nalezen!"));
    QCOMPARE(caption, q("Chyba..."));
    // The cleared picture stays; the history is unchanged.
    QCOMPARE(f.state().entryCanvas.canvasHeight(), 20);
    QCOMPARE(historyLines(f).size(), 4);
}

void DictionaryPageTest::wordFieldSelectsItsTextOnFocusByCode() {
    WindowFixture f;
    writeEnglishCzechSet(f.dir());
    f.start();
    typeWord(f, q("dog"));
    f.ui().btnPrelozit->setFocus(Qt::OtherFocusReason);
    f.ui().editSlovo->setFocus(Qt::OtherFocusReason);
    QCOMPARE(f.ui().editSlovo->selectedText(), q("dog"));
    f.ui().btnPrelozit->setFocus(Qt::OtherFocusReason);
    f.ui().editSlovo->setFocus(Qt::MouseFocusReason);
    QVERIFY(!f.ui().editSlovo->hasSelectedText());
    // The focus coming back when a menu closes or the window is active again is no
    // change between controls: the caret stays and typing goes on after the text.
    for (Qt::FocusReason back : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        f.ui().editSlovo->clearFocus();
        f.ui().editSlovo->setFocus(back);
        QVERIFY(!f.ui().editSlovo->hasSelectedText());
    }
    f.ui().editSlovo->end(false);
    QTest::keyClicks(f.ui().editSlovo, q("gy"));
    QCOMPARE(f.ui().editSlovo->text(), q("doggy"));
    f.ui().btnPrelozit->setFocus(Qt::TabFocusReason);
    f.ui().editSlovo->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.ui().editSlovo->selectedText(), q("doggy"));
}

void DictionaryPageTest::largeListAppearsWhole() {
    WindowFixture f;
    std::vector<TestEntry> entries;
    entries.push_back({"xa", {"x"}});
    for (int i = 0; i < 100000; ++i) entries.push_back({"a" + std::to_string(i), {}});
    writeTestSet(f.dir(), "angcze", kTitleEnglishCzech, cp("Aj->Čj"), "x", entries);
    f.start();
    QCOMPARE(f.ui().stringGridSeznam->model()->rowCount(), 100000);
    QCOMPARE(f.ui().panelNalezeno->text(), q("a: 100000 slov"));
    QCOMPARE(f.ui().stringGridSeznam->model()->index(99999, 0).data().toString(), q("a99999"));
    QCOMPARE(currentRow(f), 0);
}

LEXAVO_UI_TEST(DictionaryPageTest)
#include "dictionary_page_test.moc"
