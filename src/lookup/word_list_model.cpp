#include "lookup/word_list_model.h"

#include "widgets/qt_text.h"

namespace lexavo {

WordListModel::WordListModel(const DictionaryStore& store, const PrefixSearch& search,
                             QObject* parent)
    : QAbstractTableModel(parent), store_(store), search_(search) {}

int WordListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    const uint32_t rows = search_.listRows();
    return rows == 0 ? 1 : static_cast<int>(rows);
}

int WordListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QString WordListModel::rowText(int r) const {
    if (r < 0 || static_cast<uint32_t>(r) >= search_.listRows()) return {};
    return fromCp1250(store_.headword(search_.rowSlot(static_cast<uint32_t>(r))));
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() != 0) return {};
    if (role == Qt::DisplayRole) return rowText(index.row());
    return {};
}

}  // namespace lexavo
