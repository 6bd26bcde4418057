#pragma once
// The translator page: the language box, the two text tabs with their memos and
// files, and the translation run behind the progress window TfrmPreklad.

#include <QObject>
#include <string>

#include "dictionary/dictionary_store.h"
#include "entry/entry_reader.h"
#include "text/program_folder.h"
#include "translator/text_translator.h"

class QAction;
class QComboBox;
class QPlainTextEdit;
class QStackedWidget;
class QTabWidget;
class QToolButton;

namespace lexavo {

class DictionaryChooser;
class DictionaryPage;
class TextFileDialogs;
class TfrmPreklad;

class TranslatorPage : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        DictionaryStore& store;
        const ProgramFolder& folder;
        EntryReader& entryReader;
        TextTranslator& translator;
        // The run loads the dictionary of its direction and lists it on the
        // dictionary page, as a choice in the chooser does.
        DictionaryChooser& chooser;
        DictionaryPage& dictionaryPage;
    };
    // The widgets of the page and the commands it answers, under the form's names.
    struct Widgets {
        QStackedWidget* gotebookPlocha;
        QWidget* pagePrekladac;
        QComboBox* comboBoxJazyk;
        QToolButton* btnPreklad;
        QTabWidget* PageControlPreklad;
        QWidget* tabAnglickyText;
        QWidget* tabCeskyText;
        QPlainTextEdit* editAnglickyText;
        QPlainTextEdit* editCeskyText;
        QAction* Peloittext1;
        QAction* mnuDoAng;
        QAction* mnuDoNem;
        QAction* Otevtanglicknmecktext1;
        QAction* Otevtesktext1;
        QAction* Uloitcizojazyntext1;
        QAction* Uloitesktext1;
    };
    TranslatorPage(const Widgets& widgets, const Parts& parts, TextFileDialogs& dialogs,
                   QWidget* window);

    // The progress window, created after the main window; its timer's tick runs
    // translateText.
    void attach(TfrmPreklad* progress);

    // The whole run: load the dictionary of the direction, translate the source
    // tab's text into the other tab, close the progress window.
    void translateText();
    void btnPrekladClick();
    void Peloittext1Click() { btnPrekladClick(); }
    void comboBoxJazykChange();
    void mnuDoAngClick();
    void mnuDoNemClick();
    // The page's language step of its mode switch: English when no language is
    // chosen yet, and the first tab captioned for the language.
    void normaliseLanguage();

    void Otevtanglicknmecktext1Click();  // into editAnglickyText
    void Otevtesktext1Click();           // into editCeskyText
    void Uloitcizojazyntext1Click();     // editAnglickyText
    void Uloitesktext1Click();           // editCeskyText

  private:
    void connectCommands();

    Widgets ui_;
    Parts parts_;
    TextFileDialogs& dialogs_;
    QWidget* window_;
    TfrmPreklad* progress_ = nullptr;
};

}  // namespace lexavo
