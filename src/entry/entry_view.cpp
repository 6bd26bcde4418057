#include "entry/entry_view.h"

#include <QPainter>

namespace lexavo {

EntryView::EntryView(QWidget* parent) : QWidget(parent) {}

void EntryView::paintEvent(QPaintEvent*) {
    if (paintHandler) paintHandler(*this);
}

}  // namespace lexavo
