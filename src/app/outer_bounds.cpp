#include "app/outer_bounds.h"

#include <QEvent>
#include <QWidget>

namespace lexavo {

OuterBounds::OuterBounds(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

QSize OuterBounds::frame() const { return window_->frameGeometry().size() - window_->size(); }

QRect OuterBounds::current() const { return window_->frameGeometry(); }

void OuterBounds::apply(const QRect& outer) {
    wanted_ = outer.size();
    frameUsed_ = frame();
    waitingForFrame_ = frameUsed_.isNull();
    window_->move(outer.topLeft());
    window_->resize(wanted_ - frameUsed_);
}

void OuterBounds::fit() {
    // Only a normal window has bounds of its own; a maximised one gets its normal
    // bounds back from Qt.
    if (window_->windowState() &
        (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        return;
    }
    const QSize now = frame();
    if (now == frameUsed_) return;
    frameUsed_ = now;
    if (!now.isNull()) waitingForFrame_ = false;
    window_->resize(wanted_ - now);
}

bool OuterBounds::eventFilter(QObject* watched, QEvent* event) {
    if (waitingForFrame_ && watched == window_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::WindowActivate:
                fit();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lexavo
