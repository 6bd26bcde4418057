#include "lookup/dictionary_page.h"

#include <QAction>
#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include "entry/entry_layout.h"
#include "entry/entry_view.h"
#include "lookup/count_line.h"
#include "lookup/exact_lookup.h"
#include "lookup/suggestion_line.h"
#include "lookup/word_list_model.h"
#include "text/cp1250.h"
#include "widgets/event_hook.h"
#include "widgets/qt_text.h"

namespace lexavo {

namespace {

// Reading the word field: the change handler and a copied row take up to 997
// characters.
constexpr size_t kChangeWordChars = 997;
constexpr int kRowHeight = 18;
constexpr int kInitialColumnWidth = 170;
constexpr int kPollMilliseconds = 10;

bool selectsOnFocus(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::PopupFocusReason:
        case Qt::ActiveWindowFocusReason:
        case Qt::MenuBarFocusReason:
            return false;
        default:
            return true;
    }
}

}  // namespace

DictionaryPage::DictionaryPage(const Widgets& ui, const Parts& parts, TextFileDialogs& dialogs,
                               QWidget* window)
    : QObject(window),
      ui_(ui),
      parts_(parts),
      typedWordChars_(ui.editSlovo->maxLength()),
      entryPane_(parts.entry, ui.scrollPreklad, ui.ipaintPreklad, window),
      history_(ui.history, dialogs, window) {
    setUpWordList();
    hookWordList();
    connectWordField();
    connectSpecialLetters();
    if (parts.suggester == nullptr) return;
    suggestions_ = new SuggestionLine(ui.panelVyznam, ui.editSlovo, parts.store, *parts.suggester,
                                      parts.baseForms);
    connect(suggestions_, &SuggestionLine::chosen, this, [this](const QString& headword) {
        ui_.editSlovo->setText(headword);
        btnPrelozitClick();
    });
}

void DictionaryPage::connectWordField() {
    QLineEdit* field = ui_.editSlovo;
    connect(field, &QLineEdit::textChanged, this, [this](const QString&) { editSlovoChange(); });
    EventHook::install(field, [this, field](QEvent* e) {
        if (e->type() == QEvent::KeyPress) {
            return editSlovoKeyDown(static_cast<QKeyEvent*>(e)->key());
        }
        // Gaining the focus from another control, by the keyboard or from code,
        // selects the whole text, so that typing replaces it. A click, a menu closing
        // and the window becoming active again are no such change, and keep the caret.
        if (e->type() == QEvent::FocusIn &&
            selectsOnFocus(static_cast<QFocusEvent*>(e)->reason())) {
            field->selectAll();
        }
        return false;
    });
    connect(ui_.btnPrelozit, &QPushButton::clicked, this, &DictionaryPage::btnPrelozitClick);
    connect(ui_.Peloitslovo1, &QAction::triggered, this, &DictionaryPage::Peloitslovo1Click);
    connect(ui_.ToolButton8, &QToolButton::clicked, this, &DictionaryPage::ToolButton8Click);
    connect(ui_.ToolButton2, &QToolButton::clicked, this, &DictionaryPage::ToolButton2Click);
    connect(ui_.ToolButton3, &QToolButton::clicked, this, &DictionaryPage::ToolButton3Click);
}

void DictionaryPage::readField(size_t chars) {
    parts_.inputWord.set(toCp1250(ui_.editSlovo->text()), chars);
}

void DictionaryPage::searchPrefix(int32_t threshold) {
    if (threshold != -1) readField(kCommandWordChars);
    listResetting_ = true;
    wordListModel_->beginRefill();
    const bool ran = parts_.prefixSearch.run(parts_.store, parts_.inputWord.data(), threshold);
    wordListModel_->endRefill();
    ui_.stringGridSeznam->setCurrentIndex(wordListModel_->index(0, 0));
    ui_.stringGridSeznam->scrollToTop();
    listResetting_ = false;
    if (ran) ui_.panelNalezeno->setText(fromCp1250(parts_.prefixSearch.countLine()));
}

