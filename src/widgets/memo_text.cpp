#include "widgets/memo_text.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextDocument>
#include <cerrno>
#include <cstring>

#include "text/regular_file.h"
#include "text/safe_save.h"
#include "text/text_lines.h"
#include "widgets/qt_text.h"

namespace lexavo {

QString memoText(const QPlainTextEdit& memo) {
    QString text = memo.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    }
    return text;
}

std::vector<std::string> memoLines(const QPlainTextEdit& memo) {
    // Every line break separates two lines, so a last empty line (the one after a
    // history block, say) is kept.
    const QString text = memoText(memo);
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(toCp1250Lines(line));
    return lines;
}

void setMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) parts << fromCp1250Lines(line);
    memo.setPlainText(parts.join(QLatin1Char('\n')));
}

bool loadMemoFromFile(QPlainTextEdit& memo, const QString& path, size_t limit, QString* error) {
    std::string bytes;
    switch (readRegularFile(QFile::encodeName(path).toStdString(), limit, bytes)) {
        case ReadResult::kOk:
            setMemoLines(memo, splitTextLines(bytes));
            return true;
        case ReadResult::kMissing:
            // The system's own words for why the file could not be opened.
            if (error != nullptr) *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        case ReadResult::kTooLarge:
            if (error != nullptr) *error = QStringLiteral("Soubor je příliš velký.");
            return false;
    }
    return false;
}

bool saveMemoToFile(const QPlainTextEdit& memo, const QString& path, QString* error) {
    std::string reason;
    const bool ok = replaceFileSafely(QFile::encodeName(path).toStdString(),
                                      joinTextLines(memoLines(memo)), &reason);
    if (!ok && error != nullptr) *error = QString::fromLocal8Bit(reason.c_str());
    return ok;
}

}  // namespace lexavo
