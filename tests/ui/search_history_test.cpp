// Saving the search history as a code page 1250 text file with CR LF, and
// printing it to a PDF printer.

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "dictionary_page_support.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

class SearchHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f_.reset(); }
    void savesTheLinesWithCrLfInCodePage1250();
    void savingAnEmptyHistoryWritesAnEmptyFile();
    void cancellingTheSaveWritesNothing();
    void printsTheHistoryToPdf();
    void ruleLinesStayWholeInANarrowWindow();

  private:
    void lookUp(const QString& word) {
        typeWord(*f_, word);
        QTest::keyClick(f_->ui().editSlovo, Qt::Key_Return);
    }
    // Saves through the dialog, answering it with path (or cancelling it).
    void save(const QString& path) {
        whenModal([path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog != nullptr);
            answerFileDialog(dialog, path);
        });
        f_->ui().ToolButton2->click();
    }
    std::unique_ptr<WindowFixture> f_;
};

void SearchHistoryTest::init() {
    f_ = std::make_unique<WindowFixture>();
    writeEnglishCzechSet(f_->dir());
    f_->start();
}

void SearchHistoryTest::savesTheLinesWithCrLfInCodePage1250() {
    lookUp(q("house"));
    lookUp(q("dog"));
    save(QString::fromStdString(f_->dir().file("saved.txt")));
    const std::string separator(58, '=');
    QCOMPARE(f_->dir().readFile("saved.txt"),
             cp("\"House\" (2 výrazů):\r\n - dům\r\n - ubytovat\r\n") + separator + "\r\n\r\n" +
                 cp("\"Dog\" (1 výrazů):\r\n - pes\r\n") + separator + "\r\n\r\n");
}

void SearchHistoryTest::ruleLinesStayWholeInANarrowWindow() {
    lookUp(q("house"));
    f_->window().resize(320, 300);
    f_->window().shell().btnRezimyHledaneClick();
    QPlainTextEdit* memo = f_->ui().editHledaneDnes;
    // Narrower than the rule line (the window scrolls what does not fit into it).
    const int rule = memo->fontMetrics().horizontalAdvance(QString(58, QLatin1Char('=')));
    QTRY_VERIFY(memo->viewport()->width() < rule);
    // Every history line is one line on screen, however narrow the memo, and both
    // scroll bars are there to reach the rest.
    const QTextDocument* doc = memo->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        QCOMPARE(b.layout()->lineCount() <= 1, true);
    }
    QVERIFY(memo->horizontalScrollBar()->isVisible());
    QVERIFY(memo->verticalScrollBar()->isVisible());
    QVERIFY(f_->ui().editHledaneMinule->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
}

void SearchHistoryTest::savingAnEmptyHistoryWritesAnEmptyFile() {
    save(QString::fromStdString(f_->dir().file("empty.txt")));
    QVERIFY(f_->dir().exists("empty.txt"));
    QCOMPARE(f_->dir().readFile("empty.txt"), std::string());
}

void SearchHistoryTest::cancellingTheSaveWritesNothing() {
    lookUp(q("dog"));
    save(QString());
    QVERIFY(!f_->dir().exists("saved.txt"));
    QCOMPARE(historyLines(*f_).size(), 4);
}

void SearchHistoryTest::printsTheHistoryToPdf() {
    lookUp(q("house"));
    lookUp(q("world"));
    const QString pdf = QString::fromStdString(f_->dir().file("history.pdf"));
    QPrinter& printer = f_->window().historyPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    whenModal([](QWidget* w) {
        QVERIFY(qobject_cast<QPrintDialog*>(w) != nullptr);
        static_cast<QDialog*>(w)->accept();
    });
    f_->ui().ToolButton3->click();
    QCOMPARE(printer.docName(), q("print.tmp"));
    QVERIFY(QFile::exists(pdf));

    QProcess pdftotext;
    pdftotext.start(q("pdftotext"), {q("-enc"), q("UTF-8"), pdf, q("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QString& line :
         {q("\"House\" (2 výrazů):"), q("- dům"), q("- ubytovat"), q("\"World\" (1 výrazů):"),
          q("- svět"), QString(58, QLatin1Char('='))}) {
        QVERIFY2(text.contains(line), qPrintable(line + q(" in ") + text));
    }
}

LEXAVO_UI_TEST(SearchHistoryTest)
#include "search_history_test.moc"
