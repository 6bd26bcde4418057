#include "assistant/assistant_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <vector>

#include "app/config_record.h"
#include "app/outer_bounds.h"
#include "dictionary/catalogue.h"
#include "entry/entry_pane.h"
#include "entry/entry_view.h"
#include "lookup/suggestion_line.h"
#include "morphology/hunspell_base_forms.h"
#include "text/cp1250.h"
#include "translator/text_translator.h"
#include "widgets/qt_text.h"

namespace lexavo {

// What the assistant works on, allocated once: the shown set and the other direction
// of its language pair, the entry picture and its parts, the base forms, the
// suggestions and the word loop of longer texts.
struct AssistantState {
    explicit AssistantState(const std::string& dir) : forms(hunspellFolders(dir)) {}
    HunspellBaseForms forms;
    Catalogue catalogue;
    DictionaryStore store;
    std::string storeTitle;
    DictionaryStore partner;
    std::string partnerTitle;
    EntryReader reader;
    EntryCanvas canvas;
    EntryLayout layout;
    Suggester suggester;
    TextTranslator translator;
};

namespace {

const QString kTitle = QStringLiteral("Překladový pomocník");

bool found(const TranslateDecision& d) {
    return d.action == TranslateAction::kShowEntry ||
           d.action == TranslateAction::kShowStoredForm ||
           d.action == TranslateAction::kShowBaseForm;
}

// The translate command's decision; a single letter is looked up as it is instead
// of listing every headword.
TranslateDecision decide(const DictionaryStore& store, const std::string& folded,
                         BaseForms* forms) {
    if (folded.size() != 1) return decideTranslate(store, folded, forms);
    if (const int32_t slot = findExactSlot(store, folded); slot >= 0) {
        return {TranslateAction::kShowEntry, slot};
    }
    if (const int32_t slot = findFoldedSlot(store, folded); slot >= 0) {
        return {TranslateAction::kShowStoredForm, slot};
    }
    return {TranslateAction::kNotFound};
}

FixedTranslations fixedFor(std::string_view title) {
    if (title == kTitleEnglishCzech) return FixedTranslations::kEnglishIntoCzech;
    if (title == kTitleCzechEnglish) return FixedTranslations::kCzechIntoEnglish;
    return FixedTranslations::kNone;
}

// A copied word with the punctuation around it left out: "house," is "house".
QString trimmedWord(const QString& text) {
    QString word = text.simplified();
    const QString around = QStringLiteral(".,;:!?\"'()[]{}<>„“”‚‘’«»…");
    while (!word.isEmpty() && around.contains(word.front())) word.remove(0, 1);
    while (!word.isEmpty() && around.contains(word.back())) word.chop(1);
    return word;
}

}  // namespace

std::string_view partnerTitle(std::string_view title) {
    if (title == kTitleEnglishCzech) return kTitleCzechEnglish;
    if (title == kTitleCzechEnglish) return kTitleEnglishCzech;
    if (title == kTitleGermanCzech) return kTitleCzechGerman;
    if (title == kTitleCzechGerman) return kTitleGermanCzech;
    return {};
}

AssistantWindow::AssistantWindow(ProgramFolder folder, QWidget* parent)
    : QWidget(parent),
      folder_(std::move(folder)),
      state_(std::make_unique<AssistantState>(folder_.path())) {
    setWindowTitle(kTitle);
    setObjectName(QStringLiteral("frmPomocnik"));
    // Raised by a copy in another program, the window leaves the keyboard there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    bounds_ = new OuterBounds(this);
    buildWindow();
    restoreSettings();
    QClipboard* clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::changed, this, &AssistantWindow::clipboardChanged);
    pane_->clear();
}

AssistantWindow::~AssistantWindow() = default;

