// The search history of this run: saving it as a text file and printing it.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>
#include <QTextEdit>

#include "app/tfrm_main.h"
#include "text/memo_text.h"
#include "text/qt_text.h"
#include "ui_tfrm_main.h"

namespace lexavo {

namespace {

constexpr int kPrintFontPixels = 11;

QFont printFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPrintFontPixels);
    font.setBold(true);
    return font;
}

}  // namespace

void TfrmMain::Uloitpeklad1Click() {
    QFileDialog* dialog = saveDialog1();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().constFirst();
    QString error;
    if (!saveMemoToFile(*ui->editHledaneDnes, path, &error)) {
        QMessageBox::critical(this, QStringLiteral("Lexavo 6"),
                              QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), error));
    }
}

void TfrmMain::Vytisknoutpeklad1Click() {
    // The lines go to the print source before the dialog, also when it is cancelled.
    QTextEdit* source = ui->RichEdit1;
    source->clear();
    source->document()->setDefaultFont(printFont());
    source->setPlainText(memoText(*ui->editHledaneDnes));

    if (PrintDialog1 == nullptr) {
        PrintDialog1 = new QPrintDialog(historyPrinter_.get(), this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    }
    if (PrintDialog1->exec() != QDialog::Accepted) return;
    historyPrinter_->setDocName(QStringLiteral("print.tmp"));
    source->document()->print(historyPrinter_.get());
}

}  // namespace lexavo
