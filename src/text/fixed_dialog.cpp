#include "text/fixed_dialog.h"

#include <QDialog>

namespace lexavo {

void fixDialogSize(QDialog& dialog, bool closeButton) {
    Qt::WindowFlags flags = dialog.windowFlags() & Qt::WindowType_Mask;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton) flags |= Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);
    dialog.setFixedSize(dialog.size().expandedTo(dialog.minimumSizeHint()));
}

}  // namespace lexavo
