#pragma once
// Dialogs of one fixed size: the window manager is told that they can be neither
// resized, minimised nor maximised.

class QDialog;

namespace lexavo {

// Fixes dialog at its present size (at least what its layout needs) and leaves only
// a title bar, with a close button when closeButton is set.
void fixDialogSize(QDialog& dialog, bool closeButton);

}  // namespace lexavo
