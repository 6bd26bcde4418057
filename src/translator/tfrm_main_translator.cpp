// The translator page: the translation run behind the progress window, the language
// choice and the text files of the two tabs.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include "app/tfrm_main.h"
#include "text/memo_text.h"
#include "text/qt_text.h"
#include "text/text_lines.h"
#include "translator/text_translator.h"
#include "translator/tfrm_preklad.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

// The language table: the caption of the first tab by the language box's item.
QString foreignTabCaption(int languageItem) {
    return languageItem == kLanguageGerman ? QStringLiteral("Německý text")
                                           : QStringLiteral("Anglický text");
}

// Code page 1250 bytes of the memo's text, lines separated by CR LF.
std::string memoBytes(const QPlainTextEdit& memo) {
    QString text = memoText(memo);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toCp1250(text);
}

void setMemoBytes(QPlainTextEdit& memo, std::string_view bytes) {
    QString text = fromCp1250(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo.setPlainText(text);
}

// Failures of the text files go to the application's general error box.
void showFileError(QWidget* parent, const QString& path, const QString& systemText) {
    QMessageBox::critical(parent, QStringLiteral("Lexavo 6"),
                          QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), systemText));
}

}  // namespace

void TfrmMain::attachTranslator(TfrmPreklad* preklad) {
    if (!translatorConnected_) connectTranslatorHandlers();
    translatorConnected_ = true;
    frmPreklad_ = preklad;
    if (preklad != nullptr) preklad->setTranslation([this] { translateText(); });
}

void TfrmMain::connectTranslatorHandlers() {
    // At start no language is chosen; the box shows its design text.
    ui->comboBoxJazyk->setCurrentIndex(-1);
    ui->comboBoxJazyk->setEditText(QStringLiteral("Jazyk"));
    // The button's hint is kept, but it does not pop up as a tooltip.
    ui->btnPreklad->setStatusTip(ui->btnPreklad->toolTip());
    ui->btnPreklad->setToolTip(QString());
    // Only a choice in the box itself runs its change handler, not a selection in code.
    connect(ui->comboBoxJazyk, &QComboBox::activated, this, [this](int) { comboBoxJazykChange(); });
    connect(ui->btnPreklad, &QToolButton::clicked, this, &TfrmMain::btnPrekladClick);
    connect(ui->Peloittext1, &QAction::triggered, this, &TfrmMain::Peloittext1Click);
    connect(ui->mnuDoAng, &QAction::triggered, this, &TfrmMain::mnuDoAngClick);
    connect(ui->mnuDoNem, &QAction::triggered, this, &TfrmMain::mnuDoNemClick);
    connect(ui->Otevtanglicknmecktext1, &QAction::triggered, this,
            &TfrmMain::Otevtanglicknmecktext1Click);
    connect(ui->Otevtesktext1, &QAction::triggered, this, &TfrmMain::Otevtesktext1Click);
    connect(ui->Uloitcizojazyntext1, &QAction::triggered, this,
            &TfrmMain::Uloitcizojazyntext1Click);
    connect(ui->Uloitesktext1, &QAction::triggered, this, &TfrmMain::Uloitesktext1Click);
    // Entering a tab sheet hands the focus on to its memo.
    ui->tabAnglickyText->setFocusProxy(ui->editAnglickyText);
    ui->tabCeskyText->setFocusProxy(ui->editCeskyText);
}

void TfrmMain::comboBoxJazykChange() {
    const int item = ui->comboBoxJazyk->currentIndex();
    if (item != kLanguageEnglish && item != kLanguageGerman) return;
    ui->PageControlPreklad->setTabText(ui->PageControlPreklad->indexOf(ui->tabAnglickyText),
                                       foreignTabCaption(item));
    ui->mnuDoAng->setChecked(item == kLanguageEnglish);
    ui->mnuDoNem->setChecked(item == kLanguageGerman);
}

void TfrmMain::mnuDoAngClick() {
    ui->comboBoxJazyk->setCurrentIndex(kLanguageEnglish);
    comboBoxJazykChange();
}

void TfrmMain::mnuDoNemClick() {
    ui->comboBoxJazyk->setCurrentIndex(kLanguageGerman);
    comboBoxJazykChange();
}

