#include "text/qt_text.h"

#include <QList>

#include "text/cp1250.h"

namespace lexavo {

QString fromCp1250(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        out.append(QChar(static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string toCp1250(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) out.push_back(static_cast<char>(unicodeToCp1250(cp)));
    return out;
}

}  // namespace lexavo
