#pragma once
// Memo controls and text files: the lines of a QPlainTextEdit as code page 1250
// bytes, loaded from and saved to files with CR LF line ends.

#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace lexavo {

// The memo's lines: an empty memo has none, every line break starts one.
std::vector<std::string> memoLines(const QPlainTextEdit& memo);
void setMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);
void appendMemoLine(QPlainTextEdit& memo, std::string_view line);

// Replaces the memo's lines by those of the file; false when it cannot be read.
bool loadMemoFromFile(QPlainTextEdit& memo, const QString& path);
// Writes the memo's lines to the file, replacing it; false when it cannot be written.
bool saveMemoToFile(const QPlainTextEdit& memo, const QString& path);

}  // namespace lexavo
