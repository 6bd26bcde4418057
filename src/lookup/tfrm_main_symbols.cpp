// The German special letters, added to the end of the word field.

#include <QAction>
#include <QLineEdit>

#include "app/tfrm_main.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

void TfrmMain::insertSpecialLetter(char letter) {
    // The menu items and their keys work on the dictionary page only.
    if (ui->gotebookPlocha->currentWidget() != ui->pageSlovnik) return;
    // Appended at the end whatever the caret or selection: a selection is kept.
    state_.inputWord.set(toCp1250(ui->editSlovo->text()), 999);
    std::string word(state_.inputWord.view());
    word.push_back(letter);
    state_.inputWord.set(word);
    ui->editSlovo->setText(fromCp1250(state_.inputWord.view()));
    ui->editSlovo->setFocus(Qt::OtherFocusReason);
    ui->editSlovo->setCursorPosition(static_cast<int>(ui->editSlovo->text().size()));
}

// Code page 1250 bytes of ß, ä, ë, ö and ü.
void TfrmMain::btnSymbol1Click() { insertSpecialLetter('\xDF'); }
void TfrmMain::btnSymbol2Click() { insertSpecialLetter('\xE4'); }
void TfrmMain::btnSymbol3Click() { insertSpecialLetter('\xEB'); }
void TfrmMain::btnSymbol4Click() { insertSpecialLetter('\xF6'); }
void TfrmMain::btnSymbol5Click() { insertSpecialLetter('\xFC'); }

}  // namespace lexavo
