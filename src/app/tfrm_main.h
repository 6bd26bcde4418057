#pragma once
// The main window, as a frame: it owns the form and the objects that do the work
// (the dictionary chooser, the dictionary page, the translator page, the shell and
// the session record), each of which connects its own widgets to its handlers; the
// frame runs the window's creation, activation and close steps.

#include <QMainWindow>
#include <memory>
#include <string_view>

#include "app/program_state.h"
#include "app/session_record.h"
#include "app/shell.h"
#include "dictionary/dictionary_chooser.h"
#include "lookup/dictionary_page.h"
#include "translator/translator_page.h"
#include "widgets/text_file_dialogs.h"

namespace Ui {
class TfrmMain;
}

class QPrinter;

namespace lexavo {

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

    // Lifecycle.
    void FormActivate();
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

    // The printer the history is printed on; tests point it at a PDF file.
    QPrinter& historyPrinter() { return dictionaryPage_->history().printer(); }

    // The first show runs the activation step before the window appears, so that a
    // window the window manager never activates still shows and stores the user's
    // state, not the one it was created with.
    void setVisible(bool visible) override;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void createParts();
    void FormCreate();
    // The close step; false when the close must be abandoned.
    bool FormCloseQuery() { return session_->closeQuery(); }

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
