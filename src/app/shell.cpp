#include "app/shell.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>

#include "app/config_record.h"
#include "app/information_dialogs.h"
#include "app/menu_shortcuts.h"
#include "text/program_folder.h"
#include "translator/translator_page.h"
#include "widgets/event_hook.h"

namespace lexavo {

Shell::Shell(const Widgets& widgets, QMainWindow* window, const ProgramFolder& folder,
             TranslatorPage& translatorPage)
    : QObject(window),
      ui_(widgets),
      window_(window),
      folder_(folder),
      translatorPage_(translatorPage) {
    connectPages();
    connectCommands();
    menuShortcuts_ = new MenuShortcuts(window, ui_.menuBar);
}

Shell::~Shell() { delete menuShortcuts_; }

void Shell::attachDialogs(TAboutBox* about, TfrmKontakt* kontakt) {
    aboutBox_ = about;
    kontaktDialog_ = kontakt;
}

void Shell::connectPages() {
    // The mode buttons form one radio group: exactly one is down.
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (QPushButton* b : {ui_.btnRezimySlovnik, ui_.btnRezimyPrekladac, ui_.btnRezimyPoznamky,
                           ui_.btnRezimyHledane}) {
        group->addButton(b);
    }
    EventHook::install(ui_.panelRezimy, [this](QEvent* e) {
        if (e->type() == QEvent::Resize) panelRezimyResize();
        return false;
    });
    const struct {
        void (Shell::*show)();
        QPushButton* button;
        QAction* items[2];
    } pages[] = {
        {&Shell::btnRezimySlovnikClick,
         ui_.btnRezimySlovnik,
         {ui_.Zobrazitslovnk1, ui_.mnuSlovnik2}},
        {&Shell::btnRezimyPrekladacClick,
         ui_.btnRezimyPrekladac,
         {ui_.Zobrazitpeklada1, ui_.mnuPrekladac2}},
        {&Shell::btnRezimyPoznamkyClick,
         ui_.btnRezimyPoznamky,
         {ui_.Zobrazitpoznmkovblok1, ui_.mnuPoznamky2}},
        {&Shell::btnRezimyHledaneClick,
         ui_.btnRezimyHledane,
         {ui_.Seznamnaposledyhledanchvraz1, ui_.mnuHledane2}},
    };
    for (const auto& p : pages) {
        connect(p.button, &QPushButton::clicked, this, p.show);
        for (QAction* item : p.items) connect(item, &QAction::triggered, this, p.show);
    }
    connect(ui_.Uivatelskslovnk1, &QAction::triggered, this, &Shell::Uivatelskslovnk1Click);
    connect(ui_.mnuLogo, &QAction::triggered, this, &Shell::mnuLogoClick);
    connect(ui_.mnuFast, &QAction::triggered, this, &Shell::mnuFastClick);
    connect(ui_.mnuInfo, &QAction::triggered, this, &Shell::mnuInfoClick);
}

void Shell::connectCommands() {
    connect(ui_.Spustitpekladovhopomocnka1, &QAction::triggered, this, &Shell::startAssistant);
    connect(ui_.btnPomocnikFast, &QPushButton::clicked, this, &Shell::startAssistant);
    connect(ui_.Npovdapomocnka1, &QAction::triggered, this, &Shell::showAssistantHelp);
    connect(ui_.Npovdapomocnka2, &QAction::triggered, this, &Shell::showAssistantHelp);
    connect(ui_.Oprogramu1, &QAction::triggered, this, [this] {
        if (aboutBox_ != nullptr) aboutBox_->exec();
    });
    connect(ui_.Kontaktnavrobce1, &QAction::triggered, this, [this] {
        if (kontaktDialog_ != nullptr) kontaktDialog_->exec();
    });
}

void Shell::setPageChecks(QAction* checkedItem) {
    for (QAction* a : {ui_.mnuSlovnik2, ui_.mnuPrekladac2, ui_.mnuPoznamky2, ui_.mnuHledane2}) {
        a->setChecked(a == checkedItem);
    }
}

Shell::PageRow Shell::pageRow(int32_t page) const {
    const PageRow rows[kPageCount] = {
        {ui_.pageSlovnik, ui_.btnRezimySlovnik, ui_.mnuSlovnik2},
        {ui_.pagePrekladac, ui_.btnRezimyPrekladac, ui_.mnuPrekladac2},
        {ui_.pagePoznamky, ui_.btnRezimyPoznamky, ui_.mnuPoznamky2},
        {ui_.pageHledane, ui_.btnRezimyHledane, ui_.mnuHledane2},
        {ui_.pageUzivSlovnik, nullptr, nullptr},
    };
    return rows[page];
}

void Shell::restorePage(int32_t page) {
    if (page < 0 || page >= kPageCount) return;
    const PageRow row = pageRow(page);
    ui_.gotebookPlocha->setCurrentWidget(row.page);
    if (row.modeButton != nullptr) row.modeButton->setChecked(true);
    setPageChecks(row.checkedItem);
}

int32_t Shell::pageNumber() const {
    return pageNumberOf(ui_.gotebookPlocha->currentWidget()->objectName().toStdString());
}

void Shell::restorePanels(const ConfigRecord& record) {
    const struct {
        ConfigRecord::Flag flag;
        QAction* item;
        QWidget* panel;
    } panels[] = {{ConfigRecord::kShowLogo, ui_.mnuLogo, ui_.panelImg},
                  {ConfigRecord::kShowQuickBar, ui_.mnuFast, ui_.toolBarFast},
                  {ConfigRecord::kShowInfoLine, ui_.mnuInfo, ui_.panelInfo}};
    // Two passes: first everything that is switched off, then what is on.
    for (const PanelSwitch pass : {PanelSwitch::kHide, PanelSwitch::kShow}) {
        for (const auto& p : panels) {
            if (panelSwitchOf(record.flag(p.flag)) != pass) continue;
            p.item->setChecked(pass == PanelSwitch::kShow);
            p.panel->setVisible(pass == PanelSwitch::kShow);
        }
    }
}

void Shell::capturePanels(ConfigRecord& record) const {
    record.setFlag(ConfigRecord::kShowLogo, ui_.panelImg->isVisible());
    record.setFlag(ConfigRecord::kShowQuickBar, ui_.toolBarFast->isVisible());
    record.setFlag(ConfigRecord::kShowInfoLine, ui_.panelInfo->isVisible());
}

void Shell::showPage(const PageRow& row) {
    QWidget* page = row.page;
    QWidget* oldPage = ui_.gotebookPlocha->currentWidget();
    const QWidget* focused = QApplication::focusWidget();
    const bool focusHidden =
        focused == nullptr || (page != oldPage && oldPage->isAncestorOf(focused));
    row.modeButton->setChecked(true);
    ui_.gotebookPlocha->setCurrentWidget(page);
    // The quick-command bar belongs to the dictionary page: it is shown there
    // whatever its view option says, and hidden everywhere else.
    ui_.toolBarFast->setVisible(page == ui_.pageSlovnik);
    if (page == ui_.pagePrekladac) translatorPage_.normaliseLanguage();
    setPageChecks(row.checkedItem);
    // A control hidden with the page it was on keeps no focus: the page's memo shown
    // takes it, so that typing goes on at once.
    if (focusHidden) focusFirstVisibleMemo(page);
}

void Shell::focusFirstVisibleMemo(QWidget* page) {
    for (QPlainTextEdit* memo : page->findChildren<QPlainTextEdit*>()) {
        if (memo->isVisible()) {
            memo->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Shell::btnRezimySlovnikClick() {
    showPage(pageRow(0));
    ui_.editSlovo->setFocus(Qt::OtherFocusReason);
}

void Shell::btnRezimyPrekladacClick() { showPage(pageRow(1)); }

void Shell::btnRezimyPoznamkyClick() { showPage(pageRow(2)); }

void Shell::btnRezimyHledaneClick() { showPage(pageRow(3)); }

void Shell::Uivatelskslovnk1Click() {
    // This page has no mode button of its own: the dictionary's goes down.
    showPage({ui_.pageUzivSlovnik, ui_.btnRezimySlovnik, nullptr});
}

void Shell::mnuLogoClick() {
    // The action has already inverted its check when it was triggered.
    ui_.panelImg->setVisible(ui_.mnuLogo->isChecked());
}

void Shell::mnuFastClick() {
    if (ui_.gotebookPlocha->currentWidget() != ui_.pageSlovnik) {
        // Off the dictionary page the option changes nothing, not even its check.
        ui_.mnuFast->setChecked(!ui_.mnuFast->isChecked());
        return;
    }
    ui_.toolBarFast->setVisible(ui_.mnuFast->isChecked());
}

void Shell::mnuInfoClick() { ui_.panelInfo->setVisible(ui_.mnuInfo->isChecked()); }

void Shell::panelRezimyResize() {
    const int w = ui_.panelRezimy->width();
    const int h = ui_.panelRezimy->height();
    ui_.btnRezimySlovnik->setGeometry(0, 0, w / 3, h);
    const int notesLeft = ui_.btnRezimySlovnik->x() + ui_.btnRezimySlovnik->width() + 1;
    ui_.btnRezimyPoznamky->setGeometry(notesLeft, 0, w / 3, h);
    const int historyLeft = notesLeft + ui_.btnRezimyPoznamky->width() + 1;
    ui_.btnRezimyHledane->setGeometry(historyLeft, 0, w - historyLeft, h);
}

void Shell::startAssistant() {
    // The assistant is looked for in the program directory, whatever the current
    // directory is: by the name "pomocnik.exe" first, then "pomocnik", the name it
    // has where programs carry no extension. It is started and left alone: nothing
    // waits for it and a failure is not reported.
    const QString dir = QString::fromStdString(folder_.path());
    for (const char* name : {"pomocnik.exe", "pomocnik"}) {
        const QString program = dir + QLatin1Char('/') + QLatin1String(name);
        if (!QFileInfo(program).isFile()) continue;
        QProcess::startDetached(program, {}, dir);
        return;
    }
}

void Shell::showAssistantHelp() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Nápověda pro rychlého pomocníka..."),
                    QStringLiteral("Pomocník slouží k rychlému hledání slov ve slovníku.\n"
                                   "Také lze hledat přímo slovo, které zkopírujete do schránky "
                                   "tak,\n"
                                   "že ho označíte a kombinací kláves Ctrl+C jej zkopírujete.\n"
                                   "Slovo se ihned přeloží v okně programu."),
                    QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace lexavo
