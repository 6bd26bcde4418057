#pragma once
// The translation assistant "Překladový pomocník": a small window beside the
// programs the user reads in. A word or short expression copied anywhere is looked
// up at once in the dictionary the main program uses and its entry shown as the
// dictionary page shows it; a longer text is translated word by word. The window
// comes to the front without taking the keyboard from the program in use.

#include <QClipboard>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

#include "text/program_folder.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;

namespace lexavo {

class DictionaryStore;
class EntryPane;
class OuterBounds;
class EntryView;
class SuggestionLine;
struct AssistantState;

// A copied text up to this many characters is looked up as a word or expression;
// a longer one is translated word by word.
constexpr int kMaxLookedUpChars = 100;

// The set of the other direction of the same language pair ("Česko-anglický slovník"
// for "Anglicko-český slovník"), or an empty text for any other title.
std::string_view partnerTitle(std::string_view title);

class AssistantWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AssistantWindow(ProgramFolder folder, QWidget* parent = nullptr);
    ~AssistantWindow() override;

    // A copied text: looked up, or translated when it is longer than a word or short
    // expression.
    void takeText(const QString& text);
    // Looks up a word or expression (as typed or copied) and shows its entry.
    void lookUp(const QString& word);
    // Brings the window to the front; with takeKeyboard (a second start by the user)
    // it also becomes the active window.
    void bringForward(bool takeKeyboard);
    // The text the last lookup showed, for the window's title and for tests.
    QString answeredBy() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void restoreSettings();
    void saveSettings() const;
    void clipboardChanged(QClipboard::Mode mode);
    void setOnTop(bool onTop);
    // Loads the set of this title into the shown store unless it is loaded; false
    // when it is not installed.
    bool loadSet(std::string_view title);
    // The same for any store, whose loaded title is kept in loaded.
    bool loadInto(DictionaryStore& store, std::string& loaded, std::string_view title);
    // The title the main program has in its configuration record.
    std::string wantedTitle() const;
    void translate(const QString& text);

    ProgramFolder folder_;
    // The main program's set at the last lookup, read from its record.
    std::string wanted_;
    std::unique_ptr<AssistantState> state_;
    std::unique_ptr<EntryPane> pane_;
    OuterBounds* bounds_ = nullptr;
    QLineEdit* field_ = nullptr;
    QLabel* answered_ = nullptr;
    QCheckBox* onTop_ = nullptr;
    QCheckBox* selection_ = nullptr;
    QScrollArea* box_ = nullptr;
    EntryView* view_ = nullptr;
    QPlainTextEdit* translation_ = nullptr;
    SuggestionLine* suggestions_ = nullptr;
    QString lastText_[2];  // the last text taken from the clipboard and the selection
};

}  // namespace lexavo
