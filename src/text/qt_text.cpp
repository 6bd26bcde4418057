#include "text/qt_text.h"

#include "text/cp1250.h"

namespace lexavo {

namespace {

// One pass over the text; a surrogate pair is one character.
template <typename Take>
void forEachCodePoint(const QString& text, Take take) {
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    while (p < end) {
        char32_t cp = p->unicode();
        if (p->isHighSurrogate() && p + 1 < end && p[1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(*p, p[1]);
            ++p;
        }
        ++p;
        take(cp);
    }
}

}  // namespace

QString fromCp1250(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* q = out.data();
    for (char c : bytes)
        *q++ = QChar(static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string toCp1250(const QString& text) {
    // At most one byte per UTF-16 unit.
    std::string out(static_cast<size_t>(text.size()), '\0');
    char* q = out.data();
    forEachCodePoint(text, [&](char32_t cp) { *q++ = static_cast<char>(unicodeToCp1250(cp)); });
    out.resize(static_cast<size_t>(q - out.data()));
    return out;
}

QString fromCp1250Lines(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* q = out.data();
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        *q++ = QChar(static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(bytes[i]))));
    }
    out.truncate(q - out.constData());
    return out;
}

std::string toCp1250Lines(const QString& text) {
    // At most two bytes (CR LF) per UTF-16 unit.
    std::string out(2 * static_cast<size_t>(text.size()), '\0');
    char* q = out.data();
    forEachCodePoint(text, [&](char32_t cp) {
        if (cp == U'\n') *q++ = '\r';
        *q++ = static_cast<char>(unicodeToCp1250(cp));
    });
    out.resize(static_cast<size_t>(q - out.data()));
    return out;
}

}  // namespace lexavo
