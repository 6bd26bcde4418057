// The translation assistant's window over a temporary program folder with the
// English-Czech and Czech-English test sets: which set answers, what it offers where
// nothing is found, longer texts, and that the main program's files stay as they are.

#include "assistant/assistant_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <memory>

#include "app/config_record.h"
#include "lookup/suggestion_line.h"
#include "ui_fixture.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

void writeRecordWithTitle(const TempProgramDir& dir, const char* titleUtf8) {
    ConfigRecord r;
    r.setDictionaryTitle(cp(titleUtf8));
    dir.writeFile("lexavo.ini", std::string(r.bytes.data(), r.bytes.size()));
}

}  // namespace

class AssistantWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramDir> dir_;
    std::unique_ptr<AssistantWindow> w_;

    void start(const char* titleUtf8) {
        dir_ = std::make_unique<TempProgramDir>();
        writeEnglishCzechSet(*dir_);
        writeTestSet(*dir_, "czeang", kTitleCzechEnglish, cp("Čj->Aj"), cp("  České slovo:  "),
                     {{"a", {"and"}}, {cp("dům"), {"house"}}, {cp("kočka"), {"cat"}}});
        if (titleUtf8 != nullptr) writeRecordWithTitle(*dir_, titleUtf8);
        w_ = std::make_unique<AssistantWindow>(ProgramFolder(dir_->path()));
        w_->show();
    }
    QStringList offered() {
        QStringList out;
        for (QPushButton* b : w_->findChildren<QPushButton*>()) {
            if (b->isVisibleTo(w_.get()) && !b->text().isEmpty()) out << b->text();
        }
        return out;
    }

  private slots:
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    // The set the main program uses answers; a word only the other direction of the
    // pair knows is answered there, and the window says so.
    void theOtherDirectionAnswersWhatTheSetLacks_data() {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("otherDirection");
        QTest::newRow("english word")
            << QStringLiteral("house,") << q("house – Překladový pomocník") << true;
        QTest::newRow("czech word") << q("kočka") << q("kočka – Překladový pomocník") << false;
    }
    void theOtherDirectionAnswersWhatTheSetLacks() {
        QFETCH(QString, copied);
        QFETCH(QString, title);
        QFETCH(bool, otherDirection);
        start("Česko-anglický slovník");
        w_->takeText(copied);
        QCOMPARE(w_->windowTitle(), title);
        QCOMPARE(w_->answeredBy().contains(q("opačném směru")), otherDirection);
        QCOMPARE(
            w_->answeredBy().startsWith(otherDirection ? q("Anglicko-český") : q("Česko-anglický")),
            true);
    }

    // Found nowhere: the not-found line and what the user may have meant.
    void missingWordOffersSuggestions() {
        start(nullptr);  // no record: the main program's first choice, English-Czech
        w_->takeText(QStringLiteral("hosue"));
        QVERIFY(offered().contains(QStringLiteral("house")));
        w_->takeText(QStringLiteral("house"));
        QVERIFY(offered().isEmpty());
    }

    // A text longer than a short expression is translated word by word.
    void longerTextIsTranslatedWordByWord() {
        start("Anglicko-český slovník");
        auto* translation = w_->findChild<QPlainTextEdit*>(QStringLiteral("editPreklad"));
        QVERIFY(translation != nullptr && !translation->isVisible());
        w_->takeText(QStringLiteral("The dog and the house.\nHello world."));
        QVERIFY(translation->isVisible());
        QCOMPARE(translation->toPlainText(), q("ten pes a ten dům.\nahoj svět."));
        w_->takeText(QStringLiteral("dog"));
        QVERIFY(!translation->isVisible());
    }

    // Only its own settings file is written, and its place comes back.
    void keepsItsPlaceAndLeavesTheMainProgramsFilesAlone() {
        start("Anglicko-český slovník");
        const std::string record = dir_->readFile("lexavo.ini");
        w_->setGeometry(70, 60, 400, 330);
        w_->takeText(QStringLiteral("house"));
        QVERIFY(w_->close());
        QCOMPARE(dir_->readFile("lexavo.ini"), record);
        QVERIFY(!dir_->exists("minule.txt"));
        QVERIFY(dir_->exists("pomocnik.ini"));
        const QRect place = w_->frameGeometry();  // stored with its frame
        w_ = std::make_unique<AssistantWindow>(ProgramFolder(dir_->path()));
        w_->show();
        QTRY_COMPARE(w_->frameGeometry(), place);
    }
};

LEXAVO_UI_TEST(AssistantWindowTest)
#include "assistant_window_test.moc"
