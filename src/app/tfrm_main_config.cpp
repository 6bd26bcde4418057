// The configuration record and the run files: what one run hands to the next.

#include <QAction>
#include <QFileInfo>
#include <QMessageBox>

#include "app/tfrm_main.h"
#include "text/memo_text.h"
#include "text/qt_text.h"
#include "text/text_lines.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

constexpr const char* kHistoryFileName = "minule.txt";

struct PageRow {
    QWidget* page;
    QPushButton* modeButton;  // nullptr: the mode buttons stay as they are
    QAction* checkedItem;     // nullptr: none of the four page items
};

}  // namespace

void TfrmMain::applyConfigRecord() {
    const ConfigRecord& r = configRecord_;
    // Without a record (the first run) the window keeps the size and place it was
    // created with and its panels stay shown: an all-zero record would shrink it to
    // its minimum in the corner and hide the quick-command bar and both panels.
    if (hadConfigFile_) {
        move(r.get(ConfigRecord::kWindowLeft), r.get(ConfigRecord::kWindowTop));
        resize(r.get(ConfigRecord::kWindowWidth), r.get(ConfigRecord::kWindowHeight));
        switch (windowStateOf(r.get(ConfigRecord::kWindowState))) {
            case WindowState::kMinimised:
                setWindowState(Qt::WindowMinimized);
                break;
            case WindowState::kMaximised:
                setWindowState(Qt::WindowMaximized);
                break;
            case WindowState::kNormal:
                setWindowState(Qt::WindowNoState);
                break;
        }
        const struct {
            ConfigRecord::Flag flag;
            QAction* item;
            QWidget* panel;
        } panels[] = {{ConfigRecord::kShowLogo, ui->mnuLogo, ui->panelImg},
                      {ConfigRecord::kShowQuickBar, ui->mnuFast, ui->toolBarFast},
                      {ConfigRecord::kShowInfoLine, ui->mnuInfo, ui->panelInfo}};
        // Two passes: first everything that is switched off, then what is on.
        for (const auto& p : panels) {
            if (panelSwitchOf(r.flag(p.flag)) == PanelSwitch::kHide) {
                p.item->setChecked(false);
                p.panel->setVisible(false);
            }
        }
        for (const auto& p : panels) {
            if (panelSwitchOf(r.flag(p.flag)) == PanelSwitch::kShow) {
                p.item->setChecked(true);
                p.panel->setVisible(true);
            }
        }
    }

    const int32_t page = hadConfigFile_ ? r.get(ConfigRecord::kActivePage) : 0;
    // In the order of kPageNames.
    const PageRow rows[kPageCount] = {
        {ui->pageSlovnik, ui->btnRezimySlovnik, ui->mnuSlovnik2},
        {ui->pagePrekladac, ui->btnRezimyPrekladac, ui->mnuPrekladac2},
        {ui->pagePoznamky, ui->btnRezimyPoznamky, ui->mnuPoznamky2},
        {ui->pageHledane, ui->btnRezimyHledane, ui->mnuHledane2},
        {ui->pageUzivSlovnik, nullptr, nullptr},
    };
    if (page >= 0 && page < kPageCount) {
        const PageRow& row = rows[page];
        ui->gotebookPlocha->setCurrentWidget(row.page);
        if (row.modeButton != nullptr) row.modeButton->setChecked(true);
        setPageChecks(row.checkedItem);
    }
}

void TfrmMain::loadRunFiles() {
    ui->editHledaneMinule->clear();
    ui->editHledaneDnes->clear();
    const struct {
        const char* file;
        QPlainTextEdit* memo;
    } files[] = {{kHistoryFileName, ui->editHledaneMinule},
                 {"angcze.use", ui->editUzivAng},
                 {"nemcze.use", ui->editUzivNem}};
    for (const auto& f : files) {
        // A missing file leaves the memo as it is.
        loadMemoFromFile(*f.memo, QString::fromStdString(state_.programDir + "/" + f.file));
    }
}

void TfrmMain::captureConfigRecord() {
    ConfigRecord& r = configRecord_;
    r.setFlag(ConfigRecord::kShowLogo, ui->panelImg->isVisible());
    r.setFlag(ConfigRecord::kShowQuickBar, ui->toolBarFast->isVisible());
    r.setFlag(ConfigRecord::kShowInfoLine, ui->panelInfo->isVisible());
    WindowState state = WindowState::kNormal;
    if (windowState() & Qt::WindowMinimized) {
        state = WindowState::kMinimised;
    } else if (windowState() & Qt::WindowMaximized) {
        state = WindowState::kMaximised;
    }
    if (state == WindowState::kNormal) {
        r.set(ConfigRecord::kWindowLeft, x());
        r.set(ConfigRecord::kWindowTop, y());
        r.set(ConfigRecord::kWindowWidth, width());
        r.set(ConfigRecord::kWindowHeight, height());
    }
    const int32_t page =
        pageNumberOf(ui->gotebookPlocha->currentWidget()->objectName().toStdString());
    if (page >= 0) r.set(ConfigRecord::kActivePage, page);
    r.set(ConfigRecord::kWindowState, static_cast<int32_t>(state));
    r.setDictionaryTitle(toCp1250(ui->ComboBoxSlovnik->currentText()));
}

bool TfrmMain::saveSearchHistory() {
    return replaceFileAtomically(state_.programDir, kHistoryFileName,
                                 joinTextLines(memoLines(*ui->editHledaneDnes)));
}

bool TfrmMain::FormCloseQuery() {
    captureConfigRecord();
    // A record that cannot be written is skipped without a word.
    (void)writeConfigRecord(state_.programDir, configRecord_);
    if (!saveSearchHistory()) {
        const QString path = QString::fromStdString(state_.programDir + "/" + kHistoryFileName);
        QMessageBox::critical(this, QStringLiteral("Lexavo 6"),
                              QStringLiteral("Soubor „%1“ nelze vytvořit.").arg(path));
        return false;
    }
    return true;
}

}  // namespace lexavo
