#pragma once
// The main window. Its handlers are named after the control and the event; each
// reads controls, calls the core, and writes controls. The implementation is split
// by subsystem: tfrm_main.cpp (creation, activation, close), the catalogue handlers
// in dictionary/, the lookup handlers in lookup/, and so on.

#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>

#include "app/config_record.h"
#include "app/program_state.h"

namespace Ui {
class TfrmMain;
}

namespace lexavo {

class TAboutBox;
class TfrmKontakt;

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

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void connectCatalogueHandlers();
    // Index of the chooser's item whose text equals title, or -1.
    int chooserIndexOf(std::string_view title) const;

    ProgramState& state_;
    Ui::TfrmMain* ui;
    ConfigRecord configRecord_;
    bool hadConfigFile_ = false;
    bool activated_ = false;
    bool quitWithoutClose_ = false;
    TAboutBox* aboutBox_ = nullptr;
    TfrmKontakt* kontaktDialog_ = nullptr;
};

}  // namespace lexavo
