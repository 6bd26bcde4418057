#include "widgets/text_file_dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "text/regular_file.h"
#include "widgets/memo_text.h"

namespace lexavo {

namespace {

QFileDialog* makeTextDialog(QWidget* parent, const QString& folder, const char* name,
                            QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent, QString(), folder);
    dialog->setObjectName(QLatin1String(name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(QStringLiteral("Textové soubory (*.txt)"));
    // The filter list names the kind of file only, without its pattern.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    return dialog;
}

}  // namespace

QFileDialog* TextFileDialogs::openDialog() {
    if (open_ == nullptr) {
        open_ = makeTextDialog(window_, startFolder_, "OpenDialog1", QFileDialog::AcceptOpen);
        open_->setFileMode(QFileDialog::ExistingFile);
    }
    return open_;
}

QFileDialog* TextFileDialogs::saveDialog() {
    if (save_ == nullptr) {
        // Asks before it overwrites a file; it is resizable and has no read-only box.
        save_ = makeTextDialog(window_, startFolder_, "SaveDialog1", QFileDialog::AcceptSave);
        save_->setFileMode(QFileDialog::AnyFile);
        save_->setDefaultSuffix(QStringLiteral("txt"));
    }
    return save_;
}

QString TextFileDialogs::choose(QFileDialog* dialog) {
    const int result = dialog->exec();
    // A name typed and accepted with Enter can leave the name completion's popup
    // open over the window, where it would take every key.
    for (QCompleter* completer : dialog->findChildren<QCompleter*>()) {
        if (completer->popup() != nullptr) completer->popup()->hide();
    }
    if (result != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().constFirst();
}

void TextFileDialogs::openInto(QPlainTextEdit& memo) {
    const QString path = choose(openDialog());
    if (path.isEmpty()) return;
    // Emptied first: a file that cannot be read leaves the memo empty.
    memo.clear();
    QString error;
    if (!loadMemoFromFile(memo, path, kMaxTextFileBytes, &error)) showFileError(path, error);
}

void TextFileDialogs::saveFrom(const QPlainTextEdit& memo) {
    const QString path = choose(saveDialog());
    if (path.isEmpty()) return;
    QString error;
    if (!saveMemoToFile(memo, path, &error)) showFileError(path, error);
}

void TextFileDialogs::showFileError(const QString& path, const QString& systemText) {
    // Failures of the text files go to the application's general error box.
    QMessageBox::critical(window_, QStringLiteral("Lexavo 6"),
                          QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), systemText));
}

}  // namespace lexavo
