#pragma once
// The dictionary page: the word field editSlovo, the prefix search that fills the
// word list stringGridSeznam, the translate command, the entry pane, this run's
// search history and the special letters.

#include <QObject>
#include <string>
#include <string_view>

#include "dictionary/base_forms.h"
#include "dictionary/dictionary_store.h"
#include "entry/entry_pane.h"
#include "lookup/input_word.h"
#include "lookup/prefix_search.h"
#include "lookup/search_history.h"

class QAction;
class QFrame;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTableView;
class QTimer;
class QToolButton;

namespace lexavo {

class CountLine;
class EntryView;
class SuggestionLine;
class Suggester;
class TextFileDialogs;
class WordListModel;

class DictionaryPage : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        DictionaryStore& store;
        InputWord& inputWord;
        PrefixSearch& prefixSearch;
        EntryPane::Parts entry;
        // The translate command tries these base forms of a word with no headword
        // (none when null).
        BaseForms* baseForms = nullptr;
        // Offers what the user may have meant where the translate command finds no
        // entry as typed (nothing is offered when null).
        Suggester* suggester = nullptr;
    };
    // The widgets of the page and the commands it answers, under the form's names.
    struct Widgets {
        QStackedWidget* gotebookPlocha;  // the pages; the commands work on this one only
        QWidget* pageSlovnik;
        QLineEdit* editSlovo;
        QPushButton* btnPrelozit;
        QTableView* stringGridSeznam;
        CountLine* panelNalezeno;
        QFrame* panelVyznam;  // holds the suggestion line above the entry
        QScrollArea* scrollPreklad;
        EntryView* ipaintPreklad;
        QAction* Peloitslovo1;
        QToolButton* ToolButton8;
        QToolButton* ToolButton2;
        QToolButton* ToolButton3;
        QToolButton* btnSymbol1;
        QToolButton* btnSymbol2;
        QToolButton* btnSymbol3;
        QToolButton* btnSymbol4;
        QToolButton* btnSymbol5;
        QAction* OstrS1;
        QAction* Pehlasovana1;
        QAction* Pehlasovane1;
        QAction* Pehlasovano1;
        QAction* Pehlasovanu1;
        SearchHistory::Widgets history;
    };
    DictionaryPage(const Widgets& widgets, const Parts& parts, TextFileDialogs& dialogs,
                   QWidget* window);

    EntryPane& entryPane() { return entryPane_; }
    SuggestionLine* suggestions() { return suggestions_; }
    SearchHistory& history() { return history_; }

    // The word list for threshold (-1: the input word as it is, otherwise the word
    // field read first; see PrefixSearch::run).
    void searchPrefix(int32_t threshold);
    // Every headword from "a" on, as after a load.
    void listFromStart();
    // After the user switched dictionaries: an empty word field with the focus, a
    // blank entry picture and the list from the start.
    void startOver();

    // The word field.
    void editSlovoChange();
    // Enter translates, Up and Down enter the word list; true when the key was taken.
    bool editSlovoKeyDown(int key);
    bool muteWordChange() const { return muteWordChange_; }
    // The translate command, and the menu item and the quick-command button that
    // run it.
    void btnPrelozitClick();
    void Peloitslovo1Click() { btnPrelozitClick(); }
    void ToolButton8Click() { btnPrelozitClick(); }
    // The quick-command buttons that save and print the search history.
    void ToolButton2Click() { history_.Uloitpeklad1Click(); }
    void ToolButton3Click() { history_.Vytisknoutpeklad1Click(); }

    // The word list.
    void takeCurrentRow();
    void Timer2Timer();
    void stringGridSeznamEnter();
    void stringGridSeznamClick();
    // True when the key was taken; Up and Down still move the current row.
    bool stringGridSeznamKeyDown(QKeyEvent* event);
    void stringGridSeznamDblClick();
    void panelSeznamResize();

    // The special letters' buttons and menu items: each appends its German letter
    // (ß, ä, ë, ö, ü) to the word field.
    void btnSymbol1Click() { insertSpecialLetter('\xDF'); }
    void btnSymbol2Click() { insertSpecialLetter('\xE4'); }
    void btnSymbol3Click() { insertSpecialLetter('\xEB'); }
    void btnSymbol4Click() { insertSpecialLetter('\xF6'); }
    void btnSymbol5Click() { insertSpecialLetter('\xFC'); }
    void OstrS1Click() { btnSymbol1Click(); }
    void Pehlasovana1Click() { btnSymbol2Click(); }
    void Pehlasovane1Click() { btnSymbol3Click(); }
    void Pehlasovano1Click() { btnSymbol4Click(); }
    void Pehlasovanu1Click() { btnSymbol5Click(); }

  private:
    // The translate command, the list's keys and the special letters read up to 999
    // characters of the word field.
    static constexpr size_t kCommandWordChars = 999;

    void connectWordField();
    void setUpWordList();
    void hookWordList();
    void connectSpecialLetters();
    // Appends a special letter (a code page 1250 byte) to the word field.
    void insertSpecialLetter(char letter);
    void openCurrentRowEntry();
    // The word field's text into the input word, at most chars characters.
    void readField(size_t chars);
    // Draws the input word's entry and adds its lines to the history.
    void showEntry();

    Widgets ui_;
    Parts parts_;
    // The word field's limit for typing, as the form sets it; a special letter may
    // go past it.
    const int typedWordChars_;
    EntryPane entryPane_;
    SearchHistory history_;
    SuggestionLine* suggestions_ = nullptr;
    WordListModel* wordListModel_ = nullptr;
    QTimer* wordListTimer_ = nullptr;  // Timer2
    bool muteWordChange_ = false;
    bool listMovePending_ = false;
    bool releaseEndsDoubleClick_ = false;
    // Set while the search refills the list, whose current row then changes by code.
    bool listResetting_ = false;
};

}  // namespace lexavo
