#pragma once
// The shell of the main window: the pages and the mode bar, the three view
// options, the menu's keys, the assistant program and the information dialogs.

#include <QObject>
#include <string>

class QAction;
class QMainWindow;
class QPushButton;
class QWidget;

namespace Ui {
class TfrmMain;
}

namespace lexavo {

class MenuShortcuts;
class TAboutBox;
class TfrmKontakt;
class TranslatorPage;

class Shell : public QObject {
    Q_OBJECT
  public:
    Shell(Ui::TfrmMain& ui, QMainWindow* window, const std::string& programDir,
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
    // Checks checkedItem, one of the four page items of "Zobrazit" (none for nullptr).
    void setPageChecks(QAction* checkedItem);

    // The three view options.
    void mnuLogoClick();
    void mnuFastClick();
    void mnuInfoClick();
    void panelRezimyResize();

    // The assistant program beside the program, and its help.
    void startAssistant();
    void showAssistantHelp();

  private:
    void setUpPictures();
    void connectPages();
    void connectCommands();
    // Puts a mode button down, shows a page and checks its item of "Zobrazit".
    void showPage(QWidget* page, QPushButton* modeButton, QAction* checkedItem);
    void focusFirstVisibleMemo(QWidget* page);

    Ui::TfrmMain& ui_;
    QMainWindow* window_;
    const std::string& programDir_;
    TranslatorPage& translatorPage_;
    MenuShortcuts* menuShortcuts_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TfrmKontakt* kontaktDialog_ = nullptr;
};

}  // namespace lexavo
