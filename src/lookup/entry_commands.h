#pragma once
// What a user can do with the shown entry beyond reading it: copy it as text
// ("Kopírovat heslo", Ctrl+Shift+C, the entry's context menu, or Ctrl+C while the
// entry has the keyboard, which F12 gives it), and zoom it (Ctrl++, Ctrl+-, Ctrl+0
// and Ctrl with the wheel over the entry) from 50 % to 300 %, and hear its headword
// ("Vyslovit", F11). The zoom is kept between runs in zobrazeni.ini beside the
// program.

#include <QObject>
#include <memory>
#include <string>

#include "speech/pronunciation.h"

class QAction;
class QLineEdit;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QWidget;

namespace lexavo {

class DictionaryStore;
class EntryPane;
class EntryView;
class ProgramFolder;

class EntryCommands : public QObject {
    Q_OBJECT
  public:
    // The menus the commands join and the widgets they work on, under the form's names.
    struct Widgets {
        QMenu* Slovnk1;
        QMenu* Zobrazit1;
        QStackedWidget* gotebookPlocha;
        QWidget* pageSlovnik;
        QLineEdit* editSlovo;
        QScrollArea* scrollPreklad;
        EntryView* ipaintPreklad;
    };
    EntryCommands(const Widgets& widgets, EntryPane& pane, const DictionaryStore& store,
                  const ProgramFolder& folder, QWidget* window);

    // The shown entry as text on the clipboard.
    void copyEntry();
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // Speaks the shown headword in the language of the set's headwords.
    void pronounce();

  private:
    QAction* addAction(QWidget* menu, QAction* before, const QString& caption,
                       const QList<QKeySequence>& keys, void (EntryCommands::*slot)());
    void hookEntryView(QAction* copy);
    void setZoom(int percent);

    Widgets ui_;
    EntryPane& pane_;
    const DictionaryStore& store_;
    QString settingsFile_;
    Pronunciation pronunciation_;
};

}  // namespace lexavo
