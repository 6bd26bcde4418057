#include "app/session_record.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStackedWidget>

#include "app/outer_bounds.h"
#include "app/shell.h"
#include "text/regular_file.h"
#include "text/safe_save.h"
#include "text/text_lines.h"
#include "ui_tfrm_main.h"
#include "widgets/memo_text.h"
#include "widgets/qt_text.h"

namespace lexavo {

namespace {

constexpr const char* kHistoryFileName = "minule.txt";

struct PageRow {
    QWidget* page;
    QPushButton* modeButton;  // nullptr: the mode buttons stay as they are
    QAction* checkedItem;     // nullptr: none of the four page items
};

}  // namespace

SessionRecord::SessionRecord(Ui::TfrmMain& ui, QMainWindow* window, const std::string& programDir,
                             Shell& shell)
    : ui_(ui),
      window_(window),
      programDir_(programDir),
      shell_(shell),
      bounds_(new OuterBounds(window)) {}

bool SessionRecord::read() {
    // Temporary files of a save that a killed run left in the program directory.
    removeLeftTemporaryFiles(programDir_);
    hadConfigFile_ = readConfigRecord(programDir_, record_);
    return hadConfigFile_;
}

void SessionRecord::apply() {
    // Without a record (the first run) the window keeps the size and place it was
    // created with, now as its outer bounds, and its panels stay shown: an all-zero
    // record would shrink it to its minimum in the corner and hide the quick-command
    // bar and both panels.
    if (hadConfigFile_) {
        applyWindowBounds();
        applyPanels();
    } else {
        bounds_->apply({window_->x(), window_->y(), window_->width(), window_->height()});
    }
    applyPage();
}

void SessionRecord::applyWindowBounds() {
    const ConfigRecord& r = record_;
    bounds_->apply({r.get(ConfigRecord::kWindowLeft), r.get(ConfigRecord::kWindowTop),
                    r.get(ConfigRecord::kWindowWidth), r.get(ConfigRecord::kWindowHeight)});
    switch (windowStateOf(r.get(ConfigRecord::kWindowState))) {
        case WindowState::kMinimised:
            window_->setWindowState(Qt::WindowMinimized);
            break;
        case WindowState::kMaximised:
            window_->setWindowState(Qt::WindowMaximized);
            break;
        case WindowState::kNormal:
            window_->setWindowState(Qt::WindowNoState);
            break;
    }
}

void SessionRecord::applyPanels() {
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
            if (panelSwitchOf(record_.flag(p.flag)) != pass) continue;
            p.item->setChecked(pass == PanelSwitch::kShow);
            p.panel->setVisible(pass == PanelSwitch::kShow);
        }
    }
}

void SessionRecord::applyPage() {
    const int32_t page = hadConfigFile_ ? record_.get(ConfigRecord::kActivePage) : 0;
    // In the order of kPageNames.
    const PageRow rows[kPageCount] = {
        {ui_.pageSlovnik, ui_.btnRezimySlovnik, ui_.mnuSlovnik2},
        {ui_.pagePrekladac, ui_.btnRezimyPrekladac, ui_.mnuPrekladac2},
        {ui_.pagePoznamky, ui_.btnRezimyPoznamky, ui_.mnuPoznamky2},
        {ui_.pageHledane, ui_.btnRezimyHledane, ui_.mnuHledane2},
        {ui_.pageUzivSlovnik, nullptr, nullptr},
    };
    if (page < 0 || page >= kPageCount) return;
    const PageRow& row = rows[page];
    ui_.gotebookPlocha->setCurrentWidget(row.page);
    if (row.modeButton != nullptr) row.modeButton->setChecked(true);
    shell_.setPageChecks(row.checkedItem);
}

void SessionRecord::loadRunFiles() {
    ui_.editHledaneMinule->clear();
    ui_.editHledaneDnes->clear();
    const struct {
        const char* file;
        QPlainTextEdit* memo;
    } files[] = {{kHistoryFileName, ui_.editHledaneMinule},
                 {"angcze.use", ui_.editUzivAng},
                 {"nemcze.use", ui_.editUzivNem}};
    for (const auto& f : files) {
        // A missing file leaves the memo as it is.
        loadMemoFromFile(*f.memo, QString::fromStdString(programDir_ + "/" + f.file),
                         kMaxRunFileBytes);
    }
}

void SessionRecord::capture() {
    ConfigRecord& r = record_;
    r.setFlag(ConfigRecord::kShowLogo, ui_.panelImg->isVisible());
    r.setFlag(ConfigRecord::kShowQuickBar, ui_.toolBarFast->isVisible());
    r.setFlag(ConfigRecord::kShowInfoLine, ui_.panelInfo->isVisible());
    WindowState state = WindowState::kNormal;
    if (window_->windowState() & Qt::WindowMinimized) {
        state = WindowState::kMinimised;
    } else if (window_->windowState() & Qt::WindowMaximized) {
        state = WindowState::kMaximised;
    }
    if (state == WindowState::kNormal) {
        const QRect outer = bounds_->current();
        r.set(ConfigRecord::kWindowLeft, outer.x());
        r.set(ConfigRecord::kWindowTop, outer.y());
        r.set(ConfigRecord::kWindowWidth, outer.width());
        r.set(ConfigRecord::kWindowHeight, outer.height());
    }
    const int32_t page =
        pageNumberOf(ui_.gotebookPlocha->currentWidget()->objectName().toStdString());
    if (page >= 0) r.set(ConfigRecord::kActivePage, page);
    r.set(ConfigRecord::kWindowState, static_cast<int32_t>(state));
    r.setDictionaryTitle(toCp1250(ui_.ComboBoxSlovnik->currentText()));
}

bool SessionRecord::saveSearchHistory() {
    return replaceFileSafely(programDir_ + "/" + kHistoryFileName,
                             joinTextLines(memoLines(*ui_.editHledaneDnes)));
}

bool SessionRecord::closeQuery() {
    capture();
    // A record that cannot be written is skipped without a word.
    (void)writeConfigRecord(programDir_, record_);
    if (!saveSearchHistory()) {
        const QString path = QString::fromStdString(programDir_ + "/" + kHistoryFileName);
        QMessageBox::critical(window_, QStringLiteral("Lexavo 6"),
                              QStringLiteral("Soubor „%1“ nelze vytvořit.").arg(path));
        return false;
    }
    return true;
}

}  // namespace lexavo
