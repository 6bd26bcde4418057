// The word list: its model, the copy of the current row into the word field, the
// keys, clicks and focus of the list, and the 10 ms poll after keyboard moves.

#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

#include "app/tfrm_main.h"
#include "lookup/event_hook.h"
#include "lookup/word_list_model.h"
#include "text/cp1250.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

constexpr int kRowHeight = 18;
constexpr int kInitialColumnWidth = 170;
constexpr int kPollMilliseconds = 10;
constexpr size_t kRowChars = 997;
constexpr size_t kFieldChars = 999;

}  // namespace

void TfrmMain::setUpWordList() {
    QTableView* list = ui->stringGridSeznam;
    wordListModel_ = new WordListModel(state_.store, state_.prefixSearch, this);
    list->setModel(wordListModel_);
    list->horizontalHeader()->hide();
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(kRowHeight);
    list->setColumnWidth(0, kInitialColumnWidth);
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The current row is drawn selected also while the list has no focus.
    QPalette palette = list->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    list->setPalette(palette);

    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex&, const QModelIndex&) {
                if (!listResetting_) stringGridSeznamClick();
            });
    connect(list, &QTableView::clicked, this,
            [this](const QModelIndex&) { stringGridSeznamClick(); });
    // A double click anywhere on the list, also below its last row, opens the
    // current row; the list does not treat its second press as a new click.
    EventHook::install(list->viewport(), [this](QEvent* e) {
        if (e->type() != QEvent::MouseButtonDblClick ||
            static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) {
            return false;
        }
        stringGridSeznamDblClick();
        return true;
    });
    EventHook::install(list, [this](QEvent* e) {
        switch (e->type()) {
            case QEvent::FocusIn:
                stringGridSeznamEnter();
                break;
            case QEvent::FocusOut:
                stringGridSeznamExit();
                break;
            case QEvent::KeyPress:
                return stringGridSeznamKeyDown(static_cast<QKeyEvent*>(e));
            // The list fills panelSeznam, so a resize of the panel reaches the list
            // too, after its new width is set.
            case QEvent::Resize:
                panelSeznamResize();
                break;
            default:
                break;
        }
        return false;
    });

    Timer2 = new QTimer(this);
    Timer2->setInterval(kPollMilliseconds);
    connect(Timer2, &QTimer::timeout, this, &TfrmMain::Timer2Timer);
    Timer2->start();
}

void TfrmMain::takeCurrentRow() {
    muteWordChange_ = true;
    InputWord& word = state_.inputWord;
    word.clear();
    const QModelIndex current = ui->stringGridSeznam->currentIndex();
    word.set(toCp1250(wordListModel_->rowText(current.isValid() ? current.row() : -1)), kRowChars);
    ui->editSlovo->setText(fromCp1250(word.view()));
    muteWordChange_ = false;
}

void TfrmMain::Timer2Timer() {
    if (!listMovePending_) return;
    takeCurrentRow();
    listMovePending_ = false;
}

void TfrmMain::stringGridSeznamEnter() { takeCurrentRow(); }

// The current row stays drawn selected (see the palette in setUpWordList).
void TfrmMain::stringGridSeznamExit() {}

void TfrmMain::stringGridSeznamClick() {
    takeCurrentRow();
    listMovePending_ = false;
}

bool TfrmMain::stringGridSeznamKeyDown(QKeyEvent* event) {
    InputWord& word = state_.inputWord;
    // Backspace and typed characters edit the word in the word field and go on
    // there, with the caret after the last character.
    auto continueInField = [&] {
        ui->editSlovo->setText(fromCp1250(word.view()));
        ui->editSlovo->setFocus(Qt::OtherFocusReason);
        ui->editSlovo->end(false);
    };
    switch (event->key()) {
        case Qt::Key_Backspace: {
            word.clear();
            word.set(toCp1250(ui->editSlovo->text()), kFieldChars);
            if (!word.empty()) word[word.size() - 1] = 0;
            continueInField();
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openCurrentRowEntry();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            listMovePending_ = true;
            return false;
        default:
            break;
    }
    // Keys that type nothing (arrows, Page Up, Home, function keys, modifiers, Ctrl
    // combinations) keep their ordinary meaning in the list.
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    word.clear();
    word.set(toCp1250(ui->editSlovo->text()), kFieldChars);
    std::string appended = std::string(word.view()) + foldAscii(toCp1250(typed));
    word.set(appended, kFieldChars);
    continueInField();
    return true;
}

void TfrmMain::stringGridSeznamDblClick() { openCurrentRowEntry(); }

void TfrmMain::openCurrentRowEntry() {
    clearEntryCanvas();
    takeCurrentRow();
    renderEntry();
    ui->editSlovo->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::panelSeznamResize() {
    ui->stringGridSeznam->setColumnWidth(0, ui->stringGridSeznam->width());
}

}  // namespace lexavo
