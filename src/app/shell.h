#pragma once
// The shell of the main window: the pages and the mode bar, the three view
// options, the menu's keys, the assistant program and the information dialogs.

#include <QObject>
#include <cstdint>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace lexavo {

class ConfigRecord;
class ProgramFolder;
class MenuShortcuts;
class TAboutBox;
class TfrmKontakt;
class TranslatorPage;

class Shell : public QObject {
    Q_OBJECT
  public:
    // The widgets the shell works, under the form's names.
    struct Widgets {
        QMenuBar* menuBar;
        QStackedWidget* gotebookPlocha;
        QWidget* pageSlovnik;
        QWidget* pagePrekladac;
        QWidget* pagePoznamky;
        QWidget* pageHledane;
        QWidget* pageUzivSlovnik;
        QFrame* panelRezimy;
        QPushButton* btnRezimySlovnik;
        QPushButton* btnRezimyPrekladac;
        QPushButton* btnRezimyPoznamky;
        QPushButton* btnRezimyHledane;
        QAction* Zobrazitslovnk1;
        QAction* Zobrazitpeklada1;
        QAction* Zobrazitpoznmkovblok1;
        QAction* Seznamnaposledyhledanchvraz1;
        QAction* mnuSlovnik2;
        QAction* mnuPrekladac2;
        QAction* mnuPoznamky2;
        QAction* mnuHledane2;
        QAction* Uivatelskslovnk1;
        QAction* mnuLogo;
        QAction* mnuFast;
        QAction* mnuInfo;
        QFrame* panelImg;
        QFrame* toolBarFast;
        QLabel* panelInfo;
        QLineEdit* editSlovo;
        QAction* Spustitpekladovhopomocnka1;
        QPushButton* btnPomocnikFast;
        QAction* Npovdapomocnka1;
        QAction* Npovdapomocnka2;
        QAction* Oprogramu1;
        QAction* Kontaktnavrobce1;
    };
    Shell(const Widgets& widgets, QMainWindow* window, const ProgramFolder& folder,
          TranslatorPage& translatorPage);
    ~Shell() override;

    // The About box and the contact dialog, created after the window.
    void attachDialogs(TAboutBox* about, TfrmKontakt* kontakt);

    // The mode switch operations, one per page.
    void btnRezimySlovnikClick();
    void btnRezimyPrekladacClick();
    void btnRezimyPoznamkyClick();
    void btnRezimyHledaneClick();
    void Uivatelskslovnk1Click();

    // The page of a run before, by its number in the configuration record, with its
    // mode button down and its item checked; and the number of the page shown (-1 for
    // none of them).
    void restorePage(int32_t page);
    int32_t pageNumber() const;
    // The logo, the quick-command bar and the information line as the record has
    // them, and the other way round.
    void restorePanels(const ConfigRecord& record);
    void capturePanels(ConfigRecord& record) const;

    // The three view options.
    void mnuLogoClick();
    void mnuFastClick();
    void mnuInfoClick();
    void panelRezimyResize();

    // The assistant program beside the program, and its help.
    void startAssistant();
    void showAssistantHelp();

  private:
    struct PageRow {
        QWidget* page;
        QPushButton* modeButton;  // nullptr: the mode buttons stay as they are
        QAction* checkedItem;     // nullptr: none of the four page items
    };
    // The page of a number in the configuration record (in the order of kPageNames)
    // with its mode button and its item of "Zobrazit"; the user dictionaries' page has
    // neither.
    PageRow pageRow(int32_t page) const;
    // Checks checkedItem, one of the four page items of "Zobrazit" (none for nullptr).
    void setPageChecks(QAction* checkedItem);
    void connectPages();
    void connectCommands();
    // Puts the row's mode button down, shows its page and checks its item of "Zobrazit".
    void showPage(const PageRow& row);
    void focusFirstVisibleMemo(QWidget* page);

    Widgets ui_;
    QMainWindow* window_;
    const ProgramFolder& folder_;
    TranslatorPage& translatorPage_;
    MenuShortcuts* menuShortcuts_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TfrmKontakt* kontaktDialog_ = nullptr;
};

}  // namespace lexavo
