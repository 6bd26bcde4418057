#include "app/tfrm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QScreen>

#include "app/menu_shortcuts.h"
#include "lookup/event_hook.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

TfrmMain::TfrmMain(ProgramState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), ui(new Ui::TfrmMain) {
    ui->setupUi(this);
    // The translator's menu is hidden as a whole; its items still take their keys.
    ui->Peklada1->menuAction()->setVisible(false);
    connectCatalogueHandlers();
    connectLookupHandlers();
    setUpShell();
    // Centred on the desktop when first shown; a stored record moves it later.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.x() + (desk.width() - width()) / 2, desk.y() + (desk.height() - height()) / 2);
    }
    connect(ui->Konecprogramu1, &QAction::triggered, this, &TfrmMain::Konecprogramu1Click);
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // No handler may run while the window's controls are being destroyed: the
    // focus changes that their destruction causes would reach a half-destroyed
    // window.
    qDeleteAll(findChildren<EventHook*>());
    delete menuShortcuts_;
    delete ui;
}

void TfrmMain::FormCreate() {
    ui->ComboBoxSlovnik->setEditText(QStringLiteral("Název slovníku"));
    state_.catalogue.scanCatalogue(state_.programDir);
    fillDictionaryChooser();

    configRecord_.setDictionaryTitle({});
    state_.inputWord.clear();
    hadConfigFile_ = readConfigRecord(state_.programDir, configRecord_);

    std::string wanted;
    if (!hadConfigFile_) {
        wanted = kTitleEnglishCzech;
        ui->gotebookPlocha->setCurrentWidget(ui->pageSlovnik);
    } else {
        wanted = std::string(configRecord_.dictionaryTitle());
    }
    openDictionaryByTitle(wanted);
    state_.inputWord.set("a");
    searchPrefix(-1);
    clearEntryCanvas();
}

void TfrmMain::FormActivate() {
    // Only the first activation restores the start-up state: later ones come back
    // from the About box or the progress window and must not undo the user's work.
    if (activated_) return;
    activated_ = true;
    applyConfigRecord();
    if (ui->gotebookPlocha->currentWidget() == ui->pageSlovnik) {
        ui->editSlovo->setFocus(Qt::OtherFocusReason);
    }
    loadRunFiles();
}

void TfrmMain::attachDialogs(TAboutBox* about, TfrmKontakt* kontakt) {
    aboutBox_ = about;
    kontaktDialog_ = kontakt;
}

void TfrmMain::Konecprogramu1Click() {
    quitWithoutClose_ = true;
    QApplication::exit(0);
}

bool TfrmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(e);
}

void TfrmMain::closeEvent(QCloseEvent* e) {
    if (quitWithoutClose_ || FormCloseQuery()) {
        e->accept();
    } else {
        e->ignore();
    }
}

}  // namespace lexavo
