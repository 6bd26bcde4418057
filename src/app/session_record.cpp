#include "app/session_record.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "app/outer_bounds.h"
#include "app/shell.h"
#include "text/regular_file.h"
#include "text/safe_save.h"
#include "text/text_lines.h"
#include "widgets/memo_text.h"
#include "widgets/qt_text.h"

namespace lexavo {

namespace {

constexpr const char* kHistoryFileName = "minule.txt";

}  // namespace

SessionRecord::SessionRecord(const Widgets& widgets, QMainWindow* window,
                             const ProgramFolder& folder, Shell& shell)
    : ui_(widgets),
      window_(window),
      folder_(folder),
      shell_(shell),
      bounds_(new OuterBounds(window)) {}

bool SessionRecord::read() {
    // Temporary files of a save that a killed run left in the program directory.
    removeLeftTemporaryFiles(folder_.path());
    hadConfigFile_ = readConfigRecord(folder_.path(), record_);
    return hadConfigFile_;
}

void SessionRecord::apply() {
    // Without a record (the first run) the window keeps the size and place it was
    // created with, now as its outer bounds, and its panels stay shown: an all-zero
    // record would shrink it to its minimum in the corner and hide the quick-command
    // bar and both panels.
    if (hadConfigFile_) {
        applyWindowBounds();
        shell_.restorePanels(record_);
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

void SessionRecord::applyPage() {
    shell_.restorePage(hadConfigFile_ ? record_.get(ConfigRecord::kActivePage) : 0);
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
        loadMemoFromFile(*f.memo, QString::fromStdString(folder_.file(f.file)), kMaxRunFileBytes);
    }
}

void SessionRecord::capture() {
    ConfigRecord& r = record_;
    shell_.capturePanels(r);
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
    const int32_t page = shell_.pageNumber();
    if (page >= 0) r.set(ConfigRecord::kActivePage, page);
    r.set(ConfigRecord::kWindowState, static_cast<int32_t>(state));
    r.setDictionaryTitle(toCp1250(ui_.ComboBoxSlovnik->currentText()));
}

bool SessionRecord::saveSearchHistory() {
    return folder_.replaceFile(kHistoryFileName, joinTextLines(memoLines(*ui_.editHledaneDnes)));
}

bool SessionRecord::closeQuery() {
    capture();
    // A record that cannot be written is skipped without a word.
    (void)writeConfigRecord(folder_, record_);
    if (!saveSearchHistory()) {
        const QString path = QString::fromStdString(folder_.file(kHistoryFileName));
        QMessageBox::critical(window_, QStringLiteral("Lexavo 6"),
                              QStringLiteral("Soubor „%1“ nelze vytvořit.").arg(path));
        return false;
    }
    return true;
}

}  // namespace lexavo
