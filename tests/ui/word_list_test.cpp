// The word list by keyboard and mouse: the current row follows into the word
// field, typing in the list continues the word, Enter and a double click open the
// entry, and the current row stays drawn selected without the focus.

#include <QtTest>

#include "dictionary_page_support.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

class WordListTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f_.reset(); }
    void arrowsMoveTheRowIntoTheField();
    void backspaceAndLettersContinueInTheField();
    void enterAndDoubleClickOpenTheEntry();
    void enteringTheEmptyRowEmptiesTheField();
    void currentRowIsDrawnSelectedWithoutFocus();
    void columnSpansTheList();
    void homeAndEndMoveToTheFirstAndLastRow();
    void listKeepsItsWidthWhenTheWindowOrTheCountLineGrows();

  private:
    QTableView* list() { return f_->ui().stringGridSeznam; }
    QLineEdit* field() { return f_->ui().editSlovo; }
    // Another text in the field without the change handler, so that a copy of the
    // row into the field shows.
    void changeFieldQuietly() {
        const QSignalBlocker quiet(field());
        field()->setText(q("changed"));
    }
    std::unique_ptr<WindowFixture> f_;
};

void WordListTest::init() {
    f_ = std::make_unique<WindowFixture>();
    writeEnglishCzechSet(f_->dir());
    f_->start();
}

void WordListTest::homeAndEndMoveToTheFirstAndLastRow() {
    typeWord(*f_, q("a"));
    QTest::keyClick(field(), 'b');
    QTest::keyClick(field(), Qt::Key_Down);
    QCOMPARE(field()->text(), q("about"));
    QTest::keyClick(list(), Qt::Key_End);
    QCOMPARE(currentRow(*f_), 1);
    QCOMPARE(field()->text(), q("abbey"));
    QVERIFY(list()->hasFocus());
    QTest::keyClick(list(), Qt::Key_Home);
    QCOMPARE(currentRow(*f_), 0);
    QCOMPARE(field()->text(), q("about"));
    // Home on the first row copies the row again, as Up does there.
    changeFieldQuietly();
    QTest::keyClick(list(), Qt::Key_Home);
    QTRY_COMPARE(field()->text(), q("about"));
    QCOMPARE(listRows(*f_).size(), 2);
}

void WordListTest::listKeepsItsWidthWhenTheWindowOrTheCountLineGrows() {
    QWidget* panel = f_->ui().panelSeznam;
    const int width = panel->width();
    QCOMPARE(width, 140);
    f_->window().resize(1000, 600);
    QTRY_COMPARE(f_->ui().scrollPreklad->width() > 600, true);
    QCOMPARE(panel->width(), width);
    f_->window().resize(450, 300);
    QTRY_COMPARE(f_->ui().scrollPreklad->width() < 400, true);
    QCOMPARE(panel->width(), width);
    // A long word makes a long count line; the list stays as wide as it was.
    typeWord(*f_, QString(60, QLatin1Char('x')));
    QVERIFY(f_->ui().panelNalezeno->text().size() > 60);
    QTest::qWait(50);
    QCOMPARE(panel->width(), width);
}

void WordListTest::arrowsMoveTheRowIntoTheField() {
    typeWord(*f_, q("a"));
    QTest::keyClick(field(), 'b');
    QCOMPARE(listRows(*f_), (QStringList{q("about"), q("abbey")}));
    const QString count = f_->ui().panelNalezeno->text();
    QTest::keyClick(field(), Qt::Key_Down);
    QVERIFY(list()->hasFocus());
    QCOMPARE(field()->text(), q("about"));
    QCOMPARE(listRows(*f_).size(), 2);
    QCOMPARE(f_->ui().panelNalezeno->text(), count);

    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(currentRow(*f_), 1);
    QCOMPARE(field()->text(), q("abbey"));
    // Down on the last row: nothing moves, the poll copies the row again.
    changeFieldQuietly();
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(currentRow(*f_), 1);
    QTRY_COMPARE(field()->text(), q("abbey"));
    QTest::keyClick(list(), Qt::Key_Up);
    QCOMPARE(field()->text(), q("about"));
    QTest::keyClick(list(), Qt::Key_Up);
    QCOMPARE(currentRow(*f_), 0);
    QTRY_COMPARE(field()->text(), q("about"));
    // The list kept its rows throughout.
    QCOMPARE(listRows(*f_).size(), 2);
    // Up in the field enters the list as well.
    field()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(field(), Qt::Key_Up);
    QVERIFY(list()->hasFocus());
}

