#include "app/outer_bounds.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lexavo {

OuterBounds::OuterBounds(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

QSize OuterBounds::frame() const { return window_->frameGeometry().size() - window_->size(); }

QRect OuterBounds::current() const { return window_->frameGeometry(); }

QRect fitIntoScreens(const StoredBounds& wanted, const QList<QRect>& available,
                     const QRect& primary) {
    // Everything in 64 bits: a stored width near 2^31 must not overflow.
    auto overlap = [&](const QRect& s) {
        const int64_t w =
            std::min<int64_t>(wanted.left + wanted.width, s.x() + int64_t{s.width()}) -
            std::max<int64_t>(wanted.left, s.x());
        const int64_t h =
            std::min<int64_t>(wanted.top + wanted.height, s.y() + int64_t{s.height()}) -
            std::max<int64_t>(wanted.top, s.y());
        return w > 0 && h > 0 ? w * h : 0;
    };
    QRect home = primary;
    int64_t most = 0;
    for (const QRect& s : available) {
        if (overlap(s) > most) {
            most = overlap(s);
            home = s;
        }
    }
    const int64_t width = std::clamp<int64_t>(wanted.width, 1, std::max(home.width(), 1));
    const int64_t height = std::clamp<int64_t>(wanted.height, 1, std::max(home.height(), 1));
    const int64_t left =
        std::clamp<int64_t>(wanted.left, home.x(), home.x() + home.width() - width);
    const int64_t top =
        std::clamp<int64_t>(wanted.top, home.y(), home.y() + home.height() - height);
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                 static_cast<int>(height));
}

void OuterBounds::apply(const StoredBounds& stored) {
    QList<QRect> available;
    for (const QScreen* s : QGuiApplication::screens()) available << s->availableGeometry();
    const QScreen* primaryScreen = QGuiApplication::primaryScreen();
    const QRect primary =
        primaryScreen != nullptr ? primaryScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect outer = fitIntoScreens(stored, available, primary);
    wanted_ = outer.size();
    frameUsed_ = frame();
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
    window_->resize(wanted_ - now);
}

bool OuterBounds::eventFilter(QObject* watched, QEvent* event) {
    // Until a frame has been seen, the frame used is none at all.
    if (frameUsed_.isNull() && watched == window_) {
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
