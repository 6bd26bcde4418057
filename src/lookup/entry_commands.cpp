#include "lookup/entry_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

#include "dictionary/base_forms.h"
#include "entry/entry_pane.h"
#include "entry/entry_view.h"

namespace lexavo {

namespace {

// The zoom steps, in percent.
constexpr int kZoomSteps[] = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300};
const QString kZoomKey = QStringLiteral("zvetseni");

}  // namespace

EntryCommands::EntryCommands(const Widgets& ui, EntryPane& pane, const DictionaryStore& store,
                             const ProgramFolder& folder, QWidget* window)
    : QObject(window),
      ui_(ui),
      pane_(pane),
      store_(store),
      settingsFile_(QString::fromStdString(folder.file("zobrazeni.ini"))) {
    // "Slovník": after the dictionary commands, before the separator above the end.
    QAction* separator = nullptr;
    for (QAction* a : ui_.Slovnk1->actions()) {
        if (a->isSeparator()) separator = a;
    }
    QAction* copy =
        addAction(ui_.Slovnk1, separator, QStringLiteral("Kopírovat heslo"),
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, &EntryCommands::copyEntry);
    addAction(ui_.Slovnk1, separator, QStringLiteral("Vyslovit"), {QKeySequence(Qt::Key_F11)},
              &EntryCommands::pronounce);
    QAction* focus = new QAction(QStringLiteral("Přejít na heslo"), this);
    focus->setShortcut(Qt::Key_F12);
    ui_.Slovnk1->insertAction(separator, focus);
    connect(focus, &QAction::triggered, this, [this] {
        if (ui_.gotebookPlocha->currentWidget() == ui_.pageSlovnik)
            ui_.ipaintPreklad->setFocus(Qt::ShortcutFocusReason);
    });
    ui_.Zobrazit1->addSeparator();
    addAction(ui_.Zobrazit1, nullptr, QStringLiteral("Zvětšit heslo"),
              {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
              &EntryCommands::zoomIn);
    addAction(ui_.Zobrazit1, nullptr, QStringLiteral("Zmenšit heslo"), {QKeySequence::ZoomOut},
              &EntryCommands::zoomOut);
    addAction(ui_.Zobrazit1, nullptr, QStringLiteral("Původní velikost hesla"),
              {QKeySequence(Qt::CTRL | Qt::Key_0)}, &EntryCommands::zoomReset);

    hookEntryView(copy);
    const QSettings settings(settingsFile_, QSettings::IniFormat);
    pane_.setZoom(settings.value(kZoomKey, 100).toInt());
}

void EntryCommands::hookEntryView(QAction* copy) {
    // The entry itself: its context menu, its keys once it has the keyboard (by F12
    // or Tab, never by a click), and Ctrl with the wheel.
    EntryView* view = ui_.ipaintPreklad;
    view->setFocusPolicy(Qt::TabFocus);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->addAction(copy);
    view->keyHandler = [this](QKeyEvent* e) {
        if (e->matches(QKeySequence::Copy)) {
            copyEntry();
            return true;
        }
        QScrollBar* bar = ui_.scrollPreklad->verticalScrollBar();
        switch (e->key()) {
            case Qt::Key_Escape:
                ui_.editSlovo->setFocus(Qt::ShortcutFocusReason);
                return true;
            case Qt::Key_Down:
                bar->triggerAction(QScrollBar::SliderSingleStepAdd);
                return true;
            case Qt::Key_Up:
                bar->triggerAction(QScrollBar::SliderSingleStepSub);
                return true;
            case Qt::Key_PageDown:
                bar->triggerAction(QScrollBar::SliderPageStepAdd);
                return true;
            case Qt::Key_PageUp:
                bar->triggerAction(QScrollBar::SliderPageStepSub);
                return true;
            default:
                return false;
        }
    };
    view->wheelHandler = [this](QWheelEvent* e) {
        if (!(e->modifiers() & Qt::ControlModifier) || e->angleDelta().y() == 0) return false;
        if (e->angleDelta().y() > 0) {
            zoomIn();
        } else {
            zoomOut();
        }
        return true;
    };
}

QAction* EntryCommands::addAction(QWidget* menu, QAction* before, const QString& caption,
                                  const QList<QKeySequence>& keys, void (EntryCommands::*slot)()) {
    auto* action = new QAction(caption, this);
    action->setShortcuts(keys);
    menu->insertAction(before, action);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void EntryCommands::copyEntry() {
    const QString text = pane_.text();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void EntryCommands::setZoom(int percent) {
    pane_.setZoom(percent);
    QSettings settings(settingsFile_, QSettings::IniFormat);
    settings.setValue(kZoomKey, pane_.zoom());
}

void EntryCommands::zoomIn() {
    const auto next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), pane_.zoom());
    if (next != std::end(kZoomSteps)) setZoom(*next);
}

void EntryCommands::zoomOut() {
    const auto at = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), pane_.zoom());
    if (at != std::begin(kZoomSteps)) setZoom(*std::prev(at));
}

void EntryCommands::zoomReset() { setZoom(100); }

void EntryCommands::pronounce() {
    // The heading line, when an entry is shown: a not-found line is no headword.
    if (!pane_.hasEntry()) return;
    const QString headword = pane_.text().section(QLatin1Char('\n'), 0, 0);
    pronunciation_.speak(headwordLanguage(store_.dictInfo().title()), headword.toStdString());
}

}  // namespace lexavo
