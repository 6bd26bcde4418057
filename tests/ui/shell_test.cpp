// Pages, the mode bar, view options, special letters, the configuration record and
// the run files, on the real main window.

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <filesystem>

#include "app/outer_bounds.h"
#include "ui_fixture.h"
#include "ui_test_main.h"
#include "widgets/qt_text.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

ConfigRecord recordWith(int left, int top, int width, int height, int state, int page,
                        const char* titleUtf8, char logo, char bar, char info) {
    ConfigRecord r;
    r.set(ConfigRecord::kWindowLeft, left);
    r.set(ConfigRecord::kWindowTop, top);
    r.set(ConfigRecord::kWindowWidth, width);
    r.set(ConfigRecord::kWindowHeight, height);
    r.set(ConfigRecord::kWindowState, state);
    r.set(ConfigRecord::kActivePage, page);
    r.setDictionaryTitle(cp(titleUtf8));
    r.bytes[ConfigRecord::kShowLogo] = logo;
    r.bytes[ConfigRecord::kShowQuickBar] = bar;
    r.bytes[ConfigRecord::kShowInfoLine] = info;
    return r;
}

void writeRecord(const TempProgramDir& dir, const ConfigRecord& r) {
    dir.writeFile("lexavo.ini", std::string(r.bytes.data(), r.bytes.size()));
}

ConfigRecord readRecord(const TempProgramDir& dir) {
    ConfigRecord r;
    const std::string bytes = dir.readFile("lexavo.ini");
    std::copy_n(bytes.begin(), std::min(bytes.size(), r.bytes.size()), r.bytes.begin());
    return r;
}

