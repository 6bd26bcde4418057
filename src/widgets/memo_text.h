#pragma once
// Memo controls and text files: the lines of a QPlainTextEdit as code page 1250
// bytes, loaded from and saved to files with CR LF line ends.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace lexavo {

// The memo's text with every line break as '\n'. The raw text is taken because the
// plain-text view turns no-break spaces (a word letter of code page 1250) into blanks.
QString memoText(const QPlainTextEdit& memo);
// The memo's lines: an empty memo has none, every line break starts one.
std::vector<std::string> memoLines(const QPlainTextEdit& memo);
void setMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);

// Replaces the memo's lines by those of the file; false (with the reason in error)
// when it is not a regular file that can be read or is larger than limit bytes.
bool loadMemoFromFile(QPlainTextEdit& memo, const QString& path, size_t limit,
                      QString* error = nullptr);
// Writes the memo's lines to the file, each followed by CR LF, replacing it; false
// (with the reason in error) when it cannot be written.
bool saveMemoToFile(const QPlainTextEdit& memo, const QString& path, QString* error = nullptr);

}  // namespace lexavo
