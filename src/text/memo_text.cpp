#include "text/memo_text.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QStringList>

#include "text/qt_text.h"
#include "text/text_lines.h"

namespace lexavo {

std::vector<std::string> memoLines(const QPlainTextEdit& memo) {
    // Every line break of the memo separates two lines, so a last empty line (the
    // one after a history block, say) is kept; only an empty memo has no lines.
    const QString text = memo.toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(toCp1250(line));
    return lines;
}

void setMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) parts << fromCp1250(line);
    memo.setPlainText(parts.join(QLatin1Char('\n')));
}

void appendMemoLine(QPlainTextEdit& memo, std::string_view line) {
    memo.appendPlainText(fromCp1250(line));
}

bool loadMemoFromFile(QPlainTextEdit& memo, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    setMemoLines(memo, splitTextLines(std::string_view(bytes.constData(), bytes.size())));
    return true;
}

bool saveMemoToFile(const QPlainTextEdit& memo, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const std::string bytes = joinTextLines(memoLines(memo));
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.flush();
}

}  // namespace lexavo
