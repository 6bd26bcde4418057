#pragma once
// The word list's rows: the slot numbers the prefix search found, shown as their
// headwords only when a row is drawn, so that a list of any length appears at
// once. Without matches the list has one empty row.

#include <QAbstractTableModel>

#include "dictionary/dictionary_store.h"
#include "lookup/prefix_search.h"

namespace lexavo {

class WordListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    WordListModel(const DictionaryStore& store, const PrefixSearch& search, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brackets a change of the search's rows.
    void beginRefill() { beginResetModel(); }
    void endRefill() { endResetModel(); }

    // Text of row r as stored in its slot; empty for the empty row.
    QString rowText(int r) const;

  private:
    const DictionaryStore& store_;
    const PrefixSearch& search_;
};

}  // namespace lexavo
