// Pages, the mode bar, the view options and the command wiring of the main window.

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/menu_shortcuts.h"
#include "app/tfrm_main.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

// The quick-command pictures, 32 x 32, drawn here so that no image files are needed.
QPixmap drawIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

QPixmap saveIcon() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 96), 1.5));
        p.setBrush(QColor(40, 80, 170));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 5, 16, 10));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(10, 19, 12, 9));
    });
}

QPixmap printIcon() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.drawLine(QPointF(11, 23), QPointF(21, 23));
        p.drawLine(QPointF(11, 26), QPointF(19, 26));
    });
}

QPixmap arrowIcon(bool right) {
    return drawIcon([right](QPainter& p) {
        QPainterPath path;
        const qreal s = right ? 1 : -1;
        const qreal c = 16;
        path.moveTo(c - s * 11, 12);
        path.lineTo(c + s * 1, 12);
        path.lineTo(c + s * 1, 5);
        path.lineTo(c + s * 12, 16);
        path.lineTo(c + s * 1, 27);
        path.lineTo(c + s * 1, 20);
        path.lineTo(c - s * 11, 20);
        path.closeSubpath();
        p.setPen(QPen(QColor(0, 90, 0), 1.5));
        p.setBrush(QColor(60, 170, 60));
        p.drawPath(path);
    });
}

QPixmap translateIcon() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(120, 60, 0), 1.5));
        p.setBrush(QColor(250, 230, 160));
        p.drawRect(QRectF(3, 5, 12, 22));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(17, 5, 12, 22));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(128, 0, 0));
        p.drawText(QRectF(3, 5, 12, 22), Qt::AlignCenter, QStringLiteral("A"));
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(17, 5, 12, 22), Qt::AlignCenter, QStringLiteral("Č"));
    });
}

// The logo: the program's name written upward along the narrow panel.
QPixmap logoPicture() {
    QPixmap pixmap(45, 300);
    pixmap.fill(QColor(0, 0, 128));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(30);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(253, 253, 232));
    p.translate(32, 280);
    p.rotate(-90);
    p.drawText(0, 0, QStringLiteral("Lexavo 6"));
    return pixmap;
}

}  // namespace

void TfrmMain::setUpShell() {
    ui->ToolButton2->setIcon(saveIcon());
    ui->ToolButton3->setIcon(printIcon());
    ui->ToolButton5->setIcon(arrowIcon(false));
    ui->ToolButton6->setIcon(arrowIcon(true));
    ui->ToolButton8->setIcon(translateIcon());
    ui->imgLogo->setPixmap(logoPicture());
    ui->panelInfo->setText(
        QStringLiteral("Lexavo 6 – anglicko-český a německo-český slovník  "
                       "(www.lexavo.example)"));
    ui->spliter1->setSizes({140, 400});

    // The mode buttons form one radio group: exactly one is down.
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (QPushButton* b : {ui->btnRezimySlovnik, ui->btnRezimyPrekladac, ui->btnRezimyPoznamky,
                           ui->btnRezimyHledane}) {
        group->addButton(b);
    }
    ui->panelRezimy->installEventFilter(this);

    connect(ui->btnRezimySlovnik, &QPushButton::clicked, this, &TfrmMain::btnRezimySlovnikClick);
    connect(ui->btnRezimyPrekladac, &QPushButton::clicked, this,
            &TfrmMain::btnRezimyPrekladacClick);
    connect(ui->btnRezimyPoznamky, &QPushButton::clicked, this, &TfrmMain::btnRezimyPoznamkyClick);
    connect(ui->btnRezimyHledane, &QPushButton::clicked, this, &TfrmMain::btnRezimyHledaneClick);
    connect(ui->Zobrazitslovnk1, &QAction::triggered, this, &TfrmMain::btnRezimySlovnikClick);
    connect(ui->Zobrazitpeklada1, &QAction::triggered, this, &TfrmMain::btnRezimyPrekladacClick);
    connect(ui->Zobrazitpoznmkovblok1, &QAction::triggered, this,
            &TfrmMain::btnRezimyPoznamkyClick);
    connect(ui->Seznamnaposledyhledanchvraz1, &QAction::triggered, this,
            &TfrmMain::btnRezimyHledaneClick);
    connect(ui->Uivatelskslovnk1, &QAction::triggered, this, &TfrmMain::Uivatelskslovnk1Click);
    connect(ui->mnuSlovnik2, &QAction::triggered, this, &TfrmMain::btnRezimySlovnikClick);
    connect(ui->mnuPrekladac2, &QAction::triggered, this, &TfrmMain::btnRezimyPrekladacClick);
    connect(ui->mnuPoznamky2, &QAction::triggered, this, &TfrmMain::btnRezimyPoznamkyClick);
    connect(ui->mnuHledane2, &QAction::triggered, this, &TfrmMain::btnRezimyHledaneClick);
    connect(ui->mnuLogo, &QAction::triggered, this, &TfrmMain::mnuLogoClick);
    connect(ui->mnuFast, &QAction::triggered, this, &TfrmMain::mnuFastClick);
    connect(ui->mnuInfo, &QAction::triggered, this, &TfrmMain::mnuInfoClick);

    connectShellCommands();
    menuShortcuts_ = new MenuShortcuts(this, ui->menuBar);
}

