#pragma once
// The dictionary chooser ComboBoxSlovnik: the catalogue's titles in it, the loading of
// the set the user or the program picks by title, and the commands that step through
// the titles.

#include <QObject>
#include <QString>
#include <string>
#include <string_view>

#include "dictionary/catalogue.h"
#include "dictionary/dictionary_store.h"
#include "text/program_folder.h"

class QAction;
class QComboBox;
class QToolButton;

namespace lexavo {

// The widgets the chooser works.
struct ChooserWidgets {
    QComboBox* box;               // ComboBoxSlovnik
    QAction* nextItem;            // Dalslovnk1, "Další slovník" (F9)
    QAction* previousItem;        // Pedchozslovnk1, "Předchozí slovník" (F10)
    QToolButton* nextButton;      // ToolButton6 of the quick-command bar
    QToolButton* previousButton;  // ToolButton5
};

class DictionaryChooser : public QObject {
    Q_OBJECT
  public:
    DictionaryChooser(const ChooserWidgets& widgets, Catalogue& catalogue, DictionaryStore& store,
                      const ProgramFolder& folder, QObject* parent);

    // Fills the chooser with the titles of the catalogue's sets, sorted as a Czech
    // user's system sorts them, and shows its design text.
    void fill();
    // Loads the set of the first catalogue name whose title is title (the one in use
    // is reloaded when none is), keeping the chooser in step.
    void openByTitle(std::string_view title);
    // The user chose or typed a title.
    void ComboBoxSlovnikChange();
    // The next and the previous title of the chooser, as the user's choice; the
    // quick-command buttons do the same.
    void Dalslovnk1Click();
    void Pedchozslovnk1Click();
    void ToolButton6Click() { Dalslovnk1Click(); }
    void ToolButton5Click() { Pedchozslovnk1Click(); }

  signals:
    // A set was loaded; the store holds its information record.
    void loaded();
    // The user's choice loaded a set: the dictionary page starts over.
    void switchedByUser();

  private:
    // Loads the set of names and says so.
    void load(const DictFileNames& names);
    // Index of the chooser's item whose text equals title, or -1.
    int indexOf(std::string_view title) const;

    QComboBox* box_;
    Catalogue& catalogue_;
    DictionaryStore& store_;
    const ProgramFolder& folder_;
};

}  // namespace lexavo
