// The dictionary chooser and the commands that switch dictionaries.

#include <QCollator>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include "app/tfrm_main.h"
#include "dictionary/catalogue.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

void TfrmMain::connectCatalogueHandlers() {
    // The chooser's field is plain text: no completion from the titles, and Enter
    // neither adds the typed text as an item nor picks a title that differs in
    // case (the layout turns off insertion and the duplicate check that does it).
    ui->ComboBoxSlovnik->setCompleter(nullptr);
    // Only the user's own choices run the change handler: activated() comes from a
    // selection in the list, textEdited() from typing; selections made in code
    // raise neither.
    connect(ui->ComboBoxSlovnik, &QComboBox::activated, this,
            [this](int) { ComboBoxSlovnikChange(); });
    connect(ui->ComboBoxSlovnik->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString&) { ComboBoxSlovnikChange(); });
    connect(ui->Dalslovnk1, &QAction::triggered, this, &TfrmMain::Dalslovnk1Click);
    connect(ui->Pedchozslovnk1, &QAction::triggered, this, &TfrmMain::Pedchozslovnk1Click);
    connect(ui->ToolButton6, &QToolButton::clicked, this, &TfrmMain::Dalslovnk1Click);
    connect(ui->ToolButton5, &QToolButton::clicked, this, &TfrmMain::Pedchozslovnk1Click);
}

void TfrmMain::fillDictionaryChooser() {
    // Sorted as a Czech user's system sorts: Czech collation, case ignored.
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QComboBox* box = ui->ComboBoxSlovnik;
    for (const auto& name : state_.catalogue.names()) {
        DictInfo info;
        if (!readInfoRecord(state_.programDir, name, info)) continue;
        const QString title = fromCp1250(info.title());
        int at = 0;
        while (at < box->count() && collator.compare(box->itemText(at), title) <= 0) ++at;
        box->insertItem(at, title);
    }
    box->setCurrentIndex(-1);
    box->setEditText(QStringLiteral("Název slovníku"));
}

int TfrmMain::chooserIndexOf(std::string_view title) const {
    const QString wanted = fromCp1250(title);
    for (int i = 0; i < ui->ComboBoxSlovnik->count(); ++i) {
        if (ui->ComboBoxSlovnik->itemText(i) == wanted) return i;
    }
    return -1;
}

void TfrmMain::loadDictionary() {
    const auto result = state_.store.loadDictionary(state_.programDir);
    if (result == DictionaryStore::LoadResult::kNoInfoFile) return;
    if (result != DictionaryStore::LoadResult::kLoaded) return;
    // The window title is also what the task bar shows.
    setWindowTitle(fromCp1250(windowCaptionFor(state_.store.dictInfo.direction())));
    ui->labelSlovo->setText(fromCp1250(state_.store.dictInfo.wordLabel()));
}

void TfrmMain::openDictionaryByTitle(std::string_view title) {
    QComboBox* box = ui->ComboBoxSlovnik;
    const std::string name =
        state_.catalogue.findByTitle(state_.programDir, title, [&](const DictInfo& info) {
            // Keep the chooser in step with each record read; without an item of that
            // title the last item stays selected.
            if (box->count() > 0) {
                const int at = chooserIndexOf(info.title());
                box->setCurrentIndex(at >= 0 ? at : box->count() - 1);
            }
        });
    if (!name.empty()) state_.store.fileNames = fileNamesFor(name);
    loadDictionary();
}

void TfrmMain::ComboBoxSlovnikChange() {
    state_.catalogue.scanCatalogue(state_.programDir);
    // The typed title as the 100-byte buffer of the field holds it: at most 99 bytes,
    // up to a zero byte.
    const std::string field = toCp1250(ui->ComboBoxSlovnik->currentText()).substr(0, 99);
    const std::string_view typed(field.c_str());
    const std::string name = state_.catalogue.findByTitle(state_.programDir, typed);
    if (name.empty()) return;
    state_.store.fileNames = fileNamesFor(name);
    loadDictionary();
    ui->editSlovo->setText(QString());
    ui->editSlovo->setFocus();
    clearEntryCanvas();
    state_.inputWord.set("a");
    searchPrefix(-1);
}

void TfrmMain::Dalslovnk1Click() {
    QComboBox* box = ui->ComboBoxSlovnik;
    if (box->currentIndex() < box->count() - 1) {
        box->setCurrentIndex(box->currentIndex() + 1);
        ComboBoxSlovnikChange();
    }
}

void TfrmMain::Pedchozslovnk1Click() {
    QComboBox* box = ui->ComboBoxSlovnik;
    if (box->currentIndex() > 0) {
        box->setCurrentIndex(box->currentIndex() - 1);
        ComboBoxSlovnikChange();
    }
}

}  // namespace lexavo