void TfrmMain::setPageChecks(QAction* checkedItem) {
    for (QAction* a : {ui->mnuSlovnik2, ui->mnuPrekladac2, ui->mnuPoznamky2, ui->mnuHledane2}) {
        a->setChecked(a == checkedItem);
    }
}

void TfrmMain::showPage(QWidget* page, QPushButton* modeButton, QAction* checkedItem) {
    modeButton->setChecked(true);
    ui->gotebookPlocha->setCurrentWidget(page);
    // The quick-command bar belongs to the dictionary page: it is shown there
    // whatever its view option says, and hidden everywhere else.
    ui->toolBarFast->setVisible(page == ui->pageSlovnik);
    if (page == ui->pagePrekladac) normaliseTranslatorLanguage();
    setPageChecks(checkedItem);
}

void TfrmMain::btnRezimySlovnikClick() {
    showPage(ui->pageSlovnik, ui->btnRezimySlovnik, ui->mnuSlovnik2);
    ui->editSlovo->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::btnRezimyPrekladacClick() {
    showPage(ui->pagePrekladac, ui->btnRezimyPrekladac, ui->mnuPrekladac2);
}

void TfrmMain::btnRezimyPoznamkyClick() {
    showPage(ui->pagePoznamky, ui->btnRezimyPoznamky, ui->mnuPoznamky2);
}

void TfrmMain::btnRezimyHledaneClick() {
    showPage(ui->pageHledane, ui->btnRezimyHledane, ui->mnuHledane2);
}

void TfrmMain::Uivatelskslovnk1Click() {
    // This page has no mode button of its own.
    showPage(ui->pageUzivSlovnik, ui->btnRezimySlovnik, nullptr);
}

void TfrmMain::mnuLogoClick() {
    // The action has already inverted its check when it was triggered.
    ui->panelImg->setVisible(ui->mnuLogo->isChecked());
}

void TfrmMain::mnuFastClick() {
    if (ui->gotebookPlocha->currentWidget() != ui->pageSlovnik) {
        // Off the dictionary page the option changes nothing, not even its check.
        ui->mnuFast->setChecked(!ui->mnuFast->isChecked());
        return;
    }
    ui->toolBarFast->setVisible(ui->mnuFast->isChecked());
}

void TfrmMain::mnuInfoClick() { ui->panelInfo->setVisible(ui->mnuInfo->isChecked()); }

void TfrmMain::panelRezimyResize() {
    const int w = ui->panelRezimy->width();
    const int h = ui->panelRezimy->height();
    ui->btnRezimySlovnik->setGeometry(0, 0, w / 3, h);
    const int notesLeft = ui->btnRezimySlovnik->x() + ui->btnRezimySlovnik->width() + 1;
    ui->btnRezimyPoznamky->setGeometry(notesLeft, 0, w / 3, h);
    const int historyLeft = notesLeft + ui->btnRezimyPoznamky->width() + 1;
    ui->btnRezimyHledane->setGeometry(historyLeft, 0, w - historyLeft, h);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->panelRezimy && event->type() == QEvent::Resize) panelRezimyResize();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace lexavo