void TfrmMain::btnPrekladClick() {
    if (frmPreklad_ != nullptr) frmPreklad_->exec();
}

void TfrmMain::Peloittext1Click() { btnPrekladClick(); }

void TfrmMain::translateText() {
    if (frmPreklad_ != nullptr) frmPreklad_->Timer1->stop();
    const bool fromCzech = ui->PageControlPreklad->currentWidget() == ui->tabCeskyText;
    const TranslationDirection direction =
        translationDirection(ui->comboBoxJazyk->currentIndex(), fromCzech);

    // The dictionary of the direction; without a title the one in use is reloaded.
    openDictionaryByTitle(direction.wantedTitle);
    state_.inputWord.set("a");
    searchPrefix(-1);

    ui->editAnglickyText->moveCursor(QTextCursor::Start);
    ui->editCeskyText->moveCursor(QTextCursor::Start);
    QPlainTextEdit* source = fromCzech ? ui->editCeskyText : ui->editAnglickyText;
    QPlainTextEdit* target = fromCzech ? ui->editAnglickyText : ui->editCeskyText;
    QWidget* targetTab = fromCzech ? ui->tabAnglickyText : ui->tabCeskyText;

    std::string result;
    const TranslationOutcome outcome =
        state_.translator.translate(state_.store, state_.entryReader, state_.programDir,
                                    memoBytes(*source), direction.fixed, result);
    if (outcome.entryFileMissing) {
        // One message for the whole text, however many words needed the file.
        QMessageBox::warning(frmPreklad_ != nullptr ? static_cast<QWidget*>(frmPreklad_) : this,
                             QStringLiteral("Chyba..."),
                             QStringLiteral("Soubor se slovníkem nebyl nalezen!"));
    }

    target->clear();
    setMemoBytes(*target, result);
    ui->PageControlPreklad->setCurrentWidget(targetTab);
    if (ui->gotebookPlocha->currentWidget() == ui->pagePrekladac) target->setFocus();
    if (frmPreklad_ != nullptr) frmPreklad_->accept();
}

QFileDialog* TfrmMain::openDialog1() {
    if (OpenDialog1 == nullptr) {
        OpenDialog1 = new QFileDialog(this);
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
        OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        OpenDialog1->setNameFilter(QStringLiteral("Textové soubory (*.txt)"));
        // The filter list names the kind of file only, without its pattern.
        OpenDialog1->setOption(QFileDialog::HideNameFilterDetails);
    }
    return OpenDialog1;
}

QFileDialog* TfrmMain::saveDialog1() {
    if (SaveDialog1 == nullptr) {
        // Asks before it overwrites a file; it is resizable and has no read-only box.
        SaveDialog1 = new QFileDialog(this);
        SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
        SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setFileMode(QFileDialog::AnyFile);
        SaveDialog1->setNameFilter(QStringLiteral("Textové soubory (*.txt)"));
        // The filter list names the kind of file only, without its pattern.
        SaveDialog1->setOption(QFileDialog::HideNameFilterDetails);
        SaveDialog1->setDefaultSuffix(QStringLiteral("txt"));
    }
    return SaveDialog1;
}

void TfrmMain::openTextInto(QPlainTextEdit* memo) {
    QFileDialog* dialog = openDialog1();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().constFirst();
    // Emptied first: a file that cannot be read leaves the memo empty.
    memo->clear();
    QString error;
    if (!loadMemoFromFile(*memo, path, &error)) showFileError(this, path, error);
}

void TfrmMain::saveTextFrom(QPlainTextEdit* memo) {
    QFileDialog* dialog = saveDialog1();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().constFirst();
    QString error;
    if (!saveMemoToFile(*memo, path, &error)) showFileError(this, path, error);
}

void TfrmMain::Otevtanglicknmecktext1Click() { openTextInto(ui->editAnglickyText); }
void TfrmMain::Otevtesktext1Click() { openTextInto(ui->editCeskyText); }
void TfrmMain::Uloitcizojazyntext1Click() { saveTextFrom(ui->editAnglickyText); }
void TfrmMain::Uloitesktext1Click() { saveTextFrom(ui->editCeskyText); }

}  // namespace lexavo
