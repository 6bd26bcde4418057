// The assistant launcher, its help text and the information dialogs.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/information_dialogs.h"
#include "ui_fixture.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

// Runs check on the modal window that the next command opens, then closes it.
void onNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* w = QApplication::activeModalWidget();
        check(w);
        if (w != nullptr) w->close();
    });
}

int linesIn(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

class AssistantTest : public QObject {
    Q_OBJECT
  private slots:
    // The Part's name first, then the name without an extension; each start runs
    // the one found first.
    void startsTheAssistantBesideTheProgramEachTime_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("started");
        const QString exe = QStringLiteral("pomocnik.exe");
        const QString plain = QStringLiteral("pomocnik");
        QTest::newRow("pomocnik.exe") << QStringList{exe} << exe;
        QTest::newRow("pomocnik") << QStringList{plain} << plain;
        QTest::newRow("both") << QStringList{plain, exe} << exe;
    }
    void startsTheAssistantBesideTheProgramEachTime() {
        QFETCH(QStringList, present);
        QFETCH(QString, started);
        WindowFixture f;
        for (const QString& name : present) {
            const std::string file = name.toStdString();
            f.dir().writeFile(
                file,
                "#!/bin/sh\necho \"$(basename \"$0\")\" >> \"$(dirname \"$0\")/started.txt\"\n");
            std::filesystem::permissions(f.dir().file(file), std::filesystem::perms::owner_all);
        }
        f.start();
        const QString before = QDir::currentPath();
        QDir::setCurrent(QDir::rootPath());  // as a file dialog may leave it
        QTest::keyClick(&f.window(), Qt::Key_F6);
        f.ui().btnPomocnikFast->click();
        QTRY_COMPARE(linesIn(f.dir().readFile("started.txt")), 2);
        const std::string once = started.toStdString() + "\n";
        QCOMPARE(f.dir().readFile("started.txt"), once + once);
        QDir::setCurrent(before);
    }

    void missingAssistantIsNoError() {
        WindowFixture f;
        f.start();
        f.ui().Spustitpekladovhopomocnka1->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(f.window().isVisible());
    }

    void helpTextFromBothMenus() {
        WindowFixture f;
        f.start();
        for (QAction* item : {f.ui().Npovdapomocnka1, f.ui().Npovdapomocnka2}) {
            QString caption;
            QString text;
            onNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box != nullptr);
                caption = box->windowTitle();
                text = box->text();
                QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            });
            item->trigger();
            QCOMPARE(caption, q("Nápověda pro rychlého pomocníka..."));
            QCOMPARE(text, q("Pomocník slouží k rychlému hledání slov ve slovníku.\n"
                             "Také lze hledat přímo slovo, které zkopírujete do schránky tak,\n"
                             "že ho označíte a kombinací kláves Ctrl+C jej zkopírujete.\n"
                             "Slovo se ihned přeloží v okně programu."));
        }
    }

    void informationDialogsAreModal() {
        WindowFixture f;
        f.start();
        QString shown;
        onNextModal([&](QWidget* w) { shown = w ? w->windowTitle() : QString(); });
        QTest::keyClick(&f.window(), Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(shown, q("O programu..."));
        onNextModal([&](QWidget* w) { shown = w ? w->windowTitle() : QString(); });
        QTest::keyClick(&f.window(), Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(shown, q("Kontakt na výrobce"));
        // Closing them hands the activation back without undoing this run's work.
        f.ui().editHledaneDnes->setPlainText(QStringLiteral("kept"));
        onNextModal([](QWidget*) {});
        f.ui().Oprogramu1->trigger();
        QTest::qWait(20);
        QCOMPARE(f.ui().editHledaneDnes->toPlainText(), QStringLiteral("kept"));
    }
};

LEXAVO_UI_TEST(AssistantTest)
#include "assistant_test.moc"
