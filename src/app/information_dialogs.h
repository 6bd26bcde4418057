#pragma once
// The About box and the contact dialog: modal, created at start-up, shown by menu.

#include <QDialog>

namespace Ui {
class TAboutBox;
class TfrmKontakt;
}  // namespace Ui

namespace lexavo {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

  private:
    Ui::TAboutBox* ui;
};

class TfrmKontakt : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmKontakt(QWidget* parent = nullptr);
    ~TfrmKontakt() override;

  private:
    Ui::TfrmKontakt* ui;
};

}  // namespace lexavo
