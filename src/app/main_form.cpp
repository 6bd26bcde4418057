#include "app/main_form.h"

#include <QProxyStyle>
#include <QTabBar>

#include "app/pictures.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

// The platform's style with half the space around a tab's caption.
class CompactTabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

}  // namespace

DictionaryPage::Widgets dictionaryPageWidgets(Ui::TfrmMain& form) {
    return {form.gotebookPlocha,
            form.pageSlovnik,
            form.editSlovo,
            form.btnPrelozit,
            form.stringGridSeznam,
            form.panelNalezeno,
            form.panelVyznam,
            form.scrollPreklad,
            form.ipaintPreklad,
            form.Peloitslovo1,
            form.ToolButton8,
            form.ToolButton2,
            form.ToolButton3,
            form.btnSymbol1,
            form.btnSymbol2,
            form.btnSymbol3,
            form.btnSymbol4,
            form.btnSymbol5,
            form.OstrS1,
            form.Pehlasovana1,
            form.Pehlasovane1,
            form.Pehlasovano1,
            form.Pehlasovanu1,
            {form.editHledaneDnes, form.pageControlHledane, form.tabHledaneDnes, form.RichEdit1}};
}

TranslatorPage::Widgets translatorPageWidgets(Ui::TfrmMain& form) {
    return {form.gotebookPlocha,
            form.pagePrekladac,
            form.comboBoxJazyk,
            form.btnPreklad,
            form.PageControlPreklad,
            form.tabAnglickyText,
            form.tabCeskyText,
            form.editAnglickyText,
            form.editCeskyText,
            form.Peloittext1,
            form.mnuDoAng,
            form.mnuDoNem,
            form.Otevtanglicknmecktext1,
            form.Otevtesktext1,
            form.Uloitcizojazyntext1,
            form.Uloitesktext1};
}

Shell::Widgets shellWidgets(Ui::TfrmMain& form) {
    return {form.menuBar,
            form.gotebookPlocha,
            form.pageSlovnik,
            form.pagePrekladac,
            form.pagePoznamky,
            form.pageHledane,
            form.pageUzivSlovnik,
            form.panelRezimy,
            form.btnRezimySlovnik,
            form.btnRezimyPrekladac,
            form.btnRezimyPoznamky,
            form.btnRezimyHledane,
            form.Zobrazitslovnk1,
            form.Zobrazitpeklada1,
            form.Zobrazitpoznmkovblok1,
            form.Seznamnaposledyhledanchvraz1,
            form.mnuSlovnik2,
            form.mnuPrekladac2,
            form.mnuPoznamky2,
            form.mnuHledane2,
            form.Uivatelskslovnk1,
            form.mnuLogo,
            form.mnuFast,
            form.mnuInfo,
            form.panelImg,
            form.toolBarFast,
            form.panelInfo,
            form.editSlovo,
            form.Spustitpekladovhopomocnka1,
            form.btnPomocnikFast,
            form.Npovdapomocnka1,
            form.Npovdapomocnka2,
            form.Oprogramu1,
            form.Kontaktnavrobce1};
}

void setUpFormLook(Ui::TfrmMain& form) {
    form.ToolButton2->setIcon(saveIcon());
    form.ToolButton3->setIcon(printIcon());
    form.ToolButton5->setIcon(arrowIcon(false));
    form.ToolButton6->setIcon(arrowIcon(true));
    form.ToolButton8->setIcon(translateIcon());
    form.imgLogo->setPixmap(logoPicture(form.imgLogo->devicePixelRatioF()));
    // The special letters are bold maroon Times, set as font and palette: a style
    // sheet would be handed down to the buttons' hints as well.
    QFont letterFont(QStringLiteral("Times New Roman"));
    letterFont.setPixelSize(16);
    letterFont.setBold(true);
    for (QToolButton* b :
         {form.btnSymbol1, form.btnSymbol2, form.btnSymbol3, form.btnSymbol4, form.btnSymbol5}) {
        b->setFont(letterFont);
        QPalette palette = b->palette();
        palette.setColor(QPalette::ButtonText, QColor(0x80, 0x00, 0x00));
        b->setPalette(palette);
    }
    form.panelInfo->setText(
        QStringLiteral("Lexavo 6 – anglicko-český a německo-český slovník  "
                       "(www.lexavo.example)"));
    // The word list keeps its 140 pixels when the window is resized: only the entry
    // pane stretches, and only the splitter moves the border. The count line shows
    // what fits and never widens the list.
    form.spliter1->setSizes({140, 400});
    form.spliter1->setStretchFactor(0, 0);
    form.spliter1->setStretchFactor(1, 1);
    form.panelNalezeno->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // The history page's two long captions fit side by side in the default window
    // with narrower space around each caption.
    auto* compact = new CompactTabStyle;
    compact->setParent(form.pageControlHledane);
    form.pageControlHledane->tabBar()->setStyle(compact);
}

}  // namespace lexavo
