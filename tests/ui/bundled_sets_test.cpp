// The program started on the bundled dictionaries lists all four directions and
// finds a common word in each.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "ui_fixture.h"
#include "ui_test_main.h"
#include "widgets/qt_text.h"

using namespace lexavo;
using namespace lexavo::testing;

class BundledSetsTest : public QObject {
    Q_OBJECT
  private slots:
    void chooserListsTheFourBundledDictionaries() {
        WindowFixture f;
        for (const auto& e : std::filesystem::directory_iterator(LEXAVO_BUNDLED_DIR)) {
            const std::string ext = e.path().extension().string();
            if (ext == ".nfo" || ext == ".dt1" || ext == ".dt2") {
                std::filesystem::copy_file(e.path(), f.dir().file(e.path().filename().string()));
            }
        }
        f.start();
        QStringList titles;
        for (int i = 0; i < f.ui().ComboBoxSlovnik->count(); ++i) {
            titles << f.ui().ComboBoxSlovnik->itemText(i);
        }
        QCOMPARE(titles, (QStringList{q("Anglicko-český slovník"), q("Česko-anglický slovník"),
                                      q("Česko-německý slovník"), q("Německo-český slovník")}));
        QCOMPARE(f.window().windowTitle(), q("[Aj->Čj] Lexavo 6  (www.lexavo.example)"));
        // Each direction finds its common word through the word list's count line.
        const char* words[] = {"house", "dům", "dům", "haus"};
        for (int i = 0; i < 4; ++i) {
            f.ui().ComboBoxSlovnik->setCurrentIndex(i);
            f.window().chooser().ComboBoxSlovnikChange();
            f.ui().editSlovo->setText(q(words[i]));
            QVERIFY2(!f.ui().panelNalezeno->text().endsWith(QStringLiteral(": 0 slov")),
                     qPrintable(f.ui().panelNalezeno->text()));
        }
    }
};

LEXAVO_UI_TEST(BundledSetsTest)
#include "bundled_sets_test.moc"
