#include "dictionary/dictionary_chooser.h"

#include <QCollator>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include "text/qt_text.h"

namespace lexavo {

DictionaryChooser::DictionaryChooser(QComboBox* box, Catalogue& catalogue, DictionaryStore& store,
                                     const std::string& programDir, QObject* parent)
    : QObject(parent), box_(box), catalogue_(catalogue), store_(store), programDir_(programDir) {
    // The chooser's field is plain text: no completion from the titles, and Enter
    // neither adds the typed text as an item nor picks a title that differs in
    // case (the layout turns off insertion and the duplicate check that does it).
    box_->setCompleter(nullptr);
    // Only the user's own choices run the change handler: activated() comes from a
    // selection in the list, textEdited() from typing; selections made in code
    // raise neither.
    connect(box_, &QComboBox::activated, this, [this](int) { change(); });
    connect(box_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString&) { change(); });
}

void DictionaryChooser::fill() {
    // Sorted as a Czech user's system sorts: Czech collation, case ignored.
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (const auto& name : catalogue_.names()) {
        DictInfo info;
        if (!readInfoRecord(programDir_, name, info)) continue;
        const QString title = fromCp1250(info.title());
        int at = 0;
        while (at < box_->count() && collator.compare(box_->itemText(at), title) <= 0) ++at;
        box_->insertItem(at, title);
    }
    box_->setCurrentIndex(-1);
    box_->setEditText(QStringLiteral("Název slovníku"));
}

int DictionaryChooser::indexOf(std::string_view title) const {
    const QString wanted = fromCp1250(title);
    for (int i = 0; i < box_->count(); ++i) {
        if (box_->itemText(i) == wanted) return i;
    }
    return -1;
}

void DictionaryChooser::loadDictionary() {
    if (store_.loadDictionary(programDir_) != DictionaryStore::LoadResult::kLoaded) return;
    emit loaded(fromCp1250(windowCaptionFor(store_.dictInfo.direction())),
                fromCp1250(store_.dictInfo.wordLabel()));
}

void DictionaryChooser::openByTitle(std::string_view title) {
    const std::string name = catalogue_.findByTitle(programDir_, title, [&](const DictInfo& info) {
        // Keep the chooser in step with each record read; without an item of that
        // title the last item stays selected.
        if (box_->count() > 0) {
            const int at = indexOf(info.title());
            box_->setCurrentIndex(at >= 0 ? at : box_->count() - 1);
        }
    });
    if (!name.empty()) store_.fileNames = fileNamesFor(name);
    loadDictionary();
}

void DictionaryChooser::change() {
    catalogue_.scanCatalogue(programDir_);
    // The typed title as the 100-byte buffer of the field holds it: at most 99 bytes,
    // up to a zero byte.
    const std::string field = toCp1250(box_->currentText()).substr(0, 99);
    const std::string name = catalogue_.findByTitle(programDir_, std::string_view(field.c_str()));
    if (name.empty()) return;
    store_.fileNames = fileNamesFor(name);
    loadDictionary();
    emit switchedByUser();
}

void DictionaryChooser::next() {
    if (box_->currentIndex() < box_->count() - 1) {
        box_->setCurrentIndex(box_->currentIndex() + 1);
        change();
    }
}

void DictionaryChooser::previous() {
    if (box_->currentIndex() > 0) {
        box_->setCurrentIndex(box_->currentIndex() - 1);
        change();
    }
}

}  // namespace lexavo
