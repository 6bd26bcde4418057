// The translator page and the progress window, on the real main window over a
// temporary program directory with real dictionary files.

#include <sys/stat.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include "app/window_caption.h"
#include "dictionary_page_support.h"
#include "text/regular_file.h"
#include "translator/tfrm_preklad.h"
#include "ui_fixture.h"
#include "ui_test_main.h"
#include "widgets/memo_text.h"
#include "widgets/qt_text.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

// Every modal window other than the progress window is handed to a handler as it
// appears; the handler answers it, so no test waits on a dialog.
class ModalDriver {
  public:
    explicit ModalDriver(std::function<void(QWidget*)> handler) : handler_(std::move(handler)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w == nullptr || qobject_cast<TfrmPreklad*>(w) != nullptr || !w->isVisible()) {
                return;
            }
            ++seen_;
            handler_(w);
        });
        timer_.start(10);
    }
    int seen() const { return seen_; }

  private:
    std::function<void(QWidget*)> handler_;
    QTimer timer_;
    int seen_ = 0;
};

// Chooses path in a file dialog (an empty path cancels it) and says Yes to the
// dialog's overwrite question.
std::function<void(QWidget*)> chooseFile(const QString& path) {
    return [path](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            box->button(QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            answerFileDialog(dialog, path);
        }
    };
}

// A memo's text with its line breaks as '\n' and its no-break spaces kept.
QString text(const QPlainTextEdit* memo) {
    return memo->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

struct Box {
    QString title;
    QString text;
};

}  // namespace

class TranslatorPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    TfrmPreklad* preklad = nullptr;

    Ui::TfrmMain& ui() { return f->ui(); }

    // The four directions: English-Czech (the common test set), Czech-English and
    // German-Czech; no Czech-German set is installed.
    void start() {
        f = std::make_unique<WindowFixture>();
        writeEnglishCzechSet(f->dir());
        writeTestSet(f->dir(), "czeang", kTitleCzechEnglish, cp("Čj->Aj"), cp("  České slovo:  "),
                     {{"a", {"also"}},
                      {"ahoj", {"hi"}},
                      {"je", {"eats"}},
                      {cp("kočka"), {"cat"}},
                      {"pes", {"dog"}}});
        writeTestSet(f->dir(), "nemcze", kTitleGermanCzech, cp("Nj->Čj"), cp("  Německé slovo:  "),
                     {{"Hund", {"pes"}}, {"ist", {"je"}}, {"und", {"a"}}, {"gut", {cp("dobrý")}}});
        f->start();
        preklad = &f->windows().preklad;
    }

    QString chooser() { return ui().ComboBoxSlovnik->currentText(); }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&f->window(), static_cast<Qt::Key>(key), mods);
    }

  private slots:
    void cleanup() {
        preklad = nullptr;
        f.reset();
    }

    // Source tab, language and text in; result, its tab and the chosen dictionary out.
    void translatesIntoTheOtherTab_data() {
        QTest::addColumn<bool>("fromCzech");
        QTest::addColumn<int>("language");  // -1: none chosen
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("English into Czech, fixed words, separators kept")
            << false << 0 << q("Hello, world!\nPrague\tis  big.\n\n")
            << q("ahoj, svět!\nPrague\tje  velký.\n\n") << q("Anglicko-český slovník");
        QTest::newRow("Czech into English")
            << true << 0 << q("Ahoj, pes je a kočka.") << q("hello, dog is and cat.")
            << q("Česko-anglický slovník");
        QTest::newRow("German: capitalised nouns, no fixed words")
            << false << 1 << q("Der Hund ist gut und a1b") << q("Der pes je dobrý a a1b")
            << q("Německo-český slovník");
        // No dictionary has the empty title: the one in use is loaded again, and the
        // chooser is left on the last catalogue entry read.
        QTest::newRow("no language: the dictionary in use, no fixed words")
            << true << -1 << q("hello is dog") << q("haló jest pes") << q("Německo-český slovník");
        QTest::newRow("empty source")
            << false << 0 << QString() << QString() << q("Anglicko-český slovník");
        QTest::newRow("no-break space and code page quotes are letters")
            << false << 0 << q("dog\u00A0dog „dog“ dog") << q("dog\u00A0dog „dog“ pes")
            << q("Anglicko-český slovník");
    }
    void translatesIntoTheOtherTab() {
        QFETCH(bool, fromCzech);
        QFETCH(int, language);
        QFETCH(QString, source);
        QFETCH(QString, expected);
        QFETCH(QString, dictionary);
        start();
        if (language == 0) f->window().translatorPage().mnuDoAngClick();
        if (language == 1) f->window().translatorPage().mnuDoNemClick();
        // Start from a dictionary other than the wanted one.
        f->window().chooser().openByTitle(kTitleCzechEnglish);
        if (language == -1) f->window().chooser().openByTitle(kTitleEnglishCzech);
        QPlainTextEdit* from = fromCzech ? ui().editCeskyText : ui().editAnglickyText;
        QPlainTextEdit* to = fromCzech ? ui().editAnglickyText : ui().editCeskyText;
        ui().PageControlPreklad->setCurrentWidget(fromCzech ? ui().tabCeskyText
                                                            : ui().tabAnglickyText);
        from->setPlainText(source);
        to->setPlainText(QStringLiteral("old text"));

        QTest::mouseClick(ui().btnPreklad, Qt::LeftButton);

        QCOMPARE(text(to), expected);
        QCOMPARE(text(from), source);
        QCOMPARE(ui().PageControlPreklad->currentWidget(),
                 fromCzech ? ui().tabAnglickyText : ui().tabCeskyText);
        QCOMPARE(chooser(), dictionary);
        QVERIFY(!preklad->isVisible());
        QVERIFY(!preklad->timerActive());
    }

    void translatingTheResultBackUsesTheOppositeDirection() {
        start();
        f->window().translatorPage().mnuDoAngClick();
        f->window().shell().btnRezimyPrekladacClick();
        ui().editCeskyText->setPlainText(q("Ahoj, pes je a kočka."));
        QTest::mouseClick(ui().btnPreklad, Qt::LeftButton);
        QCOMPARE(ui().editAnglickyText->toPlainText(), q("hello, dog is and cat."));
        QCOMPARE(f->window().focusWidget(), ui().editAnglickyText);
        QCOMPARE(ui().editAnglickyText->textCursor().position(), 0);

        QTest::mouseClick(ui().btnPreklad, Qt::LeftButton);
        QCOMPARE(ui().editCeskyText->toPlainText(), q("ahoj, pes je a cat."));
        QCOMPARE(ui().PageControlPreklad->currentWidget(), ui().tabCeskyText);
        QCOMPARE(chooser(), q("Anglicko-český slovník"));
        QCOMPARE(f->window().focusWidget(), ui().editCeskyText);
        // The dictionary page works with the dictionary of the last run.
        QCOMPARE(f->window().windowTitle(), fromCp1250(windowCaptionFor(cp("Aj->Čj"))));
    }

    void f8OnTheDictionaryPageTranslatesWithoutFocusingAMemo() {
        start();
        QCOMPARE(ui().gotebookPlocha->currentWidget(), ui().pageSlovnik);
        ui().editSlovo->setText(q("hou"));
        ui().editCeskyText->setPlainText(q("pes je"));
        f->window().translatorPage().mnuDoAngClick();
        press(Qt::Key_F8);
        QCOMPARE(ui().editAnglickyText->toPlainText(), q("dog is"));
        QCOMPARE(ui().PageControlPreklad->currentWidget(), ui().tabAnglickyText);
        QCOMPARE(ui().gotebookPlocha->currentWidget(), ui().pageSlovnik);
        QVERIFY(f->window().focusWidget() != ui().editAnglickyText);
        QVERIFY(f->window().focusWidget() != ui().editCeskyText);
        QCOMPARE(chooser(), q("Česko-anglický slovník"));
        // The word list shows the loaded dictionary's words beginning with "a"; the
        // word field keeps what the user typed.
        const QAbstractItemModel* list = ui().stringGridSeznam->model();
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->index(0, 0).data().toString(), q("a"));
        QCOMPARE(list->index(1, 0).data().toString(), q("ahoj"));
        QCOMPARE(ui().editSlovo->text(), q("hou"));
    }

    void memosShowBothScrollBarsAndKeepLongLines() {
        start();
        for (QPlainTextEdit* memo : {ui().editAnglickyText, ui().editCeskyText}) {
            QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        }
    }

    void languageCommands() {
        start();
        QCOMPARE(ui().comboBoxJazyk->currentIndex(), -1);
        QCOMPARE(ui().PageControlPreklad->currentWidget(), ui().tabCeskyText);
        const int first = ui().PageControlPreklad->indexOf(ui().tabAnglickyText);
        // Ctrl+F4 belongs to a disabled item: nothing changes.
        press(Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(ui().comboBoxJazyk->currentIndex(), -1);
        QVERIFY(ui().mnuDoAng->isChecked());
        f->window().translatorPage().mnuDoNemClick();
        QCOMPARE(ui().comboBoxJazyk->currentIndex(), 1);
        QCOMPARE(ui().PageControlPreklad->tabText(first), q("Německý text"));
        QVERIFY(!ui().mnuDoAng->isChecked());
        QVERIFY(ui().mnuDoNem->isChecked());
        press(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(ui().comboBoxJazyk->currentIndex(), 0);
        QCOMPARE(ui().PageControlPreklad->tabText(first), q("Anglický text"));
        QVERIFY(ui().mnuDoAng->isChecked());
        QVERIFY(!ui().mnuDoNem->isChecked());
    }

    void missingEntryFileIsReportedOncePerTranslation() {
        start();
        f->window().translatorPage().mnuDoAngClick();
        ui().PageControlPreklad->setCurrentWidget(ui().tabAnglickyText);
        ui().editAnglickyText->setPlainText(q("dog and Prague, hello house"));
        QVERIFY(std::remove(f->dir().file("angcze.dt2").c_str()) == 0);
        std::vector<Box> boxes;
        std::vector<QMessageBox::Icon> icons;
        ModalDriver driver([&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                boxes.push_back({box->windowTitle(), box->text()});
                icons.push_back(box->icon());
                box->button(QMessageBox::Ok)->click();
            }
        });
        QTest::mouseClick(ui().btnPreklad, Qt::LeftButton);
        // The progress window coming back to the front after the message must not
        // start a second run.
        QTest::qWait(3 * TfrmPreklad::kTimerIntervalMs);
        QCOMPARE(int(boxes.size()), 1);
        QCOMPARE(boxes[0].title, q("Chyba..."));
        QCOMPARE(boxes[0].text, q("Soubor se slovníkem nebyl nalezen!"));
        QCOMPARE(icons[0], QMessageBox::NoIcon);  // as on the dictionary page
        QCOMPARE(ui().editCeskyText->toPlainText(), q("  Prague,  "));
        QVERIFY(!preklad->isVisible());
    }

    void eachShowingRunsOneTranslation() {
        start();
        QCOMPARE(preklad->windowTitle(), q("Probíhá překlad..."));
        QCOMPARE(preklad->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 q("Probíhá překlad, prosím čekejte..."));
        int runs = 0;
        preklad->setTranslation([&] {
            ++runs;
            preklad->accept();
        });
        QVERIFY(!preklad->timerActive());
        preklad->exec();
        QCOMPARE(runs, 1);
        preklad->exec();
        QCOMPARE(runs, 2);
        QTest::qWait(3 * TfrmPreklad::kTimerIntervalMs);
        QCOMPARE(runs, 2);
    }

    void openAndSaveTextFilesUnchanged() {
        start();
        const std::string bytes =
            cp("Příliš žluťoučký kůň\r\n") + "\xA0nbsp \x84quoted\x93\r\n\r\n\tend\r\n";
        f->dir().writeFile("in.txt", bytes);
        const QString in = QString::fromStdString(f->dir().file("in.txt"));
        {
            ModalDriver driver(chooseFile(in));
            press(Qt::Key_U, Qt::ControlModifier);  // "Otevřít český text..."
            QCOMPARE(driver.seen(), 1);
        }
        QCOMPARE(ui().editCeskyText->document()->toRawText(),
                 q("Příliš žluťoučký kůň\u2029\u00A0nbsp „quoted“\u2029\u2029\tend"));
        QCOMPARE(ui().gotebookPlocha->currentWidget(), ui().pageSlovnik);
        {
            // A name typed without an extension gets .txt.
            ModalDriver driver(chooseFile(QString::fromStdString(f->dir().file("out"))));
            press(Qt::Key_D, Qt::ControlModifier);  // "Uložit český text"
        }
        QCOMPARE(f->dir().readFile("out.txt"), bytes);

        // The same file into the foreign memo, saved over an existing file after the
        // dialog's question.
        ui().PageControlPreklad->setCurrentWidget(ui().tabCeskyText);
        {
            ModalDriver driver(chooseFile(in));
            press(Qt::Key_T, Qt::ControlModifier);
        }
        QCOMPARE(ui().editAnglickyText->toPlainText(), ui().editCeskyText->toPlainText());
        QCOMPARE(ui().PageControlPreklad->currentWidget(), ui().tabCeskyText);
        ui().editAnglickyText->appendPlainText(QStringLiteral("more"));
        {
            ModalDriver driver(chooseFile(QString::fromStdString(f->dir().file("out.txt"))));
            press(Qt::Key_B, Qt::ControlModifier);  // "Uložit anglický text"
            QCOMPARE(driver.seen(), 2);
        }
        QCOMPARE(f->dir().readFile("out.txt"), bytes + "more\r\n");

        // Cancelled dialogs change nothing.
        {
            ModalDriver driver(chooseFile(QString()));
            press(Qt::Key_T, Qt::ControlModifier);
            press(Qt::Key_B, Qt::ControlModifier);
        }
        QVERIFY(ui().editAnglickyText->toPlainText().endsWith(QStringLiteral("\nmore")));
        QCOMPARE(f->dir().readFile("out.txt"), bytes + "more\r\n");
        for (const char* name : {"OpenDialog1", "SaveDialog1"}) {
            const auto* dialog = f->window().findChild<QFileDialog*>(QLatin1String(name));
            QVERIFY(dialog != nullptr);
            QVERIFY(dialog->testOption(QFileDialog::HideNameFilterDetails));
            QCOMPARE(dialog->nameFilters(), QStringList{q("Textové soubory (*.txt)")});
        }
    }

    // A file that cannot be read is reported with the system's own words for why,
    // and leaves the memo empty.
    void fileThatCannotBeReadShowsTheSystemsReason() {
        start();
        ui().editCeskyText->setPlainText(QStringLiteral("old"));
        // A named pipe: it exists, but is no file to read.
        const std::string pipe = f->dir().file("pipe.txt");
        QCOMPARE(mkfifo(pipe.c_str(), 0600), 0);
        std::vector<Box> boxes;
        {
            ModalDriver driver([&](QWidget* w) {
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    boxes.push_back({box->windowTitle(), box->text()});
                    box->accept();
                } else if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
                    answerFileDialog(dialog, QString::fromStdString(pipe));
                }
            });
            press(Qt::Key_U, Qt::ControlModifier);
            QTRY_COMPARE(int(boxes.size()), 1);
        }
        QVERIFY2(boxes[0].text.endsWith(QString::fromLocal8Bit(std::strerror(EINVAL))),
                 qPrintable(boxes[0].text));
        QVERIFY(ui().editCeskyText->toPlainText().isEmpty());
    }

    // The text dialogs start in the program directory, wherever the program was
    // started from, and keep the folder the user moves to.
    // A text with NUL bytes, opened into a memo and saved again, comes back byte for
    // byte; in the memo each NUL shows as the symbol for null. Translating it keeps
    // them too.
    void nulBytesSurviveOpenTranslateAndSave() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        const std::string bytes("dog\0house\r\n\0\r\nend\0\r\n", 20);
        f.dir().writeFile("in.txt", bytes);
        QPlainTextEdit& memo = *f.ui().editAnglickyText;
        QVERIFY(loadMemoFromFile(memo, QString::fromStdString(f.dir().file("in.txt")),
                                 kMaxTextFileBytes));
        QCOMPARE(memo.toPlainText(), QStringLiteral("dog\u2400house\n\u2400\nend\u2400"));
        QVERIFY(saveMemoToFile(memo, QString::fromStdString(f.dir().file("out.txt"))));
        QCOMPARE(f.dir().readFile("out.txt"), bytes);

        f.ui().PageControlPreklad->setCurrentWidget(f.ui().tabAnglickyText);
        f.window().translatorPage().translateText();
        QCOMPARE(f.ui().editCeskyText->toPlainText(),
                 QStringLiteral("pes\u2400dům\n\u2400\nend\u2400"));
    }

    void fileDialogsStartInTheProgramDirectory() {
        start();
        const QString programDir = QDir(QString::fromStdString(f->dir().path())).canonicalPath();
        QString seen;
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            seen = QDir(dialog->directory()).canonicalPath();
            dialog->setDirectory(QDir::tempPath());
            dialog->reject();
        });
        press(Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, programDir);
        const auto* open = f->window().findChild<QFileDialog*>(QStringLiteral("OpenDialog1"));
        QCOMPARE(QDir(open->directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
        QString saveSeen;
        whenModal([&](QWidget* w) {
            saveSeen = QDir(qobject_cast<QFileDialog*>(w)->directory()).canonicalPath();
            qobject_cast<QFileDialog*>(w)->reject();
        });
        press(Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY(!saveSeen.isEmpty());
        QCOMPARE(saveSeen, programDir);
    }

    void emptyMemoSavesAnEmptyFile() {
        start();
        ModalDriver driver(chooseFile(QString::fromStdString(f->dir().file("empty.txt"))));
        press(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(f->dir().exists("empty.txt"));
        QCOMPARE(f->dir().readFile("empty.txt"), std::string());
    }
};

LEXAVO_UI_TEST(TranslatorPageTest)
#include "translator_page_test.moc"
