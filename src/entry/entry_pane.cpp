#include "entry/entry_pane.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "entry/entry_painter.h"
#include "entry/entry_view.h"
#include "widgets/event_hook.h"

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

EntryPane::EntryPane(const Parts& parts, QScrollArea* box, EntryView* view, QWidget* window)
    : parts_(parts), box_(box), view_(view), window_(window) {
    view_->paintHandler = [this](EntryView& v) { ipaintPrekladPaint(v); };
    box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A wider or narrower pane gives the view its new shown width.
    EventHook::install(box_, [this](QEvent* e) {
        if (e->type() == QEvent::Resize) repaintView();
        return false;
    });
}

void EntryPane::clear() {
    EntryPainter painter(parts_.canvas);
    painter.clearPicture();
    painter.storeCanvasPicture();
    drawn_.clear(parts_.canvas.canvasHeight());
    view_->setEntryText(QString());
    repaintView();
    // A new entry is shown from its top.
    box_->verticalScrollBar()->setValue(0);
}

void reportMissingEntryFile(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Chyba..."),
                    QStringLiteral("Soubor se slovníkem nebyl nalezen!"), QMessageBox::Ok, parent);
    box.exec();
}

bool EntryPane::render(char* word) {
    EntryPainter painter(parts_.canvas);
    painter.loadCanvasPicture();
    if (parts_.reader.collectEntryMeanings(parts_.store, word) ==
        CollectStatus::kEntryFileMissing) {
        reportMissingEntryFile(window_);
        return false;
    }
    parts_.layout.layoutEntry(parts_.reader, word, parts_.canvas, screenDpi());
    painter.draw(parts_.layout);
    painter.storeCanvasPicture();
    drawn_.add(parts_.layout);
    view_->setEntryText(text());
    repaintView();
    return true;
}

void EntryPane::renderNotFound(std::string_view message) {
    EntryPainter painter(parts_.canvas);
    painter.loadCanvasPicture();
    parts_.layout.layoutNotFound(message, parts_.canvas, screenDpi());
    painter.draw(parts_.layout);
    painter.storeCanvasPicture();
    drawn_.add(parts_.layout);
    view_->setEntryText(text());
    repaintView();
}

void EntryPane::setZoom(int percent) {
    zoom_ = std::clamp(percent, kMinZoom, kMaxZoom);
    // Larger than the pane, the picture scrolls sideways too.
    box_->setHorizontalScrollBarPolicy(zoom_ > 100 ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
    repaintView();
}

void EntryPane::repaintView() {
    const int shown = std::max(box_->width() - kShownWidthReserve, 0);
    view_->resize(shown * zoom_ / 100, parts_.canvas.canvasHeight() * zoom_ / 100);
    view_->repaint();
}

void EntryPane::ipaintPrekladPaint(EntryView& view) {
    const qreal ratio = view.devicePixelRatioF();
    QPainter painter(&view);
    if (zoom_ != 100) {
        // The same columns as at 100 %, larger: drawn from the entry's lines at the
        // zoomed resolution, or (when the store holds more than they drew) scaled.
        const qreal scale = zoom_ / 100.0;
        const int columns = view.width() * 100 / zoom_;
        painter.scale(scale, scale);
        if (drawn_.height() == parts_.canvas.canvasHeight()) {
            painter.drawImage(QPointF(0, 0), drawn_.picture(columns, ratio * scale));
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(0, 0, canvasViewPicture(parts_.canvas, columns));
        }
        return;
    }
    // The store holds logical pixels; doubled on a HiDPI screen they would show
    // blurred, so the lines drawn into it are drawn again at the screen's resolution
    // (as long as the store holds just what they drew).
    if (ratio > 1.0 && drawn_.height() == parts_.canvas.canvasHeight()) {
        painter.drawImage(QPointF(0, 0), drawn_.picture(view.width(), ratio));
        return;
    }
    painter.drawImage(0, 0, canvasViewPicture(parts_.canvas, view.width()));
}

}  // namespace lexavo
