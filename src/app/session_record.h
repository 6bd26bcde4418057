#pragma once
// What one run hands to the next: the configuration record lexavo.ini (window
// bounds and state, view options, page, dictionary title) and the run files
// (the search history minule.txt and the two user dictionaries' memos).

#include <string>

#include "app/config_record.h"

class QComboBox;
class QMainWindow;
class QPlainTextEdit;

namespace lexavo {

class OuterBounds;
class ProgramFolder;
class Shell;

class SessionRecord {
  public:
    // The memos of the run files and the dictionary chooser, under the form's names;
    // the pages and panels are the shell's.
    struct Widgets {
        QPlainTextEdit* editHledaneMinule;
        QPlainTextEdit* editHledaneDnes;
        QPlainTextEdit* editUzivAng;
        QPlainTextEdit* editUzivNem;
        QComboBox* ComboBoxSlovnik;
    };
    SessionRecord(const Widgets& widgets, QMainWindow* window, const ProgramFolder& folder,
                  Shell& shell);

    // Reads lexavo.ini; false (the first run) when there is none.
    bool read();
    bool hadConfigFile() const { return hadConfigFile_; }
    const ConfigRecord& record() const { return record_; }
    ConfigRecord& record() { return record_; }

    // The record onto the window, its panels and its page.
    void apply();
    // The run files into their memos.
    void loadRunFiles();
    // The window, its panels, its page and the chosen title into the record.
    void capture();
    // Writes this run's search history to minule.txt; false when it cannot.
    bool saveSearchHistory();
    // The close step: the record is written (failures unsaid) and the history saved;
    // false, after the error box, when the history cannot be written.
    bool closeQuery();

  private:
    void applyWindowBounds();
    void applyPage();

    Widgets ui_;
    QMainWindow* window_;
    const ProgramFolder& folder_;
    Shell& shell_;
    OuterBounds* bounds_;
    ConfigRecord record_;
    bool hadConfigFile_ = false;
};

}  // namespace lexavo
