// Qt's own dialogs and buttons speak Czech once the program has loaded Qt's Czech
// texts, and the program's own texts stay as they are.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/lexavo_application.h"
#include "ui_fixture.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

QString withoutAccelerator(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

class CzechDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Not found beside the program, so Qt's own folder serves.
        TempProgramDir dir;
        QVERIFY(
            installCzechQtTexts(*QCoreApplication::instance(), QString::fromStdString(dir.path())));
    }

    void fileDialogIsCzech() {
        QFileDialog dialog(nullptr, QString(), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QCOMPARE(withoutAccelerator(buttons->button(QDialogButtonBox::Open)->text()), q("Otevřít"));
        QCOMPARE(withoutAccelerator(buttons->button(QDialogButtonBox::Cancel)->text()),
                 q("Zrušit"));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
        QVERIFY2(!labels.contains(QStringLiteral("Look in:")), qPrintable(labels.join(u'|')));
        QVERIFY2(!labels.contains(QStringLiteral("File &name:")), qPrintable(labels.join(u'|')));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(withoutAccelerator(buttons->button(QDialogButtonBox::Save)->text()), q("Uložit"));
    }

    void messageBoxButtonsAreCzech() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Lexavo 6"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(withoutAccelerator(box.button(QMessageBox::Yes)->text()), q("Ano"));
        QCOMPARE(withoutAccelerator(box.button(QMessageBox::No)->text()), q("Ne"));
        QCOMPARE(withoutAccelerator(box.button(QMessageBox::Cancel)->text()), q("Zrušit"));
    }

    void programTextsStayAsTheyAre() {
        WindowFixture f;
        writeEnglishCzechSet(f.dir());
        f.start();
        QCOMPARE(f.window().windowTitle(), q("[Aj->Čj] Lexavo 6  (www.lexavo.example)"));
        QStringList menus;
        for (QAction* a : f.window().menuBar()->actions()) menus << a->text();
        QCOMPARE(menus.first(), q("Slovník"));
        QCOMPARE(f.ui().btnPrelozit->text(), q("Přeložit"));
    }
};

LEXAVO_UI_TEST(CzechDialogsTest)
#include "czech_dialogs_test.moc"
