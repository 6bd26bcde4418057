#pragma once
// The line of suggestions above the entry pane: when the translate command finds no
// entry for the typed word, or finds it only another way, the headwords the user
// most likely meant are offered as links; a click on one, or Enter on it, opens its
// entry as the translate command does. Hidden while there is nothing to offer.

#include <QObject>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/exact_lookup.h"
#include "lookup/suggestions.h"

class QPushButton;
class QWidget;

namespace lexavo {

class SuggestionLine : public QObject {
    Q_OBJECT
  public:
    // The line goes first into panel's layout; after is the control it follows in
    // the order of the Tab key.
    SuggestionLine(QWidget* panel, QWidget* after, DictionaryStore& store, Suggester& suggester,
                   BaseForms* forms);

    // What to offer beside the translate command's decision for the typed word.
    void offer(std::string_view typed, const TranslateDecision& decision);
    void clear();
    const std::vector<std::string>& offered() const { return offered_; }
    QWidget* line() const { return line_; }
    // The suggestions' buttons, in order; those beyond the offered ones are hidden.
    const std::vector<QPushButton*>& links() const { return links_; }

  signals:
    // A suggestion chosen: the headword as the word field shows it.
    void chosen(const QString& headword);

  private:
    DictionaryStore& store_;
    Suggester& suggester_;
    BaseForms* forms_;
    QWidget* line_;
    std::vector<QPushButton*> links_;
    std::vector<std::string> offered_;
};

}  // namespace lexavo
