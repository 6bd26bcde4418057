#pragma once
// The pictures of the main window, drawn in code so that no image files are needed:
// the quick-command icons (32 x 32) and the logo.

#include <QPixmap>

namespace lexavo {

QPixmap saveIcon();
QPixmap printIcon();
// A green arrow pointing right or left.
QPixmap arrowIcon(bool right);
QPixmap translateIcon();
// The program's name written upward along the narrow logo panel.
QPixmap logoPicture(qreal ratio);

}  // namespace lexavo
