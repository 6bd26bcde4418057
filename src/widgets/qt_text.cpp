#include "widgets/qt_text.h"

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

// A memo cannot hold a NUL character, so a NUL byte is shown as the symbol for
// null, which code page 1250 has no byte for, and saved as a NUL byte again.
constexpr char16_t kNulSymbol = u'\u2400';

// Bytes to text; with lines (a memo's text), CR LF becomes '\n' and NUL the symbol.
QString fromBytes(std::string_view bytes, bool lines) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* q = out.data();
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (lines && bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        if (lines && bytes[i] == '\0') {
            *q++ = QChar(kNulSymbol);
            continue;
        }
        *q++ = QChar(static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(bytes[i]))));
    }
    out.truncate(q - out.constData());
    return out;
}

// Text to bytes, at most two (CR LF) per UTF-16 unit; with lines, '\n' becomes CR LF
// and the symbol for null a NUL byte.
std::string toBytes(const QString& text, bool lines) {
    std::string out((lines ? 2 : 1) * static_cast<size_t>(text.size()), '\0');
    char* q = out.data();
    forEachCodePoint(text, [&](char32_t cp) {
        if (lines && cp == U'\n') *q++ = '\r';
        *q++ = lines && cp == kNulSymbol ? '\0' : static_cast<char>(unicodeToCp1250(cp));
    });
    out.resize(static_cast<size_t>(q - out.data()));
    return out;
}

}  // namespace

QString fromCp1250(std::string_view bytes) { return fromBytes(bytes, false); }
std::string toCp1250(const QString& text) { return toBytes(text, false); }
QString fromCp1250Lines(std::string_view bytes) { return fromBytes(bytes, true); }
std::string toCp1250Lines(const QString& text) { return toBytes(text, true); }

}  // namespace lexavo
