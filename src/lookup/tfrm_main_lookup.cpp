// The word field, the prefix search that fills the word list, and the translate
// command.

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "app/tfrm_main.h"
#include "entry/entry_layout.h"
#include "lookup/event_hook.h"
#include "lookup/exact_lookup.h"
#include "lookup/word_list_model.h"
#include "text/cp1250.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

// Reading the word field: the translate command takes up to 999 characters, the
// change handler and the word list up to 997.
constexpr size_t kCommandWordChars = 999;
constexpr size_t kChangeWordChars = 997;

}  // namespace

void TfrmMain::connectLookupHandlers() {
    setUpWordList();
    historyPrinter_ = std::make_shared<QPrinter>();
    QLineEdit* field = ui->editSlovo;
    connect(field, &QLineEdit::textChanged, this, [this](const QString&) { editSlovoChange(); });
    EventHook::install(field, [this, field](QEvent* e) {
        if (e->type() == QEvent::KeyPress) {
            return editSlovoKeyDown(static_cast<QKeyEvent*>(e)->key());
        }
        // Gaining the focus other than by a click selects the whole text, so that
        // typing replaces it.
        if (e->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(e)->reason() != Qt::MouseFocusReason) {
            field->selectAll();
        }
        return false;
    });
    connect(ui->btnPrelozit, &QPushButton::clicked, this, &TfrmMain::btnPrelozitClick);
    connect(ui->Peloitslovo1, &QAction::triggered, this, &TfrmMain::Peloitslovo1Click);
    connect(ui->ToolButton8, &QToolButton::clicked, this, &TfrmMain::ToolButton8Click);
    connect(ui->ToolButton2, &QToolButton::clicked, this, &TfrmMain::ToolButton2Click);
    connect(ui->ToolButton3, &QToolButton::clicked, this, &TfrmMain::ToolButton3Click);
}

void TfrmMain::searchPrefix(int32_t threshold) {
    InputWord& word = state_.inputWord;
    if (threshold != -1) {
        word.clear();
        word.set(toCp1250(ui->editSlovo->text()), kCommandWordChars);
    }
    listResetting_ = true;
    wordListModel_->beginRefill();
    const bool ran = state_.prefixSearch.run(state_.store, word.data(), threshold);
    wordListModel_->endRefill();
    ui->stringGridSeznam->setCurrentIndex(wordListModel_->index(0, 0));
    ui->stringGridSeznam->scrollToTop();
    listResetting_ = false;
    if (ran) ui->panelNalezeno->setText(fromCp1250(state_.prefixSearch.countLine()));
}

void TfrmMain::editSlovoChange() {
    if (muteWordChange_) return;
    InputWord& word = state_.inputWord;
    word.clear();
    word.set(toCp1250(ui->editSlovo->text()), kChangeWordChars);
    if (word.empty()) ui->panelNalezeno->setText(QStringLiteral("Lexavo 6"));
    if (word.size() == 1) ui->panelNalezeno->setText(QStringLiteral("VŠECHNA SLOVA: ENTER"));
    searchPrefix(1);
}

bool TfrmMain::editSlovoKeyDown(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            btnPrelozitClick();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            ui->stringGridSeznam->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            return false;
    }
}

void TfrmMain::btnPrelozitClick() {
    InputWord& word = state_.inputWord;
    auto readField = [&] {
        word.clear();
        word.set(toCp1250(ui->editSlovo->text()), kCommandWordChars);
    };
    readField();
    foldAsciiInPlace(word.data());
    // Writing the folded text raises the change handler when the user typed capitals.
    ui->editSlovo->setText(fromCp1250(word.view()));
    readField();
    foldAsciiInPlace(word.data());
    const TranslateDecision decision = decideTranslate(state_.store, word.view());
    if (decision.action == TranslateAction::kNothing) return;
    if (decision.action == TranslateAction::kListAll) {
        searchPrefix(0);
        return;
    }
    clearEntryCanvas();
    readField();

    PrefixSearch& search = state_.prefixSearch;
    search.foundSlot = decision.slot;
    switch (decision.action) {
        case TranslateAction::kShowStoredForm:
            word.clear();
            word.set(state_.store.headword(static_cast<uint32_t>(decision.slot)));
            muteWordChange_ = true;
            ui->editSlovo->setText(fromCp1250(word.view()));
            muteWordChange_ = false;
            [[fallthrough]];
        case TranslateAction::kShowEntry:
            renderEntry();
            break;
        default: {
            char message[kLayoutLineBytes];
            renderNotFound(formatNotFound(word.view(), message, sizeof message));
        }
    }
    ui->editSlovo->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::Peloitslovo1Click() { btnPrelozitClick(); }
void TfrmMain::ToolButton8Click() { btnPrelozitClick(); }
void TfrmMain::ToolButton2Click() { Uloitpeklad1Click(); }
void TfrmMain::ToolButton3Click() { Vytisknoutpeklad1Click(); }

}  // namespace lexavo