bool closeByCloseBox(TfrmMain& w) { return w.close(); }

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void quickBarFollowsTheDictionaryPage() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        Ui::TfrmMain& ui = f.ui();
        QVERIFY(ui.toolBarFast->isVisible());
        ui.mnuFast->trigger();  // on the dictionary page: hides the bar
        QVERIFY(!ui.mnuFast->isChecked());
        QVERIFY(!ui.toolBarFast->isVisible());
        f.window().shell().btnRezimyPoznamkyClick();
        f.window().shell().btnRezimySlovnikClick();
        QVERIFY(ui.toolBarFast->isVisible());  // the page shows it again ...
        QVERIFY(!ui.mnuFast->isChecked());     // ... and the check stays off
        f.window().shell().btnRezimyHledaneClick();
        ui.mnuFast->trigger();  // elsewhere the option does nothing
        QVERIFY(!ui.mnuFast->isChecked());
        QVERIFY(!ui.toolBarFast->isVisible());
    }

    // Showing a page whose focused control was hidden gives its memo the focus, so
    // that typing right after F3 (or F5) goes into the page.
    void pagesShownByKeysTakeTheFocusInTheirMemo() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        Ui::TfrmMain& ui = f.ui();
        QVERIFY(ui.editSlovo->hasFocus());
        QTest::keyClick(ui.editSlovo, Qt::Key_F3);
        QCOMPARE(ui.gotebookPlocha->currentWidget(), ui.pagePrekladac);
        QPlainTextEdit* memo = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
        QVERIFY(memo == ui.editAnglickyText || memo == ui.editCeskyText);
        QVERIFY(memo->isVisible());
        QTest::keyClicks(memo, QStringLiteral("hello"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("hello"));
        QTest::keyClick(memo, Qt::Key_F5);
        QCOMPARE(ui.gotebookPlocha->currentWidget(), ui.pageHledane);
        QVERIFY(QApplication::focusWidget() != nullptr);
        QVERIFY(QApplication::focusWidget()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QVERIFY(ui.editSlovo->hasFocus());
    }

    void logoAndInfoLineToggle() {
        WindowFixture f;
        f.start();
        f.ui().mnuLogo->trigger();
        QVERIFY(!f.ui().panelImg->isVisible());
        f.ui().mnuLogo->trigger();
        QVERIFY(f.ui().panelImg->isVisible());
        f.ui().mnuInfo->trigger();
        QVERIFY(!f.ui().panelInfo->isVisible());
        QVERIFY(!f.ui().mnuInfo->isChecked());
    }

    void modesCheckTheirOwnItemOnly() {
        WindowFixture f;
        f.start();
        Ui::TfrmMain& ui = f.ui();
        f.window().shell().btnRezimyHledaneClick();
        QVERIFY(ui.btnRezimyHledane->isChecked());
        QVERIFY(!ui.btnRezimySlovnik->isChecked());
        QVERIFY(ui.mnuHledane2->isChecked() && !ui.mnuSlovnik2->isChecked());
        f.window().shell().Uivatelskslovnk1Click();
        QCOMPARE(ui.gotebookPlocha->currentWidget(), ui.pageUzivSlovnik);
        QVERIFY(ui.btnRezimySlovnik->isChecked());
        for (QAction* a : {ui.mnuSlovnik2, ui.mnuPrekladac2, ui.mnuPoznamky2, ui.mnuHledane2}) {
            QVERIFY(!a->isChecked());
        }
        ui.mnuPoznamky2->trigger();
        QCOMPARE(ui.gotebookPlocha->currentWidget(), ui.pagePoznamky);
        QVERIFY(ui.mnuPoznamky2->isChecked());
    }

    void modeBarSplitsItsWidth() {
        WindowFixture f;
        f.start();
        f.ui().panelRezimy->resize(301, 25);
        QCOMPARE(f.ui().btnRezimySlovnik->width(), 100);
        QCOMPARE(f.ui().btnRezimyPoznamky->x(), 101);
        QCOMPARE(f.ui().btnRezimyPoznamky->width(), 100);
        QCOMPARE(f.ui().btnRezimyHledane->x(), 202);
        QCOMPARE(f.ui().btnRezimyHledane->width(), 99);
    }

    // Typing stops at 100 characters; a special letter is still added to a full
    // field, and typing has its limit back once the word is short enough again.
    void specialLetterIsAddedToAFullField() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        QLineEdit* field = f.ui().editSlovo;
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(field, QString(105, QLatin1Char('a')));
        QCOMPARE(field->text().size(), 100);
        QTest::mouseClick(f.ui().btnSymbol1, Qt::LeftButton);
        QCOMPARE(field->text(), QString(100, QLatin1Char('a')) + QChar(0xDF));
        QTest::keyClick(field, 'x');
        QCOMPARE(field->text().size(), 101);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text().size(), 99);
        QTest::keyClicks(field, QStringLiteral("bcd"));
        QCOMPARE(field->text(), QString(99, QLatin1Char('a')) + QLatin1Char('b'));
    }

    void specialLettersGoToTheEnd() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        QLineEdit* edit = f.ui().editSlovo;
        edit->setText(QStringLiteral("gro"));
        edit->setSelection(0, 2);  // a selection is not replaced
        f.ui().btnSymbol1->click();
        QCOMPARE(edit->text(), q("groß"));
        QCOMPARE(edit->cursorPosition(), 4);
        QVERIFY(!edit->hasSelectedText());
        QVERIFY(edit->hasFocus());
        edit->setCursorPosition(1);
        f.ui().Pehlasovanu1->trigger();
        QCOMPARE(edit->text(), q("großü"));
        edit->clear();
        f.ui().btnSymbol2->click();
        QCOMPARE(edit->text(), q("ä"));
        f.window().shell().btnRezimyPoznamkyClick();
        f.ui().Pehlasovano1->trigger();
        QTest::keyClick(&f.window(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(edit->text(), q("ä"));  // nothing on the other pages
    }

    // The letters are bold maroon; their hints are plain tooltips like every other.
    void specialLetterHintsLookLikeOtherHints() {
        WindowFixture f;
        f.start();
        auto hintOf = [](QWidget* w) -> QWidget* {
            QToolTip::showText(w->mapToGlobal(QPoint(2, 2)), w->toolTip(), w);
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->inherits("QTipLabel") && top->isVisible()) return top;
            }
            return nullptr;
        };
        QWidget* plain = hintOf(f.ui().btnPrelozit);
        QVERIFY(plain != nullptr);
        const QFont plainFont = plain->font();
        const QColor plainText = plain->palette().color(QPalette::WindowText);
        QToolTip::hideText();
        QWidget* letter = hintOf(f.ui().btnSymbol1);
        QVERIFY(letter != nullptr);
        QCOMPARE(letter->font(), plainFont);
        QCOMPARE(letter->palette().color(QPalette::WindowText), plainText);
        QCOMPARE(f.ui().btnSymbol1->font().bold(), true);
        QToolTip::hideText();
    }

    // A FIFO, an endless device or a folder in place of lexavo.ini and the run files:
    // the window comes up as on a first run, with the memos empty.
    void runFilesThatAreNotFilesAreSkipped() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        QCOMPARE(::mkfifo(f.dir().file("lexavo.ini").c_str(), 0600), 0);
        QCOMPARE(::mkfifo(f.dir().file("minule.txt").c_str(), 0600), 0);
        std::filesystem::create_symlink("/dev/zero", f.dir().file("angcze.use"));
        std::filesystem::create_symlink("/dev/urandom", f.dir().file("nemcze.use"));
        f.start();
        QCOMPARE(f.window().frameGeometry().size(), QSize(569, 375));
        QVERIFY(f.ui().editHledaneMinule->toPlainText().isEmpty());
        QVERIFY(f.ui().editUzivAng->toPlainText().isEmpty());
        QVERIFY(f.ui().editUzivNem->toPlainText().isEmpty());
    }

    // Stored bounds that no screen can show (a size near 2^31, a place far off every
    // screen) are fitted into the screen; what the close step stores is what was
    // applied, so the next run starts from sane bounds.
    void storedBoundsAreFittedIntoTheScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const struct {
            int left, top, width, height;
        } cases[] = {{0, 0, 2147483647, 2147483647},
                     {-50000, 90000, 500, 300},
                     {2147483000, -2147483000, 640, 2147483647}};
        for (const auto& c : cases) {
            WindowFixture f;
            writeEnglishCzechSet(f.dir());
            writeRecord(f.dir(), recordWith(c.left, c.top, c.width, c.height, 0, 0,
                                            "Anglicko-český slovník", 1, 1, 1));
            f.start();
            const QRect applied = f.window().frameGeometry();
            QVERIFY2(screen.contains(applied), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                              .arg(applied.x())
                                                              .arg(applied.y())
                                                              .arg(applied.width())
                                                              .arg(applied.height())));
            if (c.width == 500) QCOMPARE(applied.size(), QSize(500, 300));
            QVERIFY(closeByCloseBox(f.window()));
            const ConfigRecord r = readRecord(f.dir());
            QCOMPARE(QRect(r.get(ConfigRecord::kWindowLeft), r.get(ConfigRecord::kWindowTop),
                           r.get(ConfigRecord::kWindowWidth), r.get(ConfigRecord::kWindowHeight)),
                     applied);
        }
    }

    // The screen a window overlaps most keeps it; one it only touches does not.
    void boundsStayOnTheScreenTheyOverlapMost() {
        const QRect left(0, 0, 1000, 800);
        const QRect right(1000, 0, 1280, 1024);
        QCOMPARE(fitIntoScreens({1200, 100, 600, 400}, {left, right}, left),
                 QRect(1200, 100, 600, 400));
        QCOMPARE(fitIntoScreens({900, 100, 600, 400}, {left, right}, left),
                 QRect(1000, 100, 600, 400));
        QCOMPARE(fitIntoScreens({1900, 900, 600, 400}, {left, right}, left),
                 QRect(1680, 624, 600, 400));
        QCOMPARE(fitIntoScreens({5000, 5000, 600, 400}, {left, right}, left),
                 QRect(400, 400, 600, 400));
        QCOMPARE(fitIntoScreens({0, 0, 3000, 3000}, {left}, left), QRect(0, 0, 1000, 800));
    }

    void firstRunKeepsTheCreatedWindow() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        // Created 569 x 375 pixels, frame included (the offscreen platform gives the
        // window a frame of its own, so the inside is smaller).
        QCOMPARE(f.window().frameGeometry().size(), QSize(569, 375));
        QVERIFY(f.window().size() != QSize(569, 375));
        QVERIFY(f.ui().panelImg->isVisible() && f.ui().toolBarFast->isVisible() &&
                f.ui().panelInfo->isVisible());
        QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pageSlovnik);
    }

    void recordIsAppliedAtStart() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        writeRecord(f.dir(), recordWith(40, 30, 640, 420, 0, 3, "Anglicko-český slovník", 0, 1, 7));
        f.start();
        Ui::TfrmMain& ui = f.ui();
        // All four are the outer bounds.
        QCOMPARE(f.window().frameGeometry(), QRect(40, 30, 640, 420));
        QCOMPARE(ui.gotebookPlocha->currentWidget(), ui.pageHledane);
        QVERIFY(ui.btnRezimyHledane->isChecked() && ui.mnuHledane2->isChecked());
        QVERIFY(!ui.panelImg->isVisible() && !ui.mnuLogo->isChecked());
        QVERIFY(ui.toolBarFast->isVisible() && ui.mnuFast->isChecked());  // not by page
        QVERIFY(ui.panelInfo->isVisible() && ui.mnuInfo->isChecked());    // 7: as created
        QCOMPARE(ui.ComboBoxSlovnik->currentText(), q("Anglicko-český slovník"));
    }

    void pageFourAndUnknownPages() {
        {
            WindowFixture f;
            writeRecord(f.dir(), recordWith(0, 0, 400, 300, 0, 4, "", 1, 1, 1));
            f.start();
            QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pageUzivSlovnik);
            for (QAction* a : {f.ui().mnuSlovnik2, f.ui().mnuPrekladac2, f.ui().mnuPoznamky2,
                               f.ui().mnuHledane2}) {
                QVERIFY(!a->isChecked());
            }
            QVERIFY(f.ui().btnRezimySlovnik->isChecked());
        }
        WindowFixture f;
        writeRecord(f.dir(), recordWith(0, 0, 400, 300, 0, 9, "", 1, 1, 1));
        f.start();
        QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pageHledane);  // as created
    }

    void shortRecordFillsOnlyItsBytes() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        const ConfigRecord full = recordWith(10, 20, 500, 350, 0, 2, "X", 1, 1, 1);
        f.dir().writeFile("lexavo.ini", std::string(full.bytes.data(), 16));
        f.start();
        QCOMPARE(f.window().frameGeometry().size(), QSize(500, 350));
        // page 0, no title, all panels 0 from the zero rest of the record
        QCOMPARE(f.ui().gotebookPlocha->currentWidget(), f.ui().pageSlovnik);
        QVERIFY(!f.ui().panelImg->isVisible() && !f.ui().panelInfo->isVisible());
        QCOMPARE(f.state().store.headwordCount(), 0u);
    }

    void closeBoxStoresTheRecord() {
        TempProgramDir* dirp = nullptr;
        WindowFixture f;
        dirp = &f.dir();
        writeEnglishCzechSet(*dirp);
        ConfigRecord start = recordWith(15, 25, 600, 400, 0, 0, "Anglicko-český slovník", 1, 1, 1);
        start.bytes[77] = 'r';  // reserved bytes are written back as read
        start.bytes[79] = 's';
        writeRecord(*dirp, start);
        f.start();
        f.window().resize(620, 410);
        const QRect outer = f.window().frameGeometry();
        QVERIFY(outer.size() != QSize(620, 410));
        f.window().shell().btnRezimyPoznamkyClick();  // hides the quick-command bar
        f.ui().mnuLogo->trigger();
        QVERIFY(closeByCloseBox(f.window()));
        const ConfigRecord r = readRecord(*dirp);
        // The outer bounds, all four alike.
        QCOMPARE(r.get(ConfigRecord::kWindowLeft), outer.x());
        QCOMPARE(r.get(ConfigRecord::kWindowTop), outer.y());
        QCOMPARE(r.get(ConfigRecord::kWindowWidth), outer.width());
        QCOMPARE(r.get(ConfigRecord::kWindowHeight), outer.height());
        QCOMPARE(r.get(ConfigRecord::kActivePage), 2);
        QCOMPARE(r.get(ConfigRecord::kWindowState), 0);
        QCOMPARE(r.flag(ConfigRecord::kShowLogo), 0);
        QCOMPARE(r.flag(ConfigRecord::kShowQuickBar), 0);  // hidden by the notes page
        QCOMPARE(r.flag(ConfigRecord::kShowInfoLine), 1);
        QCOMPARE(fromCp1250(r.dictionaryTitle()), q("Anglicko-český slovník"));
        QCOMPARE(r.bytes[77], 'r');
        QCOMPARE(r.bytes[79], 's');

        // The next run starts on the notes page with the bar hidden and unchecked.
        WindowFixture g;
        writeRecord(g.dir(), r);
        g.start();
        QCOMPARE(g.ui().gotebookPlocha->currentWidget(), g.ui().pagePoznamky);
        QVERIFY(!g.ui().toolBarFast->isVisible() && !g.ui().mnuFast->isChecked());
        QCOMPARE(g.window().size(), QSize(620, 410));
    }

    void maximisedCloseKeepsTheStartBounds() {
        WindowFixture f;
        writeRecord(f.dir(), recordWith(11, 22, 500, 333, 0, 0, "", 1, 1, 1));
        f.start();
        f.window().showMaximized();
        QTRY_VERIFY(f.window().windowState() & Qt::WindowMaximized);
        QVERIFY(f.window().close());
        const ConfigRecord r = readRecord(f.dir());
        QCOMPARE(r.get(ConfigRecord::kWindowState), 2);
        QCOMPARE(r.get(ConfigRecord::kWindowLeft), 11);
        QCOMPARE(r.get(ConfigRecord::kWindowTop), 22);
        QCOMPARE(r.get(ConfigRecord::kWindowWidth), 500);
        QCOMPARE(r.get(ConfigRecord::kWindowHeight), 333);
    }

    void longTitleIsCutAt47() {
        WindowFixture f;
        f.start();
        const QString longTitle = QString(60, QLatin1Char('x'));
        f.ui().ComboBoxSlovnik->setEditText(longTitle);
        QVERIFY(f.window().close());
        const ConfigRecord r = readRecord(f.dir());
        QCOMPARE(r.dictionaryTitle(), std::string_view(std::string(47, 'x')));
    }

    void runFilesAreLoadedWhenPresent() {
        {
            WindowFixture f;
            f.dir().writeFile("minule.txt", cp("\"dům\" (1 výrazů):\r\n - house\r\n"));
            f.dir().writeFile("angcze.use", "one\r\ntwo\r\n");
            f.dir().writeFile("nemcze.use", cp("drei\r\nvier ü\r\n"));
            f.start();
            QCOMPARE(f.ui().editHledaneMinule->toPlainText(), q("\"dům\" (1 výrazů):\n - house"));
            QCOMPARE(f.ui().editUzivAng->toPlainText(), QStringLiteral("one\ntwo"));
            QCOMPARE(f.ui().editUzivNem->toPlainText(), q("drei\nvier ü"));
            QCOMPARE(f.ui().editHledaneDnes->toPlainText(), QString());
        }
        WindowFixture f;
        f.start();
        QCOMPARE(f.ui().editHledaneMinule->toPlainText(), QString());
        QCOMPARE(f.ui().editUzivAng->toPlainText(), QString());
    }

    void closeWritesTheHistoryAndEndLeavesFilesAlone() {
        WindowFixture f;
        f.dir().writeFile("minule.txt", "old\r\n");
        f.start();
        f.ui().editHledaneDnes->setPlainText(q("\"Dům\" (1 výrazů):\n - house\n====\n"));
        QVERIFY(f.window().close());
        QCOMPARE(f.dir().readFile("minule.txt"),
                 cp("\"Dům\" (1 výrazů):\r\n - house\r\n====\r\n\r\n"));

        WindowFixture g;
        g.dir().writeFile("minule.txt", "old\r\n");
        g.dir().writeFile("lexavo.ini", std::string(80, '\0'));
        g.start();
        g.ui().editHledaneDnes->setPlainText(QStringLiteral("new"));
        QTimer::singleShot(0, [&] { g.window().Konecprogramu1Click(); });
        QApplication::exec();  // ended by "Konec programu" without the close step
        QCOMPARE(g.dir().readFile("minule.txt"), std::string("old\r\n"));
        QCOMPARE(g.dir().readFile("lexavo.ini"), std::string(80, '\0'));
    }

    void unwritableHistoryKeepsTheWindowOpen() {
        WindowFixture f;
        f.start();
        // A directory in its place: no file can be created under that name.
        std::filesystem::create_directory(f.dir().file("minule.txt"));
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QVERIFY(!f.window().close());
        QVERIFY(f.window().isVisible());
        QVERIFY(shown.contains(QStringLiteral("minule.txt")));
        QVERIFY(f.dir().exists("lexavo.ini"));  // written before the history
    }

    void recordIsAppliedBeforeAnyActivation() {
        // A window manager may map the window without activating it: what the user had
        // is shown at once and stored unchanged by a close before any activation.
        TempProgramDir dir;
        writeEnglishCzechSet(dir);
        const ConfigRecord stored =
            recordWith(60, 50, 610, 405, 0, 3, "Anglicko-český slovník", 0, 1, 1);
        writeRecord(dir, stored);
        ProgramState state(dir.path());
        ProgramWindows windows(state);
        Ui::TfrmMain& ui = *windows.main.form();
        windows.main.show();
        QCOMPARE(ui.gotebookPlocha->currentWidget(), ui.pageHledane);
        QVERIFY(!ui.panelImg->isVisibleTo(&windows.main));
        QVERIFY(!QApplication::activeWindow());
        QVERIFY(windows.main.close());
        QCOMPARE(readRecord(dir).bytes, stored.bytes);
    }

    void sessionRequestStoresOnceAndKeepsTheWindow() {
        WindowFixture f;
        f.start();
        f.ui().editHledaneDnes->setPlainText(QStringLiteral("first"));
        QVERIFY(f.window().commitSession());
        QCOMPARE(f.dir().readFile("minule.txt"), std::string("first\r\n"));
        QVERIFY(f.window().isVisible());  // the logout may still be cancelled
        // The close that ends the session, or a second request, stores nothing again.
        std::filesystem::remove(f.dir().file("minule.txt"));
        std::filesystem::remove(f.dir().file("lexavo.ini"));
        QVERIFY(f.window().commitSession());
        QVERIFY(f.window().close());
        QVERIFY(!f.dir().exists("minule.txt") && !f.dir().exists("lexavo.ini"));
    }

    void cancelledLogoutStoresAgainAtTheNextEnd() {
        WindowFixture f;
        f.start();
        QVERIFY(f.window().commitSession());
        // The user comes back to the window and goes on searching.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&f.window(), &activate);
        f.ui().editHledaneDnes->setPlainText(QStringLiteral("later"));
        QVERIFY(f.window().close());
        QCOMPARE(f.dir().readFile("minule.txt"), std::string("later\r\n"));
    }

    void endRequestRunsTheCloseStepFromAModalDialog() {
        WindowFixture f;
        f.start();
        f.ui().editHledaneDnes->setPlainText(QStringLiteral("kept"));
        int closeSteps = 0;
        QTimer::singleShot(0, [&] {
            QMessageBox box(&f.window());
            QTimer::singleShot(0, [&] {
                f.window().endRun();
                // Counted by the file the step writes: removed, it must not come back.
                closeSteps += f.dir().exists("minule.txt") ? 1 : 0;
                std::filesystem::remove(f.dir().file("minule.txt"));
            });
            box.exec();
        });
        QApplication::exec();  // left by the request, the dialog's loop too
        QCOMPARE(closeSteps, 1);
        f.window().close();  // the window the ended run leaves behind
        QVERIFY(!f.dir().exists("minule.txt"));
    }

    void laterActivationsKeepThisRunsHistory() {
        WindowFixture f;
        f.start();
        f.ui().editHledaneDnes->setPlainText(QStringLiteral("kept"));
        f.window().FormActivate();
        QCOMPARE(f.ui().editHledaneDnes->toPlainText(), QStringLiteral("kept"));
    }
};

LEXAVO_UI_TEST(ShellTest)
#include "shell_test.moc"