void DictionaryPage::listFromStart() {
    parts_.inputWord.set("a");
    searchPrefix(-1);
}

void DictionaryPage::startOver() {
    if (suggestions_ != nullptr) suggestions_->clear();
    ui_.editSlovo->setText(QString());
    ui_.editSlovo->setFocus();
    entryPane_.clear();
    listFromStart();
}

void DictionaryPage::editSlovoChange() {
    // Once the text is short enough again, typing has its limit back.
    QLineEdit* field = ui_.editSlovo;
    if (field->maxLength() > typedWordChars_ && field->text().size() <= typedWordChars_) {
        field->setMaxLength(typedWordChars_);
    }
    if (muteWordChange_) return;
    readField(kChangeWordChars);
    const InputWord& word = parts_.inputWord;
    if (word.empty()) ui_.panelNalezeno->setText(QStringLiteral("Lexavo 6"));
    if (word.size() == 1) ui_.panelNalezeno->setText(QStringLiteral("VŠECHNA SLOVA: ENTER"));
    searchPrefix(1);
}

bool DictionaryPage::editSlovoKeyDown(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            btnPrelozitClick();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            ui_.stringGridSeznam->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            return false;
    }
}

void DictionaryPage::showEntry() {
    if (entryPane_.render(parts_.inputWord.data())) history_.append(entryPane_.layout());
}

void DictionaryPage::btnPrelozitClick() {
    InputWord& word = parts_.inputWord;
    readField(kCommandWordChars);
    foldAsciiInPlace(word.data());
    // Writing the folded text raises the change handler when the user typed capitals.
    ui_.editSlovo->setText(fromCp1250(word.view()));
    readField(kCommandWordChars);
    foldAsciiInPlace(word.data());
    const TranslateDecision decision = decideTranslate(parts_.store, word.view(), parts_.baseForms);
    if (suggestions_ != nullptr) suggestions_->offer(word.view(), decision);
    if (decision.action == TranslateAction::kNothing) return;
    if (decision.action == TranslateAction::kListAll) {
        searchPrefix(0);
        return;
    }
    entryPane_.clear();
    readField(kCommandWordChars);

    parts_.prefixSearch.recordTranslateFind(decision.slot);
    switch (decision.action) {
        case TranslateAction::kShowBaseForm:
            // The list shows the base form's words, as if it had been typed and
            // chosen there.
            ui_.editSlovo->setText(
                fromCp1250(parts_.store.headword(static_cast<uint32_t>(decision.slot))));
            [[fallthrough]];
        case TranslateAction::kShowStoredForm:
            word.set(parts_.store.headword(static_cast<uint32_t>(decision.slot)));
            muteWordChange_ = true;
            ui_.editSlovo->setText(fromCp1250(word.view()));
            muteWordChange_ = false;
            [[fallthrough]];
        case TranslateAction::kShowEntry:
            showEntry();
            break;
        default: {
            char message[kLayoutLineBytes];
            entryPane_.renderNotFound(formatNotFound(word.view(), message, sizeof message));
        }
    }
    ui_.editSlovo->setFocus(Qt::OtherFocusReason);
}

// --- The word list: its model, the copy of the current row into the word field,
// the keys, clicks and focus of the list, and the 10 ms poll after keyboard moves.

void DictionaryPage::setUpWordList() {
    QTableView* list = ui_.stringGridSeznam;
    wordListModel_ = new WordListModel(parts_.store, parts_.prefixSearch, this);
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

    wordListTimer_ = new QTimer(this);
    wordListTimer_->setObjectName(QStringLiteral("Timer2"));
    wordListTimer_->setInterval(kPollMilliseconds);
    connect(wordListTimer_, &QTimer::timeout, this, &DictionaryPage::Timer2Timer);
    wordListTimer_->start();
}