void AssistantWindow::buildWindow() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    auto* row = new QHBoxLayout;
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("editSlovo"));
    field_->setMaxLength(kMaxLookedUpChars);
    connect(field_, &QLineEdit::returnPressed, this, [this] { lookUp(field_->text()); });
    row->addWidget(field_, 1);
    onTop_ = new QCheckBox(QStringLiteral("Vždy navrchu"), this);
    onTop_->setChecked(true);
    connect(onTop_, &QCheckBox::toggled, this, &AssistantWindow::setOnTop);
    row->addWidget(onTop_);
    column->addLayout(row);
    selection_ = new QCheckBox(QStringLiteral("Překládat i označený text (bez Ctrl+C)"), this);
    selection_->setVisible(QGuiApplication::clipboard()->supportsSelection());
    column->addWidget(selection_);
    answered_ = new QLabel(this);
    answered_->setObjectName(QStringLiteral("labelSlovnik"));
    column->addWidget(answered_);

    auto* split = new QSplitter(Qt::Vertical, this);
    auto* entry = new QWidget(split);
    auto* entryColumn = new QVBoxLayout(entry);
    entryColumn->setContentsMargins(0, 0, 0, 0);
    entryColumn->setSpacing(0);
    box_ = new QScrollArea(entry);
    box_->setFocusPolicy(Qt::NoFocus);
    box_->setStyleSheet(QStringLiteral("QScrollArea { background-color: white; }"));
    view_ = new EntryView(box_);
    box_->setWidget(view_);
    entryColumn->addWidget(box_);
    translation_ = new QPlainTextEdit(split);
    translation_->setObjectName(QStringLiteral("editPreklad"));
    translation_->setReadOnly(true);
    translation_->hide();
    column->addWidget(split, 1);

    AssistantState& s = *state_;
    pane_ = std::make_unique<EntryPane>(
        EntryPane::Parts{s.store, folder_, s.reader, s.canvas, s.layout}, box_, view_, this);
    suggestions_ = new SuggestionLine(entry, field_, s.store, s.suggester, &s.forms);
    connect(suggestions_, &SuggestionLine::chosen, this, &AssistantWindow::lookUp);
}

void AssistantWindow::restoreSettings() {
    // The assistant's own settings file beside the program; the main program's
    // files are only ever read.
    QSettings settings(QString::fromStdString(folder_.file("pomocnik.ini")), QSettings::IniFormat);
    // The window's outer bounds, frame included, as the main program keeps its own:
    // they come back exactly under any window manager.
    const QList<int> outer = settings.value(QStringLiteral("okno")).value<QList<int>>();
    if (outer.size() == 4) {
        bounds_->apply({outer[0], outer[1], outer[2], outer[3]});
    } else {
        resize(380, 320);
    }
    onTop_->setChecked(settings.value(QStringLiteral("vzdyNavrchu"), true).toBool());
    selection_->setChecked(settings.value(QStringLiteral("oznacenyText"), false).toBool());
    setOnTop(onTop_->isChecked());
}

void AssistantWindow::saveSettings() const {
    QSettings settings(QString::fromStdString(folder_.file("pomocnik.ini")), QSettings::IniFormat);
    const QRect outer = bounds_->current();
    settings.setValue(
        QStringLiteral("okno"),
        QVariant::fromValue(QList<int>{outer.x(), outer.y(), outer.width(), outer.height()}));
    settings.setValue(QStringLiteral("vzdyNavrchu"), onTop_->isChecked());
    settings.setValue(QStringLiteral("oznacenyText"), selection_->isChecked());
}

void AssistantWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
}

void AssistantWindow::setOnTop(bool onTop) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window's flags hides it.
    if (shown) show();
}

void AssistantWindow::clipboardChanged(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode != QClipboard::Clipboard &&
        !(mode == QClipboard::Selection && selection_->isChecked()))
        return;
    // What the assistant copies itself (from its own fields) is not looked up.
    if (clipboard->ownsClipboard() || (mode == QClipboard::Selection && clipboard->ownsSelection()))
        return;
    const QString text = clipboard->text(mode);
    QString& last = lastText_[mode == QClipboard::Clipboard ? 0 : 1];
    if (text.trimmed().isEmpty() || text == last) return;
    last = text;
    takeText(text);
    bringForward(false);
}

