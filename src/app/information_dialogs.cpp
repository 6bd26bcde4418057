#include "app/information_dialogs.h"

#include "ui_about_box.h"
#include "ui_tfrm_kontakt.h"

namespace lexavo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
}
TAboutBox::~TAboutBox() { delete ui; }

TfrmKontakt::TfrmKontakt(QWidget* parent) : QDialog(parent), ui(new Ui::TfrmKontakt) {
    ui->setupUi(this);
}
TfrmKontakt::~TfrmKontakt() { delete ui; }

}  // namespace lexavo
