#pragma once
// Keyboard shortcuts of the main menu, resolved the way the command table wants and
// Qt does not: every item of the menu bar is looked at in menu order, hidden items
// and hidden menus included, and the first item that carries the pressed key gets
// it. An enabled item runs; a disabled one lets the key go on to the focused
// control. The key is taken before the focused control sees it.
//
// Qt's own shortcut map stays out of it: the actions' shortcuts are narrowed to
// Qt::WidgetShortcut, so they are shown in the menus but never fire by themselves
// (with two actions on one key Qt would fire neither, and it ignores hidden ones).

#include <QKeySequence>
#include <QObject>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace lexavo {

class MenuShortcuts : public QObject {
    Q_OBJECT
  public:
    // Reads the items of menuBar in menu order; keys pressed anywhere in window
    // (not in its dialogs or open menus) are resolved against them.
    MenuShortcuts(QWidget* window, QMenuBar* menuBar);
    ~MenuShortcuts() override;

    // The action that receives key, or nullptr: the first item in menu order that
    // carries it, if that item is enabled.
    QAction* actionFor(const QKeySequence& key) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QAction* action;
        QKeySequence key;
        bool enabledWhileHidden;
    };
    QWidget* window_;
    std::vector<Entry> entries_;
};

}  // namespace lexavo