void WordListTest::backspaceAndLettersContinueInTheField() {
    typeWord(*f_, q("ho"));
    QTest::keyClick(field(), Qt::Key_Down);
    QCOMPARE(field()->text(), q("house"));
    QTest::keyClick(list(), Qt::Key_Backspace);
    QCOMPARE(field()->text(), q("hous"));
    QVERIFY(field()->hasFocus());
    QVERIFY(!field()->hasSelectedText());
    QCOMPARE(field()->cursorPosition(), 4);
    QCOMPARE(f_->ui().panelNalezeno->text(), q("hous: 1 slovo"));

    QTest::keyClick(field(), Qt::Key_Down);
    QTest::keyClick(list(), 'X');
    QCOMPARE(field()->text(), q("housex"));
    QVERIFY(field()->hasFocus());
    QCOMPARE(field()->cursorPosition(), 6);
    QCOMPARE(f_->ui().panelNalezeno->text(), q("housex: 0 slov"));
    // A key that types nothing leaves the field and the focus alone.
    QTest::keyClick(field(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Right);
    QVERIFY(list()->hasFocus());
    QCOMPARE(field()->text(), QString());
}

void WordListTest::enterAndDoubleClickOpenTheEntry() {
    typeWord(*f_, q("ab"));
    QTest::keyClick(field(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(historyLines(*f_).first(), q("\"Abbey\" (1 výrazů):"));
    QCOMPARE(f_->state().entryCanvas.canvasHeight(), 70);
    QVERIFY(field()->hasFocus());
    QCOMPARE(field()->selectedText(), q("abbey"));

    QTest::keyClick(field(), Qt::Key_Down);
    const QRect row = list()->visualRect(list()->model()->index(0, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(field()->text(), q("about"));
    // The second press of a double click and its release, as a real mouse gives them.
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(historyLines(*f_).at(4), q("\"About\" (2 výrazů):"));
    QCOMPARE(f_->state().entryCanvas.canvasHeight(), 90);
    QVERIFY(field()->hasFocus());
    // The release ends the double click: the word stays selected, and typing
    // replaces it.
    QCOMPARE(field()->selectedText(), q("about"));
    QTest::keyClick(field(), 'd');
    QCOMPARE(field()->text(), q("d"));
    typeWord(*f_, q("ab"));
    // Single clicks after it are clicks again.
    const QRect second = list()->visualRect(list()->model()->index(1, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(field()->text(), q("abbey"));
    // A click on the current row copies it again: its release is a click.
    changeFieldQuietly();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(field()->text(), q("abbey"));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(field()->text(), q("about"));
    // Below the last row a double click opens the current row as well.
    const QPoint below(row.center().x(), list()->viewport()->height() - 2);
    QVERIFY(!list()->indexAt(below).isValid());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(historyLines(*f_).at(9), q("\"About\" (2 výrazů):"));
    QCOMPARE(field()->selectedText(), q("about"));
}

void WordListTest::enteringTheEmptyRowEmptiesTheField() {
    typeWord(*f_, q("zz"));
    QCOMPARE(listRows(*f_), QStringList{QString()});
    QTest::keyClick(field(), Qt::Key_Down);
    QCOMPARE(field()->text(), QString());
    QCOMPARE(f_->ui().panelNalezeno->text(), q("zz: 0 slov"));
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(historyLines(*f_), (QStringList{QString(58, QLatin1Char('=')), QString()}));
    QCOMPARE(f_->state().entryCanvas.canvasHeight(), 20);
}

void WordListTest::currentRowIsDrawnSelectedWithoutFocus() {
    typeWord(*f_, q("ab"));
    list()->setFocus(Qt::OtherFocusReason);
    const QRect row = list()->visualRect(list()->model()->index(0, 0));
    const QPoint at(row.right() - 3, row.center().y());
    const QColor highlight = list()->palette().color(QPalette::Active, QPalette::Highlight);
    // The style may shade the selection a little; the background is far from it.
    auto near = [&](const QColor& c) {
        return std::abs(c.red() - highlight.red()) < 12 &&
               std::abs(c.green() - highlight.green()) < 12 &&
               std::abs(c.blue() - highlight.blue()) < 12;
    };
    QVERIFY(near(list()->viewport()->grab().toImage().pixelColor(at)));
    field()->setFocus(Qt::OtherFocusReason);
    QVERIFY(!list()->hasFocus());
    const QImage unfocused = list()->viewport()->grab().toImage();
    QVERIFY(near(unfocused.pixelColor(at)));
    // The second row is not selected.
    const QRect second = list()->visualRect(list()->model()->index(1, 0));
    QVERIFY(!near(unfocused.pixelColor(second.right() - 3, second.center().y())));
}

void WordListTest::columnSpansTheList() {
    f_->window().resize(900, 600);
    QTRY_COMPARE(list()->columnWidth(0), list()->width());
    f_->window().resize(700, 600);
    QTRY_COMPARE(list()->columnWidth(0), list()->width());
}

LEXAVO_UI_TEST(WordListTest)
#include "word_list_test.moc"
