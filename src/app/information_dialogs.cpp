#include "app/information_dialogs.h"

#include "ui_about_box.h"
#include "ui_tfrm_kontakt.h"
#include "widgets/fixed_dialog.h"

namespace lexavo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    fixDialogSize(*this, true);
}
TAboutBox::~TAboutBox() { delete ui; }

TfrmKontakt::TfrmKontakt(QWidget* parent) : QDialog(parent), ui(new Ui::TfrmKontakt) {
    ui->setupUi(this);
    fixDialogSize(*this, true);
}
TfrmKontakt::~TfrmKontakt() { delete ui; }

}  // namespace lexavo
