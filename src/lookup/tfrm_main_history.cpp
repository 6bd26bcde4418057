// The search history of this run: saving it as a text file and printing it.

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

// The history's lines: every line break starts one, an empty memo has none.
QStringList historyLines(const QPlainTextEdit& memo) {
    const QString text = memo.toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

bool writeLines(const QStringList& lines, const QString& path) {
    std::string bytes;
    for (const QString& line : lines) bytes += toCp1250(line) + "\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.flush();
}

}  // namespace

void TfrmMain::Uloitpeklad1Click() {
    if (historySaveDialog_ == nullptr) {
        // Asks before it overwrites a file; resizable, without a read-only box.
        historySaveDialog_ = new QFileDialog(this);
        historySaveDialog_->setOption(QFileDialog::DontUseNativeDialog);
        historySaveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        historySaveDialog_->setFileMode(QFileDialog::AnyFile);
        historySaveDialog_->setNameFilter(QStringLiteral("Textové soubory (*.txt)"));
        historySaveDialog_->setDefaultSuffix(QStringLiteral("txt"));
    }
    QFileDialog* dialog = historySaveDialog_;
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().constFirst();
    if (!writeLines(historyLines(*ui->editHledaneDnes), path)) {
        QMessageBox::critical(this, windowTitle(),
                              QStringLiteral("Soubor %1 nelze zapsat.").arg(path));
    }
}

void TfrmMain::Vytisknoutpeklad1Click() {
    // The lines go to the print source before the dialog, also when it is cancelled.
    QTextEdit* source = ui->RichEdit1;
    source->clear();
    source->document()->setDefaultFont(printFont());
    source->setPlainText(historyLines(*ui->editHledaneDnes).join(QLatin1Char('\n')));

    if (PrintDialog1 == nullptr) {
        PrintDialog1 = new QPrintDialog(historyPrinter_.get(), this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    }
    if (PrintDialog1->exec() != QDialog::Accepted) return;
    historyPrinter_->setDocName(QStringLiteral("print.tmp"));
    source->document()->print(historyPrinter_.get());
}

}  // namespace lexavo
