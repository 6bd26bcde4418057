#pragma once
// What a user can do with the shown entry beyond reading it: copy it as text
// ("Kopírovat heslo", Ctrl+Shift+C, the entry's context menu, or Ctrl+C while the
// entry has the keyboard, which F12 gives it), and zoom it (Ctrl++, Ctrl+-, Ctrl+0
// and Ctrl with the wheel over the entry) from 50 % to 300 %. The zoom is kept
// between runs in zobrazeni.ini beside the program.

#include <QObject>
#include <string>

class QAction;
class QScrollArea;
class QWidget;

namespace Ui {
class TfrmMain;
}

namespace lexavo {

class EntryPane;

class EntryCommands : public QObject {
    Q_OBJECT
  public:
    EntryCommands(Ui::TfrmMain& ui, EntryPane& pane, const std::string& programDir,
                  QWidget* window);

    // The shown entry as text on the clipboard.
    void copyEntry();
    void zoomIn();
    void zoomOut();
    void zoomReset();

  private:
    QAction* addAction(QWidget* menu, QAction* before, const QString& caption,
                       const QList<QKeySequence>& keys, void (EntryCommands::*slot)());
    void hookEntryView(QAction* copy);
    void setZoom(int percent);

    Ui::TfrmMain& ui_;
    EntryPane& pane_;
    QString settingsFile_;
};

}  // namespace lexavo
