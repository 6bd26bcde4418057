#include "app/menu_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace lexavo {

namespace {

void collect(QMenu* menu, std::vector<QAction*>& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (QMenu* sub = a->menu()) {
            collect(sub, out);
        } else {
            out.push_back(a);
        }
    }
}

}  // namespace

MenuShortcuts::MenuShortcuts(QWidget* window, QMenuBar* menuBar)
    : QObject(window), window_(window) {
    std::vector<QAction*> actions;
    for (QAction* top : menuBar->actions()) {
        if (QMenu* menu = top->menu()) collect(menu, actions);
    }
    for (QAction* a : actions) {
        if (a->shortcut().isEmpty()) continue;
        // Qt reports a hidden action as disabled; whether it was switched off in its
        // own right shows once it is made visible for a moment.
        bool enabledWhileHidden = false;
        if (!a->isVisible()) {
            const QSignalBlocker blocker(a);
            a->setVisible(true);
            enabledWhileHidden = a->isEnabled();
            a->setVisible(false);
        }
        entries_.push_back({a, a->shortcut(), enabledWhileHidden});
        a->setShortcutContext(Qt::WidgetShortcut);
    }
    qApp->installEventFilter(this);
}

MenuShortcuts::~MenuShortcuts() { qApp->removeEventFilter(this); }

QAction* MenuShortcuts::actionFor(const QKeySequence& key) const {
    for (const Entry& e : entries_) {
        if (e.key != key) continue;
        const bool enabled = e.action->isVisible() ? e.action->isEnabled() : e.enabledWhileHidden;
        return enabled ? e.action : nullptr;
    }
    return nullptr;
}

bool MenuShortcuts::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only keys meant for the main window itself; its dialogs and open menus are
    // windows of their own.
    if (widget == nullptr || widget->window() != window_) return false;
    if (QApplication::activePopupWidget() != nullptr) return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_unknown || key == Qt::Key_Shift || key == Qt::Key_Control ||
        key == Qt::Key_Alt || key == Qt::Key_Meta) {
        return false;
    }
    const Qt::KeyboardModifiers mods =
        keyEvent->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    QAction* action = actionFor(QKeySequence(QKeyCombination(mods, Qt::Key(key))));
    if (action == nullptr) return false;
    if (override) {
        // Claiming the override keeps every other shortcut of Qt's (a line edit's
        // own keys, help keys) from taking the key; it then arrives as a key press.
        event->accept();
        return true;
    }
    action->trigger();
    return true;
}

}  // namespace lexavo
