#pragma once
// The dictionary chooser ComboBoxSlovnik: the catalogue's titles in it, and the
// loading of the set the user or the program picks by title.

#include <QObject>
#include <QString>
#include <string>
#include <string_view>

#include "dictionary/catalogue.h"
#include "dictionary/dictionary_store.h"

class QComboBox;

namespace lexavo {

class DictionaryChooser : public QObject {
    Q_OBJECT
  public:
    DictionaryChooser(QComboBox* box, Catalogue& catalogue, DictionaryStore& store,
                      const std::string& programDir, QObject* parent);

    // Fills the chooser with the titles of the catalogue's sets, sorted as a Czech
    // user's system sorts them, and shows its design text.
    void fill();
    // Loads the set of the first catalogue name whose title is title (the one in use
    // is reloaded when none is), keeping the chooser in step.
    void openByTitle(std::string_view title);
    // Loads the set named by the store's file names.
    void loadDictionary();

    // The user chose or typed a title: ComboBoxSlovnikChange.
    void change();
    // The next and the previous title of the chooser, as the user's choice.
    void next();
    void previous();

  signals:
    // A set was loaded with its information record: the window's caption and the
    // word field's label, as the widgets show them.
    void loaded(const QString& caption, const QString& wordLabel);
    // The user's choice loaded a set: the dictionary page starts over.
    void switchedByUser();

  private:
    // Index of the chooser's item whose text equals title, or -1.
    int indexOf(std::string_view title) const;

    QComboBox* box_;
    Catalogue& catalogue_;
    DictionaryStore& store_;
    const std::string& programDir_;
};

}  // namespace lexavo
