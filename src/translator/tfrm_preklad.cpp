#include "translator/tfrm_preklad.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>

#include "ui_tfrm_preklad.h"
#include "widgets/fixed_dialog.h"

namespace lexavo {

TfrmPreklad::TfrmPreklad(QWidget* parent)
    : QDialog(parent, Qt::Tool), Timer1(new QTimer(this)), ui(new Ui::TfrmPreklad) {
    ui->setupUi(this);
    fixDialogSize(*this, false);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerIntervalMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TfrmPreklad::Timer1Timer);
}

TfrmPreklad::~TfrmPreklad() { delete ui; }

bool TfrmPreklad::timerActive() const { return Timer1->isActive(); }

void TfrmPreklad::stopTimer() { Timer1->stop(); }

void TfrmPreklad::FormActivate() {
    if (!ranThisShowing_ && !Timer1->isActive()) Timer1->start();
}

void TfrmPreklad::Timer1Timer() {
    Timer1->stop();
    if (ranThisShowing_ || !isVisible()) return;
    ranThisShowing_ = true;
    if (translation_) {
        translation_();
    } else {
        accept();
    }
}

bool TfrmPreklad::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void TfrmPreklad::showEvent(QShowEvent* e) {
    ranThisShowing_ = false;
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(e);
    // Without a window manager a window may never become active; the translation
    // must still run, so showing arms the timer as well.
    FormActivate();
}

void TfrmPreklad::hideEvent(QHideEvent* e) {
    Timer1->stop();
    QDialog::hideEvent(e);
}

}  // namespace lexavo
