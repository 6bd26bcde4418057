#pragma once
// This run's search history: the lines of every entry shown, in the memo
// editHledaneDnes on the history page, saved as a text file or printed.

#include <QObject>
#include <QPointer>
#include <memory>

#include "entry/entry_layout.h"

class QPlainTextEdit;
class QPrintDialog;
class QPrinter;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace lexavo {

class TextFileDialogs;

class SearchHistory : public QObject {
    Q_OBJECT
  public:
    struct Widgets {
        QPlainTextEdit* today;   // editHledaneDnes
        QTabWidget* tabs;        // pageControlHledane
        QWidget* todayTab;       // tabHledaneDnes
        QTextEdit* printSource;  // RichEdit1
    };
    SearchHistory(const Widgets& widgets, TextFileDialogs& dialogs, QWidget* window);
    ~SearchHistory() override;
    SearchHistory(const SearchHistory&) = delete;
    SearchHistory& operator=(const SearchHistory&) = delete;

    // Appends the history lines of the entry just drawn and brings this run's tab
    // to the front.
    void append(const EntryLayout& layout);
    // Saving the history: the lines into a text file chosen in SaveDialog1.
    void Uloitpeklad1Click();
    // Printing the history: the lines printed after PrintDialog1.
    void Vytisknoutpeklad1Click();
    // The printer the history is printed on; tests point it at a PDF file.
    QPrinter& printer() { return *printer_; }

  private:
    Widgets w_;
    TextFileDialogs& dialogs_;
    QWidget* window_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintDialog> printDialog_;
};

}  // namespace lexavo
