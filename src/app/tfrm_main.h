#pragma once
// The main window, as a frame: it owns the form and the objects that do the work
// (the dictionary chooser, the dictionary page, the translator page, the shell and
// the session record) and keeps the handler names of the window, each a one-line
// call into the object that does the work.

#include <QMainWindow>
#include <memory>
#include <string_view>

#include "app/program_state.h"
#include "app/session_record.h"
#include "app/shell.h"
#include "dictionary/dictionary_chooser.h"
#include "lookup/dictionary_page.h"
#include "text/text_file_dialogs.h"
#include "translator/translator_page.h"

namespace Ui {
class TfrmMain;
}

class QKeyEvent;
class QPrinter;

namespace lexavo {

class EntryView;
class TAboutBox;
class TfrmKontakt;
class TfrmPreklad;

class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the creation step: the catalogue, the configuration record, the wanted
    // dictionary, the first word list and a blank entry picture.
    explicit TfrmMain(ProgramState& state, QWidget* parent = nullptr);
    ~TfrmMain() override;

    ProgramState& state() { return state_; }
    Ui::TfrmMain* form() { return ui; }
    DictionaryChooser& chooser() { return *chooser_; }
    DictionaryPage& dictionaryPage() { return *dictionaryPage_; }
    TranslatorPage& translatorPage() { return *translatorPage_; }
    Shell& shell() { return *shell_; }
    SessionRecord& session() { return *session_; }

    // Lifecycle.
    void FormCreate();
    void FormActivate();
    // The close step; false when the close must be abandoned.
    bool FormCloseQuery() { return session_->closeQuery(); }
    void Konecprogramu1Click();
    // A request from outside to end the run (SIGTERM, SIGHUP, SIGINT): the close
    // step runs as for the close box, and when it allows the close the run ends,
    // whatever dialog is open.
    void endRun();
    // The session manager's request before logout or shutdown: the close step runs
    // and the window stays, because the logout may still be cancelled. The close
    // that ends the session then stores nothing again, unless the window was
    // activated in between (the logout was cancelled and the user went on).
    // False when the history could not be stored.
    bool commitSession();
    // Whether lexavo.ini existed at start-up (the first run has none).
    bool hadConfigFile() const { return session_->hadConfigFile(); }
    // The dialogs the program entry creates after the window.
    void attachDialogs(TAboutBox* about, TfrmKontakt* kontakt);
    void attachTranslator(TfrmPreklad* preklad) { translatorPage_->attach(preklad); }

    // The dictionary chooser.
    void openDictionaryByTitle(std::string_view title) { chooser_->openByTitle(title); }
    void ComboBoxSlovnikChange() { chooser_->change(); }
    void Dalslovnk1Click() { chooser_->next(); }
    void Pedchozslovnk1Click() { chooser_->previous(); }
    void ToolButton6Click() { chooser_->next(); }
    void ToolButton5Click() { chooser_->previous(); }

    // The shell.
    void btnRezimySlovnikClick() { shell_->btnRezimySlovnikClick(); }
    void btnRezimyPrekladacClick() { shell_->btnRezimyPrekladacClick(); }
    void btnRezimyPoznamkyClick() { shell_->btnRezimyPoznamkyClick(); }
    void btnRezimyHledaneClick() { shell_->btnRezimyHledaneClick(); }
    void Uivatelskslovnk1Click() { shell_->Uivatelskslovnk1Click(); }
    void mnuLogoClick() { shell_->mnuLogoClick(); }
    void mnuFastClick() { shell_->mnuFastClick(); }
    void mnuInfoClick() { shell_->mnuInfoClick(); }
    void panelRezimyResize() { shell_->panelRezimyResize(); }

