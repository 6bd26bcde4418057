#pragma once
// The window's two text-file dialogs, OpenDialog1 and SaveDialog1, shared by every
// command that opens or saves a text (so each remembers its folder between them),
// and the box that reports a text file that cannot be read or written.

#include <QString>

class QFileDialog;
class QPlainTextEdit;
class QWidget;

namespace lexavo {

class TextFileDialogs {
  public:
    // The dialogs are children of window, made on first use; they start in the
    // program directory until the user picks another folder.
    TextFileDialogs(QWidget* window, const QString& startFolder)
        : window_(window), startFolder_(startFolder) {}

    QFileDialog* openDialog();
    QFileDialog* saveDialog();

    // Runs OpenDialog1; when a file is chosen the memo is emptied and filled from it.
    void openInto(QPlainTextEdit& memo);
    // Runs SaveDialog1; when a name is chosen the memo's lines replace that file.
    void saveFrom(const QPlainTextEdit& memo);

  private:
    // The path chosen in dialog, or an empty string when it was cancelled.
    static QString choose(QFileDialog* dialog);
    void showFileError(const QString& path, const QString& systemText);

    QWidget* window_;
    QString startFolder_;
    QFileDialog* open_ = nullptr;
    QFileDialog* save_ = nullptr;
};

}  // namespace lexavo
