// The entry picture: clearing it, drawing an entry or the not-found line into it,
// and the entry view that shows it in its scroll box.

#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <cmath>

#include "app/tfrm_main.h"
#include "entry/entry_painter.h"
#include "entry/entry_view.h"
#include "lookup/event_hook.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

// The shown width is the scroll box's width less twice the left margin and 21, so
// that the picture stays narrower than the box even beside its vertical bar.
constexpr int kShownWidthReserve = 2 * kLeftMargin + 21;

int screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return kDefaultDpi;
    return static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
}

}  // namespace

void TfrmMain::clearEntryCanvas() {
    EntryPainter painter(state_.entryCanvas);
    painter.clearPicture();
    painter.storeCanvasPicture();
    repaintEntryView();
    // A new entry is shown from its top.
    ui->scrollPreklad->verticalScrollBar()->setValue(0);
}

void TfrmMain::renderEntry() {
    EntryPainter painter(state_.entryCanvas);
    painter.loadCanvasPicture();
    EntryReader& reader = state_.entryReader;
    if (reader.collectEntryMeanings(state_.store, state_.programDir, state_.inputWord.view()) ==
        CollectStatus::kEntryFileMissing) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Chyba..."),
                        QStringLiteral("Soubor se slovníkem nebyl nalezen!"), QMessageBox::Ok,
                        this);
        box.exec();
        return;
    }
    EntryLayout& layout = state_.entryLayout;
    layout.layoutEntry(reader, state_.inputWord.data(), state_.entryCanvas, screenDpi());
    painter.draw(layout);
    for (size_t i = 0; i < layout.historyLineCount(); ++i) {
        ui->editHledaneDnes->appendPlainText(fromCp1250(layout.historyLine(i)));
    }
    ui->pageControlHledane->setCurrentWidget(ui->tabHledaneDnes);
    painter.storeCanvasPicture();
    repaintEntryView();
}

void TfrmMain::renderNotFound(std::string_view message) {
    EntryPainter painter(state_.entryCanvas);
    painter.loadCanvasPicture();
    EntryLayout& layout = state_.entryLayout;
    layout.layoutNotFound(message, state_.entryCanvas, screenDpi());
    painter.draw(layout);
    painter.storeCanvasPicture();
    repaintEntryView();
}

void TfrmMain::repaintEntryView() {
    EntryView* view = ui->ipaintPreklad;
    if (!view->paintHandler) {
        view->paintHandler = [this](EntryView& v) { ipaintPrekladPaint(v); };
        QScrollArea* box = ui->scrollPreklad;
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // A wider or narrower pane gives the view its new shown width.
        EventHook::install(box, [this](QEvent* e) {
            if (e->type() == QEvent::Resize) repaintEntryView();
            return false;
        });
    }
    const int shown = std::max(ui->scrollPreklad->width() - kShownWidthReserve, 0);
    view->resize(shown, state_.entryCanvas.canvasHeight);
    view->repaint();
}

void TfrmMain::ipaintPrekladPaint(EntryView& view) {
    const QImage picture = canvasViewPicture(state_.entryCanvas, view.width());
    QPainter painter(&view);
    painter.drawImage(0, 0, picture);
}

}  // namespace lexavo