    // The dictionary page.
    void editSlovoChange() { dictionaryPage_->editSlovoChange(); }
    bool editSlovoKeyDown(int key) { return dictionaryPage_->editSlovoKeyDown(key); }
    bool muteWordChange() const { return dictionaryPage_->muteWordChange(); }
    void btnPrelozitClick() { dictionaryPage_->btnPrelozitClick(); }
    void Peloitslovo1Click() { dictionaryPage_->btnPrelozitClick(); }
    void ToolButton8Click() { dictionaryPage_->btnPrelozitClick(); }
    void ToolButton2Click() { dictionaryPage_->history().save(); }
    void ToolButton3Click() { dictionaryPage_->history().print(); }
    void Uloitpeklad1Click() { dictionaryPage_->history().save(); }
    void Vytisknoutpeklad1Click() { dictionaryPage_->history().print(); }
    void Timer2Timer() { dictionaryPage_->Timer2Timer(); }
    void stringGridSeznamEnter() { dictionaryPage_->stringGridSeznamEnter(); }
    void stringGridSeznamExit() { dictionaryPage_->stringGridSeznamExit(); }
    void stringGridSeznamClick() { dictionaryPage_->stringGridSeznamClick(); }
    bool stringGridSeznamKeyDown(QKeyEvent* e) {
        return dictionaryPage_->stringGridSeznamKeyDown(e);
    }
    void stringGridSeznamDblClick() { dictionaryPage_->stringGridSeznamDblClick(); }
    void panelSeznamResize() { dictionaryPage_->panelSeznamResize(); }
    void clearEntryCanvas() { dictionaryPage_->entryPane().clear(); }
    void ipaintPrekladPaint(EntryView& view) { dictionaryPage_->entryPane().paint(view); }
    // The printer the history is printed on; tests point it at a PDF file.
    QPrinter& historyPrinter() { return dictionaryPage_->history().printer(); }
    // Special letters: ß, ä, ë, ö and ü as code page 1250 bytes.
    void btnSymbol1Click() { dictionaryPage_->insertSpecialLetter('\xDF'); }
    void btnSymbol2Click() { dictionaryPage_->insertSpecialLetter('\xE4'); }
    void btnSymbol3Click() { dictionaryPage_->insertSpecialLetter('\xEB'); }
    void btnSymbol4Click() { dictionaryPage_->insertSpecialLetter('\xF6'); }
    void btnSymbol5Click() { dictionaryPage_->insertSpecialLetter('\xFC'); }
    void OstrS1Click() { btnSymbol1Click(); }
    void Pehlasovana1Click() { btnSymbol2Click(); }
    void Pehlasovane1Click() { btnSymbol3Click(); }
    void Pehlasovano1Click() { btnSymbol4Click(); }
    void Pehlasovanu1Click() { btnSymbol5Click(); }

    // The translator page.
    void btnPrekladClick() { translatorPage_->btnPrekladClick(); }
    void Peloittext1Click() { translatorPage_->btnPrekladClick(); }
    void comboBoxJazykChange() { translatorPage_->comboBoxJazykChange(); }
    void mnuDoAngClick() { translatorPage_->mnuDoAngClick(); }
    void mnuDoNemClick() { translatorPage_->mnuDoNemClick(); }
    void Otevtanglicknmecktext1Click() { translatorPage_->openForeignText(); }
    void Otevtesktext1Click() { translatorPage_->openCzechText(); }
    void Uloitcizojazyntext1Click() { translatorPage_->saveForeignText(); }
    void Uloitesktext1Click() { translatorPage_->saveCzechText(); }

    // The first show runs the activation step before the window appears, so that a
    // window the window manager never activates still shows and stores the user's
    // state, not the one it was created with.
    void setVisible(bool visible) override;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void createParts();

    ProgramState& state_;
    Ui::TfrmMain* ui;
    TextFileDialogs dialogs_;
    DictionaryChooser* chooser_ = nullptr;
    DictionaryPage* dictionaryPage_ = nullptr;
    TranslatorPage* translatorPage_ = nullptr;
    Shell* shell_ = nullptr;
    std::unique_ptr<SessionRecord> session_;
    bool activated_ = false;
    bool quitWithoutClose_ = false;
    bool sessionStored_ = false;
};

}  // namespace lexavo
