#include "lookup/count_line.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <cmath>

namespace lexavo {

CountLine::CountLine(QWidget* parent) : QLabel(parent) {}

CountLine::Fitted CountLine::fit(const QString& text, const QFont& font, int width) {
    const int pixels = QFontInfo(font).pixelSize();
    Fitted f{font, text, true};
    for (const int percent : {100, 92, 85}) {
        f.font = font;
        f.font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * percent / 100.0))));
        if (QFontMetrics(f.font).horizontalAdvance(text) <= width) return f;
    }
    f.text = QFontMetrics(f.font).elidedText(text, Qt::ElideRight, width);
    f.whole = false;
    return f;
}

CountLine::Fitted CountLine::fitted() const {
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    return fit(text(), font(), area.width());
}

void CountLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Fitted f = fitted();
    painter.setFont(f.font);
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), f.text, foregroundRole());
}

bool CountLine::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !fitted().whole) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), text() + QLatin1Char('\n') + toolTip(), this);
        return true;
    }
    return QLabel::event(event);
}

}  // namespace lexavo
