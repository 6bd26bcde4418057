#pragma once
// The main window. Its handlers are named after the control and the event; each
// reads controls, calls the core, and writes controls. The implementation is split
// by subsystem: tfrm_main.cpp (creation, activation, close), the catalogue handlers
// in dictionary/, the lookup handlers in lookup/, and so on.

#include <QMainWindow>
#include <QPushButton>

class QFileDialog;
class QPlainTextEdit;
#include <memory>
#include <string>
#include <string_view>

#include "app/config_record.h"
#include "app/program_state.h"

class QFileDialog;
class QKeyEvent;
class QPrintDialog;
class QPrinter;
class QTimer;

namespace Ui {
class TfrmMain;
}

namespace lexavo {

class MenuShortcuts;
class EntryView;
class TAboutBox;
class WordListModel;
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

    // Lifecycle.
    void FormCreate();
    void FormActivate();
    // The close step; false when the close must be abandoned.
    bool FormCloseQuery();
    void Konecprogramu1Click();
    // Whether lexavo.ini existed at start-up (the first run has none).
    bool hadConfigFile() const { return hadConfigFile_; }
    // The About box and the contact dialog live as long as the window; the program
    // entry creates them after the window.
    void attachDialogs(TAboutBox* about, TfrmKontakt* kontakt);

    // Dictionary catalogue and switching.
    void fillDictionaryChooser();
    void openDictionaryByTitle(std::string_view title);
    void ComboBoxSlovnikChange();
    void Dalslovnk1Click();
    void Pedchozslovnk1Click();
    // Loads the dictionary named by the store's file names and shows its caption and
    // word label when the information record was read.
    void loadDictionary();

    // --- Application shell: pages, mode bar, view options, commands ---
    // The mode switch operations, one per page.
    void btnRezimySlovnikClick();
    void btnRezimyPrekladacClick();
    void btnRezimyPoznamkyClick();
    void btnRezimyHledaneClick();
    void Uivatelskslovnk1Click();
    // The three view options.
    void mnuLogoClick();
    void mnuFastClick();
    void mnuInfoClick();
    void panelRezimyResize();
    MenuShortcuts& menuShortcuts() { return *menuShortcuts_; }
    // The translator page's language step of its mode switch: English when no
    // language is chosen yet, and the first tab captioned for the language.
    void normaliseTranslatorLanguage();

    // --- Configuration record and run files ---
    void applyConfigRecord();
    void loadRunFiles();
    void captureConfigRecord();
    // Writes this run's search history to minule.txt; false when it cannot.
    bool saveSearchHistory();
    const ConfigRecord& configRecord() const { return configRecord_; }

    // --- Special letters: appended to the word field on the dictionary page ---
    void insertSpecialLetter(char letter);
    void btnSymbol1Click();
    void btnSymbol2Click();
    void btnSymbol3Click();
    void btnSymbol4Click();
    void btnSymbol5Click();

    // --- The assistant program and the information dialogs ---
    void startAssistant();
    void showAssistantHelp();

    // --- Text translator: the translator page and the translation run ---
    // The program entry creates the progress window after this window; attaching it
    // wires the translator page's commands (the window owns neither).
    void attachTranslator(TfrmPreklad* preklad);
    TfrmPreklad* progressWindow() { return frmPreklad_; }
    // The whole run, from the progress window's tick: load the dictionary of the
    // direction, translate the source tab's text into the other tab, close the window.
    void translateText();
    void btnPrekladClick();
    void Peloittext1Click();
    void comboBoxJazykChange();
    void mnuDoAngClick();
    void mnuDoNemClick();
    void Otevtanglicknmecktext1Click();
    void Otevtesktext1Click();
    void Uloitcizojazyntext1Click();
    void Uloitesktext1Click();
    // The file dialogs of the window, made on first use.
    QFileDialog* openDialog1();
    QFileDialog* saveDialog1();

    // --- Dictionary page: prefix search, word list, translate command, search
    // history, entry picture and entry view ---
    void searchPrefix(int32_t threshold);
    void editSlovoChange();
    // Enter translates, Up and Down enter the word list; true when the key was taken.
    bool editSlovoKeyDown(int key);
    void btnPrelozitClick();
    void Peloitslovo1Click();
    void ToolButton8Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void Uloitpeklad1Click();
    void Vytisknoutpeklad1Click();
    void takeCurrentRow();
    void Timer2Timer();
    void stringGridSeznamEnter();
    void stringGridSeznamExit();
    void stringGridSeznamClick();
    // True when the key was taken; Up and Down still move the current row.
    bool stringGridSeznamKeyDown(QKeyEvent* event);
    void stringGridSeznamDblClick();
    void panelSeznamResize();
    void clearEntryCanvas();
    void renderEntry();
    // Draws message (formatted by formatNotFound) as a not-found line.
    void renderNotFound(std::string_view message);
    void ipaintPrekladPaint(EntryView& view);
    bool muteWordChange() const { return muteWordChange_; }
    // The printer the history is printed on; tests point it at a PDF file.
    QPrinter& historyPrinter() { return *historyPrinter_; }

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void connectCatalogueHandlers();
    void setUpShell();
    void connectShellCommands();
    // Puts a mode button down, shows a page and checks its item of "Zobrazit".
    void showPage(QWidget* page, QPushButton* modeButton, QAction* checkedItem);
    void setPageChecks(QAction* checkedItem);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Index of the chooser's item whose text equals title, or -1.
    int chooserIndexOf(std::string_view title) const;

    ProgramState& state_;
    Ui::TfrmMain* ui;
    ConfigRecord configRecord_;
    bool hadConfigFile_ = false;
    bool activated_ = false;
    bool quitWithoutClose_ = false;
    MenuShortcuts* menuShortcuts_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TfrmKontakt* kontaktDialog_ = nullptr;

    // --- Dictionary page ---
    void connectLookupHandlers();
    void setUpWordList();
    void openCurrentRowEntry();
    // Sizes the entry view to the shown width and the picture's height and repaints it.
    void repaintEntryView();
    WordListModel* wordListModel_ = nullptr;
    QTimer* Timer2 = nullptr;
    QPrintDialog* PrintDialog1 = nullptr;
    std::shared_ptr<QPrinter> historyPrinter_;
    bool muteWordChange_ = false;
    bool listMovePending_ = false;
    // Set while the search refills the list, whose current row then changes by code.
    bool listResetting_ = false;

    // --- Text translator ---
    void connectTranslatorHandlers();
    void openTextInto(QPlainTextEdit* memo);
    void saveTextFrom(QPlainTextEdit* memo);
    TfrmPreklad* frmPreklad_ = nullptr;
    bool translatorConnected_ = false;
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
};

}  // namespace lexavo