void DictionaryPage::hookWordList() {
    QTableView* list = ui_.stringGridSeznam;
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex&, const QModelIndex&) {
                if (!listResetting_) stringGridSeznamClick();
            });
    connect(list, &QTableView::clicked, this,
            [this](const QModelIndex&) { stringGridSeznamClick(); });
    // A double click anywhere on the list, also below its last row, opens the
    // current row; the list does not treat its second press as a new click.
    EventHook::install(list->viewport(), [this](QEvent* e) {
        // The release that ends a double click is not a click of its own: it would
        // copy the row again and lose the word's selection.
        if (e->type() == QEvent::MouseButtonRelease && releaseEndsDoubleClick_) {
            releaseEndsDoubleClick_ = false;
            return true;
        }
        if (e->type() != QEvent::MouseButtonDblClick ||
            static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) {
            return false;
        }
        releaseEndsDoubleClick_ = true;
        stringGridSeznamDblClick();
        return true;
    });
    EventHook::install(list, [this](QEvent* e) {
        switch (e->type()) {
            case QEvent::FocusIn:
                stringGridSeznamEnter();
                break;
            // Losing the focus changes nothing: the current row stays drawn
            // selected (see the palette in setUpWordList).
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
}

void DictionaryPage::takeCurrentRow() {
    muteWordChange_ = true;
    const QModelIndex current = ui_.stringGridSeznam->currentIndex();
    parts_.inputWord.set(toCp1250(wordListModel_->rowText(current.isValid() ? current.row() : -1)),
                         kChangeWordChars);
    ui_.editSlovo->setText(fromCp1250(parts_.inputWord.view()));
    muteWordChange_ = false;
}

void DictionaryPage::Timer2Timer() {
    if (!listMovePending_) return;
    takeCurrentRow();
    listMovePending_ = false;
}

void DictionaryPage::stringGridSeznamEnter() { takeCurrentRow(); }

void DictionaryPage::stringGridSeznamClick() {
    takeCurrentRow();
    listMovePending_ = false;
}

bool DictionaryPage::stringGridSeznamKeyDown(QKeyEvent* event) {
    InputWord& word = parts_.inputWord;
    // Backspace and typed characters edit the word in the word field and go on
    // there, with the caret after the last character.
    auto continueInField = [&] {
        ui_.editSlovo->setText(fromCp1250(word.view()));
        ui_.editSlovo->setFocus(Qt::OtherFocusReason);
        ui_.editSlovo->end(false);
    };
    switch (event->key()) {
        case Qt::Key_Backspace:
            readField(kCommandWordChars);
            if (!word.empty()) word[word.size() - 1] = 0;
            continueInField();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openCurrentRowEntry();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            listMovePending_ = true;
            return false;
        case Qt::Key_Home:
        case Qt::Key_End: {
            // The one-column table would move between columns; Home and End move to
            // the first and the last row, as Page Up and Page Down move by pages.
            const int rows = wordListModel_->rowCount();
            if (rows > 0) {
                const QModelIndex to =
                    wordListModel_->index(event->key() == Qt::Key_Home ? 0 : rows - 1, 0);
                ui_.stringGridSeznam->setCurrentIndex(to);
                ui_.stringGridSeznam->scrollTo(to);
            }
            listMovePending_ = true;
            return true;
        }
        default:
            break;
    }
    // Keys that type nothing (arrows, Page Up, Home, function keys, modifiers, Ctrl
    // combinations) keep their ordinary meaning in the list.
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    readField(kCommandWordChars);
    word.set(std::string(word.view()) + foldAscii(toCp1250(typed)), kCommandWordChars);
    continueInField();
    return true;
}

void DictionaryPage::stringGridSeznamDblClick() { openCurrentRowEntry(); }

void DictionaryPage::openCurrentRowEntry() {
    entryPane_.clear();
    takeCurrentRow();
    showEntry();
    ui_.editSlovo->setFocus(Qt::OtherFocusReason);
}

void DictionaryPage::panelSeznamResize() {
    ui_.stringGridSeznam->setColumnWidth(0, ui_.stringGridSeznam->width());
}

}  // namespace lexavo
