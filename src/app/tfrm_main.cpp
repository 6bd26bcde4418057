#include "app/tfrm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

#include "app/main_form.h"
#include "app/window_caption.h"
#include "lookup/entry_commands.h"
#include "ui_tfrm_main.h"
#include "widgets/event_hook.h"
#include "widgets/qt_text.h"

namespace lexavo {

namespace {
// Long enough for the window to be shown and drawn first, far shorter than the
// time a user takes to type a word.
constexpr int kPrepareDelayMs = 300;

}  // namespace

TfrmMain::TfrmMain(ProgramState& state, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      ui(new Ui::TfrmMain),
      dialogs_(this, QString::fromStdString(state.folder.path())) {
    ui->setupUi(this);
    // Below the size its controls need, the window scrolls its content instead of
    // pressing the controls over one another.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollObsah"));
    scroll->setFrameShape(QFrame::NoFrame);
    // A click on a panel must not take the keyboard from the control that has it:
    // the click finds no control that accepts focus above it.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(takeCentralWidget());
    setCentralWidget(scroll);
    // The translator's menu is hidden as a whole; its items still take their keys.
    ui->Peklada1->menuAction()->setVisible(false);
    createParts();
    setUpFormLook(*ui);
    // Centred on the desktop when first shown; a stored record moves it later.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.x() + (desk.width() - width()) / 2, desk.y() + (desk.height() - height()) / 2);
    }
    connect(ui->Konecprogramu1, &QAction::triggered, this, &TfrmMain::Konecprogramu1Click);
    FormCreate();
}

void TfrmMain::createParts() {
    ProgramState& s = state_;
    chooser_ = new DictionaryChooser(
        {ui->ComboBoxSlovnik, ui->Dalslovnk1, ui->Pedchozslovnk1, ui->ToolButton6, ui->ToolButton5},
        s.catalogue, s.store, s.folder, this);
    const DictionaryPage::Parts page{
        s.store,           s.inputWord,
        s.prefixSearch,    {s.store, s.folder, s.entryReader, s.entryCanvas, s.entryLayout},
        s.baseForms.get(), &s.suggester};
    dictionaryPage_ = new DictionaryPage(dictionaryPageWidgets(*ui), page, dialogs_, this);
    const TranslatorPage::Parts translator{s.store,      s.folder,  s.entryReader,
                                           s.translator, *chooser_, *dictionaryPage_};
    translatorPage_ = new TranslatorPage(translatorPageWidgets(*ui), translator, dialogs_, this);
    shell_ = new Shell(shellWidgets(*ui), this, s.folder, *translatorPage_);
    session_ = std::make_unique<SessionRecord>(
        SessionRecord::Widgets{ui->editHledaneMinule, ui->editHledaneDnes, ui->editUzivAng,
                               ui->editUzivNem, ui->ComboBoxSlovnik},
        this, s.folder, *shell_);
    // After the shell: these commands go beyond the menu's own keys.
    new EntryCommands({ui->Slovnk1, ui->Zobrazit1, ui->gotebookPlocha, ui->pageSlovnik,
                       ui->editSlovo, ui->scrollPreklad, ui->ipaintPreklad},
                      dictionaryPage_->entryPane(), s.store, s.folder, this);

    connect(chooser_, &DictionaryChooser::loaded, this, [this] {
        const DictInfo& info = state_.store.dictInfo();
        // The window title is also what the task bar shows.
        setWindowTitle(fromCp1250(windowCaptionFor(info.direction())));
        ui->labelSlovo->setText(fromCp1250(info.wordLabel()));
        // The spelling dictionary of the set's headwords loads in the
        // background once the window has been drawn, so that the first
        // inflected word typed does not wait for it.
        QTimer::singleShot(kPrepareDelayMs, this, [this] {
            if (state_.baseForms) {
                state_.baseForms->prepare(headwordLanguage(state_.store.dictInfo().title()));
            }
        });
    });
    connect(chooser_, &DictionaryChooser::switchedByUser, dictionaryPage_,
            &DictionaryPage::startOver);
}

TfrmMain::~TfrmMain() {
    // No handler may run while the window's controls are being destroyed: the
    // focus changes that their destruction causes would reach a half-destroyed
    // window.
    qDeleteAll(findChildren<EventHook*>());
    session_.reset();
    delete shell_;
    delete translatorPage_;
    delete dictionaryPage_;
    delete chooser_;
    delete ui;
}

void TfrmMain::FormCreate() {
    ui->ComboBoxSlovnik->setEditText(QStringLiteral("Název slovníku"));
    state_.catalogue.scanCatalogue(state_.folder.path());
    chooser_->fill();

    session_->record().setDictionaryTitle({});
    state_.inputWord.clear();
    std::string wanted;
    if (!session_->read()) {
        wanted = kTitleEnglishCzech;
        ui->gotebookPlocha->setCurrentWidget(ui->pageSlovnik);
    } else {
        wanted = std::string(session_->record().dictionaryTitle());
    }
    chooser_->openByTitle(wanted);
    dictionaryPage_->listFromStart();
    dictionaryPage_->entryPane().clear();
}

void TfrmMain::FormActivate() {
    // Only the first activation restores the start-up state: later ones come back
    // from the About box or the progress window and must not undo the user's work.
    if (activated_) return;
    activated_ = true;
    session_->apply();
    if (ui->gotebookPlocha->currentWidget() == ui->pageSlovnik) {
        ui->editSlovo->setFocus(Qt::OtherFocusReason);
    }
    session_->loadRunFiles();
}

void TfrmMain::attachDialogs(TAboutBox* about, TfrmKontakt* kontakt) {
    shell_->attachDialogs(about, kontakt);
}

void TfrmMain::Konecprogramu1Click() {
    quitWithoutClose_ = true;
    QApplication::exit(0);
}

void TfrmMain::endRun() {
    if (quitWithoutClose_) return;
    if (!sessionStored_ && !FormCloseQuery()) return;
    // exit() leaves every event loop, a modal dialog's too; the close event that
    // follows must not run the close step a second time.
    quitWithoutClose_ = true;
    QApplication::exit(0);
}

bool TfrmMain::commitSession() {
    if (sessionStored_) return true;
    sessionStored_ = FormCloseQuery();
    return sessionStored_;
}

void TfrmMain::setVisible(bool visible) {
    if (visible && !activated_) FormActivate();
    QMainWindow::setVisible(visible);
}

bool TfrmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        sessionStored_ = false;
        FormActivate();
    }
    return QMainWindow::event(e);
}

void TfrmMain::closeEvent(QCloseEvent* e) {
    if (quitWithoutClose_ || sessionStored_ || FormCloseQuery()) {
        e->accept();
    } else {
        e->ignore();
    }
}

}  // namespace lexavo
