#include "lookup/search_history.h"

#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>

#include "widgets/memo_text.h"
#include "widgets/qt_text.h"
#include "widgets/text_file_dialogs.h"

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

SearchHistory::SearchHistory(const Widgets& widgets, TextFileDialogs& dialogs, QWidget* window)
    : w_(widgets), dialogs_(dialogs), window_(window), printer_(std::make_unique<QPrinter>()) {}

SearchHistory::~SearchHistory() {
    // The print dialog keeps a pointer to the printer: it goes first.
    delete printDialog_;
}

void SearchHistory::append(const EntryLayout& layout) {
    for (size_t i = 0; i < layout.historyLineCount(); ++i) {
        w_.today->appendPlainText(fromCp1250(layout.historyLine(i)));
    }
    w_.tabs->setCurrentWidget(w_.todayTab);
}

void SearchHistory::Uloitpeklad1Click() { dialogs_.saveFrom(*w_.today); }

void SearchHistory::Vytisknoutpeklad1Click() {
    // The lines go to the print source before the dialog, also when it is cancelled.
    QTextEdit* source = w_.printSource;
    source->clear();
    source->document()->setDefaultFont(printFont());
    source->setPlainText(memoText(*w_.today));

    if (printDialog_ == nullptr) {
        printDialog_ = new QPrintDialog(printer_.get(), window_);
        printDialog_->setObjectName(QStringLiteral("PrintDialog1"));
    }
    if (printDialog_->exec() != QDialog::Accepted) return;
    printer_->setDocName(QStringLiteral("print.tmp"));
    source->document()->print(printer_.get());
}

}  // namespace lexavo
