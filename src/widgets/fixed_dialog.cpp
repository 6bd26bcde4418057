#include "widgets/fixed_dialog.h"

#include <QDialog>

namespace lexavo {

void fixDialogSize(QDialog& dialog, bool closeButton) {
    // A window whose smallest and largest sizes are equal cannot be resized, and so
    // window managers offer no maximising either; the flags leave out the minimise
    // and maximise buttons for those that draw what the window asks for.
    dialog.setFixedSize(dialog.size().expandedTo(dialog.minimumSizeHint()));
    Qt::WindowFlags flags = (dialog.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint;
    if (closeButton) flags |= Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);
}

}  // namespace lexavo
