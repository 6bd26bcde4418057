#include "translator/translator_page.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include "dictionary/dictionary_chooser.h"
#include "entry/entry_pane.h"
#include "lookup/dictionary_page.h"
#include "translator/tfrm_preklad.h"
#include "widgets/memo_text.h"
#include "widgets/qt_text.h"
#include "widgets/text_file_dialogs.h"

namespace lexavo {

namespace {

// The language table: the caption of the first tab by the language box's item.
QString foreignTabCaption(int languageItem) {
    return languageItem == kLanguageGerman ? QStringLiteral("Německý text")
                                           : QStringLiteral("Anglický text");
}

// Code page 1250 bytes of the memo's text, lines separated by CR LF.
std::string memoBytes(const QPlainTextEdit& memo) { return toCp1250Lines(memoText(memo)); }

void setMemoBytes(QPlainTextEdit& memo, std::string_view bytes) {
    memo.setPlainText(fromCp1250Lines(bytes));
}

}  // namespace

TranslatorPage::TranslatorPage(const Widgets& ui, const Parts& parts, TextFileDialogs& dialogs,
                               QWidget* window)
    : QObject(window), ui_(ui), parts_(parts), dialogs_(dialogs), window_(window) {
    // At start no language is chosen; the box shows its design text.
    ui_.comboBoxJazyk->setCurrentIndex(-1);
    ui_.comboBoxJazyk->setEditText(QStringLiteral("Jazyk"));
    // The button's hint is kept, but it does not pop up as a tooltip.
    ui_.btnPreklad->setStatusTip(ui_.btnPreklad->toolTip());
    ui_.btnPreklad->setToolTip(QString());
    // Entering a tab sheet hands the focus on to its memo.
    ui_.tabAnglickyText->setFocusProxy(ui_.editAnglickyText);
    ui_.tabCeskyText->setFocusProxy(ui_.editCeskyText);
    connectCommands();
}

void TranslatorPage::connectCommands() {
    // Only a choice in the box itself runs its change handler, not a selection in code.
    connect(ui_.comboBoxJazyk, &QComboBox::activated, this, [this](int) { comboBoxJazykChange(); });
    connect(ui_.btnPreklad, &QToolButton::clicked, this, &TranslatorPage::btnPrekladClick);
    connect(ui_.Peloittext1, &QAction::triggered, this, &TranslatorPage::Peloittext1Click);
    connect(ui_.mnuDoAng, &QAction::triggered, this, &TranslatorPage::mnuDoAngClick);
    connect(ui_.mnuDoNem, &QAction::triggered, this, &TranslatorPage::mnuDoNemClick);
    connect(ui_.Otevtanglicknmecktext1, &QAction::triggered, this,
            &TranslatorPage::Otevtanglicknmecktext1Click);
    connect(ui_.Otevtesktext1, &QAction::triggered, this, &TranslatorPage::Otevtesktext1Click);
    connect(ui_.Uloitcizojazyntext1, &QAction::triggered, this,
            &TranslatorPage::Uloitcizojazyntext1Click);
    connect(ui_.Uloitesktext1, &QAction::triggered, this, &TranslatorPage::Uloitesktext1Click);
}

void TranslatorPage::attach(TfrmPreklad* progress) {
    progress_ = progress;
    if (progress != nullptr) progress->setTranslation([this] { translateText(); });
}

void TranslatorPage::comboBoxJazykChange() {
    const int item = ui_.comboBoxJazyk->currentIndex();
    if (item != kLanguageEnglish && item != kLanguageGerman) return;
    ui_.PageControlPreklad->setTabText(ui_.PageControlPreklad->indexOf(ui_.tabAnglickyText),
                                       foreignTabCaption(item));
    ui_.mnuDoAng->setChecked(item == kLanguageEnglish);
    ui_.mnuDoNem->setChecked(item == kLanguageGerman);
}

void TranslatorPage::mnuDoAngClick() {
    ui_.comboBoxJazyk->setCurrentIndex(kLanguageEnglish);
    comboBoxJazykChange();
}

void TranslatorPage::mnuDoNemClick() {
    ui_.comboBoxJazyk->setCurrentIndex(kLanguageGerman);
    comboBoxJazykChange();
}

void TranslatorPage::normaliseLanguage() {
    // Selecting from code raises no change handler, and the checks of the two
    // language items stay as they are.
    QComboBox* box = ui_.comboBoxJazyk;
    if (box->currentIndex() != kLanguageEnglish && box->currentIndex() != kLanguageGerman) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(kLanguageEnglish);
    }
    ui_.PageControlPreklad->setTabText(ui_.PageControlPreklad->indexOf(ui_.tabAnglickyText),
                                       foreignTabCaption(box->currentIndex()));
}

void TranslatorPage::btnPrekladClick() {
    if (progress_ != nullptr) progress_->exec();
}

void TranslatorPage::translateText() {
    if (progress_ != nullptr) progress_->stopTimer();
    const bool fromCzech = ui_.PageControlPreklad->currentWidget() == ui_.tabCeskyText;
    const TranslationDirection direction =
        translationDirection(ui_.comboBoxJazyk->currentIndex(), fromCzech);

    // The dictionary of the direction; without a title the one in use is reloaded.
    parts_.chooser.openByTitle(direction.wantedTitle);
    parts_.dictionaryPage.listFromStart();

    ui_.editAnglickyText->moveCursor(QTextCursor::Start);
    ui_.editCeskyText->moveCursor(QTextCursor::Start);
    QPlainTextEdit* source = fromCzech ? ui_.editCeskyText : ui_.editAnglickyText;
    QPlainTextEdit* target = fromCzech ? ui_.editAnglickyText : ui_.editCeskyText;
    QWidget* targetTab = fromCzech ? ui_.tabAnglickyText : ui_.tabCeskyText;

    std::string result;
    const TranslationOutcome outcome = parts_.translator.translate(
        parts_.store, parts_.entryReader, memoBytes(*source), direction.fixed, result);
    if (outcome.entryFileMissing) {
        // One message for the whole text, however many words needed the file.
        reportMissingEntryFile(progress_ != nullptr ? static_cast<QWidget*>(progress_) : window_);
    }

    target->clear();
    setMemoBytes(*target, result);
    ui_.PageControlPreklad->setCurrentWidget(targetTab);
    if (ui_.gotebookPlocha->currentWidget() == ui_.pagePrekladac) target->setFocus();
    if (progress_ != nullptr) progress_->accept();
    // With the progress window gone the main window is the active one again, also
    // after the missing-file message took the activation from it.
    window_->activateWindow();
}

void TranslatorPage::Otevtanglicknmecktext1Click() { dialogs_.openInto(*ui_.editAnglickyText); }
void TranslatorPage::Otevtesktext1Click() { dialogs_.openInto(*ui_.editCeskyText); }
void TranslatorPage::Uloitcizojazyntext1Click() { dialogs_.saveFrom(*ui_.editAnglickyText); }
void TranslatorPage::Uloitesktext1Click() { dialogs_.saveFrom(*ui_.editCeskyText); }

}  // namespace lexavo
