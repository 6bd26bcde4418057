// The German letters of the dictionary page: the five buttons beside the word list
// and their menu items append a German letter to the word field.

#include <QAction>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>

#include "lookup/dictionary_page.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

void DictionaryPage::connectSpecialLetters() {
    // Code page 1250 bytes of ß, ä, ë, ö and ü.
    const struct {
        QAction* item;
        QToolButton* button;
        char letter;
    } letters[] = {{ui_.OstrS1, ui_.btnSymbol1, '\xDF'},
                   {ui_.Pehlasovana1, ui_.btnSymbol2, '\xE4'},
                   {ui_.Pehlasovane1, ui_.btnSymbol3, '\xEB'},
                   {ui_.Pehlasovano1, ui_.btnSymbol4, '\xF6'},
                   {ui_.Pehlasovanu1, ui_.btnSymbol5, '\xFC'}};
    for (const auto& l : letters) {
        const char letter = l.letter;
        connect(l.item, &QAction::triggered, this, [this, letter] { insertSpecialLetter(letter); });
        connect(l.button, &QToolButton::clicked, this,
                [this, letter] { insertSpecialLetter(letter); });
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
