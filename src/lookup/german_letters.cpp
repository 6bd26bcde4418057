// The German letters of the dictionary page: the five buttons beside the word list
// and their menu items append a German letter to the word field.

#include <QAction>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>

#include "lookup/dictionary_page.h"
#include "widgets/qt_text.h"

namespace lexavo {

void DictionaryPage::connectSpecialLetters() {
    const struct {
        QAction* item;
        QToolButton* button;
        void (DictionaryPage::*itemClick)();
        void (DictionaryPage::*buttonClick)();
    } letters[] = {{ui_.OstrS1, ui_.btnSymbol1, &DictionaryPage::OstrS1Click,
                    &DictionaryPage::btnSymbol1Click},
                   {ui_.Pehlasovana1, ui_.btnSymbol2, &DictionaryPage::Pehlasovana1Click,
                    &DictionaryPage::btnSymbol2Click},
                   {ui_.Pehlasovane1, ui_.btnSymbol3, &DictionaryPage::Pehlasovane1Click,
                    &DictionaryPage::btnSymbol3Click},
                   {ui_.Pehlasovano1, ui_.btnSymbol4, &DictionaryPage::Pehlasovano1Click,
                    &DictionaryPage::btnSymbol4Click},
                   {ui_.Pehlasovanu1, ui_.btnSymbol5, &DictionaryPage::Pehlasovanu1Click,
                    &DictionaryPage::btnSymbol5Click}};
    for (const auto& l : letters) {
        connect(l.item, &QAction::triggered, this, l.itemClick);
        connect(l.button, &QToolButton::clicked, this, l.buttonClick);
    }
}

void DictionaryPage::insertSpecialLetter(char letter) {
    // The menu items and their keys work on the dictionary page only.
    if (ui_.gotebookPlocha->currentWidget() != ui_.pageSlovnik) return;
    // Appended at the end whatever the caret or selection: a selection is kept.
    readField(kCommandWordChars);
    std::string word(parts_.inputWord.view());
    word.push_back(letter);
    parts_.inputWord.set(word);
    const QString text = fromCp1250(parts_.inputWord.view());
    // The limit is for typing: the letter is added to whatever the field holds.
    if (text.size() > ui_.editSlovo->maxLength()) ui_.editSlovo->setMaxLength(text.size());
    ui_.editSlovo->setText(text);
    ui_.editSlovo->setFocus(Qt::OtherFocusReason);
    ui_.editSlovo->setCursorPosition(static_cast<int>(ui_.editSlovo->text().size()));
}

}  // namespace lexavo
