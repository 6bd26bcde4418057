// The language step of the translator page's mode switch.

#include <QComboBox>
#include <QTabWidget>

#include "app/tfrm_main.h"
#include "ui_tfrm_main.h"

namespace lexavo {

void TfrmMain::normaliseTranslatorLanguage() {
    // Selecting from code raises no change handler, and the checks of the two
    // language items stay as they are.
    QComboBox* box = ui->comboBoxJazyk;
    if (box->currentIndex() != 0 && box->currentIndex() != 1) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(0);
    }
    const QString caption =
        box->currentIndex() == 1 ? QStringLiteral("Německý text") : QStringLiteral("Anglický text");
    ui->PageControlPreklad->setTabText(ui->PageControlPreklad->indexOf(ui->tabAnglickyText),
                                       caption);
}

}  // namespace lexavo
