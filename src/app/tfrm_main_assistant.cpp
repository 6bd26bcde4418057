// The assistant program beside the program, its help text, and the information
// dialogs.

#include <QAction>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include "app/information_dialogs.h"
#include "app/tfrm_main.h"
#include "ui_tfrm_main.h"

namespace lexavo {

void TfrmMain::startAssistant() {
    // The assistant is looked for in the program directory, whatever the current
    // directory is; it is started and left alone: nothing waits for it and a
    // failure is not reported.
    const QString dir = QString::fromStdString(state_.programDir);
#ifdef Q_OS_WIN
    const QString program = dir + QStringLiteral("/pomocnik.exe");
#else
    const QString program = dir + QStringLiteral("/pomocnik");
#endif
    if (!QFileInfo(program).isFile()) return;
    QProcess::startDetached(program, {}, dir);
}

void TfrmMain::showAssistantHelp() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Nápověda pro rychlého pomocníka..."),
                    QStringLiteral("Pomocník slouží k rychlému hledání slov ve slovníku.\n"
                                   "Také lze hledat přímo slovo, které zkopírujete do schránky "
                                   "tak,\n"
                                   "že ho označíte a kombinací kláves Ctrl+C jej zkopírujete.\n"
                                   "Slovo se ihned přeloží v okně programu."),
                    QMessageBox::Ok, this);
    box.exec();
}

void TfrmMain::connectShellCommands() {
    connect(ui->Spustitpekladovhopomocnka1, &QAction::triggered, this, &TfrmMain::startAssistant);
    connect(ui->btnPomocnikFast, &QPushButton::clicked, this, &TfrmMain::startAssistant);
    connect(ui->Npovdapomocnka1, &QAction::triggered, this, &TfrmMain::showAssistantHelp);
    connect(ui->Npovdapomocnka2, &QAction::triggered, this, &TfrmMain::showAssistantHelp);
    connect(ui->Oprogramu1, &QAction::triggered, this, [this] {
        if (aboutBox_ != nullptr) aboutBox_->exec();
    });
    connect(ui->Kontaktnavrobce1, &QAction::triggered, this, [this] {
        if (kontaktDialog_ != nullptr) kontaktDialog_->exec();
    });
    const struct {
        QAction* item;
        QToolButton* button;
        void (TfrmMain::*handler)();
    } symbols[] = {{ui->OstrS1, ui->btnSymbol1, &TfrmMain::btnSymbol1Click},
                   {ui->Pehlasovana1, ui->btnSymbol2, &TfrmMain::btnSymbol2Click},
                   {ui->Pehlasovane1, ui->btnSymbol3, &TfrmMain::btnSymbol3Click},
                   {ui->Pehlasovano1, ui->btnSymbol4, &TfrmMain::btnSymbol4Click},
                   {ui->Pehlasovanu1, ui->btnSymbol5, &TfrmMain::btnSymbol5Click}};
    for (const auto& s : symbols) {
        connect(s.item, &QAction::triggered, this, s.handler);
        connect(s.button, &QToolButton::clicked, this, s.handler);
    }
}

}  // namespace lexavo