void AssistantWindow::takeText(const QString& text) {
    const QString word = trimmedWord(text);
    if (word.size() <= kMaxLookedUpChars && !text.trimmed().contains(QLatin1Char('\n'))) {
        lookUp(word);
    } else {
        translate(text);
    }
}

void AssistantWindow::bringForward(bool takeKeyboard) {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    if (takeKeyboard) {
        activateWindow();
        field_->setFocus(Qt::OtherFocusReason);
    }
}

std::string AssistantWindow::wantedTitle() const {
    ConfigRecord record;
    if (readConfigRecord(folder_.path(), record) && !record.dictionaryTitle().empty()) {
        return std::string(record.dictionaryTitle());
    }
    return kTitleEnglishCzech;  // the main program's choice on a first run
}

bool AssistantWindow::loadSet(std::string_view title) {
    AssistantState& s = *state_;
    return loadInto(s.store, s.storeTitle, title);
}

bool AssistantWindow::loadInto(DictionaryStore& store, std::string& loaded,
                               std::string_view title) {
    if (loaded == title) return true;
    loaded.clear();
    AssistantState& s = *state_;
    s.catalogue.scanCatalogue(folder_.path());
    const std::string name = s.catalogue.findByTitle(folder_.path(), title);
    if (name.empty()) return false;
    if (store.loadDictionary(folder_.path(), fileNamesFor(name)) !=
        DictionaryStore::LoadResult::kLoaded)
        return false;
    loaded = title;
    return true;
}

void AssistantWindow::lookUp(const QString& word) {
    AssistantState& s = *state_;
    field_->setText(word);
    translation_->hide();
    wanted_ = wantedTitle();
    const std::string& wanted = wanted_;
    pane_->clear();
    if (!loadSet(wanted)) {
        suggestions_->clear();
        answered_->setText(
            QStringLiteral("Slovník „%1“ není nainstalován.").arg(fromCp1250(wanted)));
        return;
    }
    const std::string folded = foldAscii(toCp1250(word).substr(0, kMaxLookedUpChars));
    TranslateDecision decision = decide(s.store, folded, &s.forms);
    // Found only in the other direction of the pair: that set answers.
    const std::string_view other = partnerTitle(wanted);
    if (!found(decision) && !other.empty()) {
        if (loadInto(s.partner, s.partnerTitle, other) &&
            found(decide(s.partner, folded, &s.forms)) && loadSet(other)) {
            decision = decide(s.store, folded, &s.forms);
        }
    }
    if (found(decision)) {
        std::string headword =
            decision.action == TranslateAction::kShowEntry
                ? folded
                : std::string(s.store.headword(static_cast<uint32_t>(decision.slot)));
        std::vector<char> buffer(headword.begin(), headword.end());
        buffer.push_back('\0');
        pane_->render(buffer.data());
    } else {
        char message[kLayoutLineBytes];
        pane_->renderNotFound(formatNotFound(folded, message, sizeof message));
    }
    suggestions_->offer(folded, decision);
    answered_->setText(answeredBy());
    setWindowTitle(word.isEmpty() ? kTitle : word + QStringLiteral(" – ") + kTitle);
}

QString AssistantWindow::answeredBy() const {
    const AssistantState& s = *state_;
    if (s.storeTitle.empty()) return {};
    QString text = QStringLiteral("%1 (%2)").arg(fromCp1250(s.store.dictInfo().title()),
                                                 fromCp1250(s.store.dictInfo().direction()));
    if (s.storeTitle != wanted_) text += QStringLiteral(", nalezeno v opačném směru");
    return text;
}

void AssistantWindow::translate(const QString& text) {
    AssistantState& s = *state_;
    wanted_ = wantedTitle();
    if (!loadSet(wanted_)) return;
    std::string result;
    s.translator.translate(s.store, s.reader, toCp1250Lines(text), fixedFor(wanted_), result);
    translation_->setPlainText(fromCp1250Lines(result));
    translation_->show();
    answered_->setText(answeredBy());
    setWindowTitle(QStringLiteral("Překlad textu – ") + kTitle);
}

}  // namespace lexavo
