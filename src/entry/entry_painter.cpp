#include "entry/entry_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "widgets/qt_text.h"

namespace lexavo {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
const QColor kBlack(0, 0, 0);
constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 20;
constexpr int kInitialNextLineY = 5;

void copyStoreInto(const EntryCanvas& canvas, QImage& image) {
    const int rows = std::min({image.height(), canvas.canvasHeight(), kCanvasRows});
    const int cols = std::min({image.width(), kCanvasColumns});
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const size_t at = size_t(y) * kCanvasColumns;
        const uint8_t* r = canvas.plane(0) + at;
        const uint8_t* g = canvas.plane(1) + at;
        const uint8_t* b = canvas.plane(2) + at;
        for (int x = 0; x < cols; ++x) line[x] = qRgb(r[x], g[x], b[x]);
    }
}

// The heading's rule: a silver row and a black one under it.
void drawRule(QPainter& p, const RuleItem& r) {
    const int width = r.x1 - r.x0 + 1;
    if (width <= 0) return;
    p.fillRect(r.x0, r.silverY, width, 1, kSilver);
    p.fillRect(r.x0, r.silverY + 1, width, 1, kBlack);
}

}  // namespace

// One text line with its top at (x, y); every line but the heading on white.
void EntryPainter::drawText(QPainter& p, TextKind kind, int x, int y, int pixelHeight,
                            const QString& text) {
    const QFont font = fontFor(kind, pixelHeight);
    const QFontMetrics metrics(font, p.device());
    p.setFont(font);
    if (kind != TextKind::kHeading)
        p.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), kWhite);
    p.setPen(colourFor(kind));
    p.drawText(x, y + metrics.ascent(), text);
}

QFont EntryPainter::fontFor(TextKind kind, int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Times")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelHeight);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    if (kind == TextKind::kHeading) {
        font.setItalic(true);
    } else {
        font.setBold(true);
    }
    return font;
}

QColor EntryPainter::colourFor(TextKind kind) {
    switch (kind) {
        case TextKind::kHeading:
            return {0, 128, 0};
        case TextKind::kMeaningNumber:
            return {0, 0, 128};
        case TextKind::kMeaningText:
            return {0, 0, 255};
        case TextKind::kNotFound:
            return {128, 0, 0};
    }
    return kBlack;
}

void EntryPainter::loadCanvasPicture() {
    picture_ = QImage(std::max(canvas_.canvasWidth(), 0), std::max(canvas_.canvasHeight(), 0),
                      QImage::Format_RGB32);
    picture_.fill(kWhite);
    copyStoreInto(canvas_, picture_);
}

void EntryPainter::storeCanvasPicture() {
    const int rows = std::min(picture_.height(), kCanvasRows);
    const int cols = std::min(picture_.width(), kCanvasColumns);
    for (int y = 0; y < rows; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
        const size_t at = size_t(y) * kCanvasColumns;
        for (int x = 0; x < cols; ++x) {
            canvas_.plane(0)[at + x] = static_cast<uint8_t>(qRed(line[x]));
            canvas_.plane(1)[at + x] = static_cast<uint8_t>(qGreen(line[x]));
            canvas_.plane(2)[at + x] = static_cast<uint8_t>(qBlue(line[x]));
        }
    }
    canvas_.setPictureSize(cols, rows);
    picture_ = QImage();
}

void EntryPainter::clearPicture() {
    picture_ = QImage(kInitialWidth, kInitialHeight, QImage::Format_RGB32);
    canvas_.setNextLineY(kInitialNextLineY);
    picture_.fill(kWhite);
}

void EntryPainter::growTo(int height) {
    if (height <= picture_.height()) return;
    QImage taller(picture_.width(), height, QImage::Format_RGB32);
    taller.fill(kWhite);
    QPainter p(&taller);
    p.drawImage(0, 0, picture_);
    p.end();
    picture_ = std::move(taller);
}

void EntryPainter::draw(const EntryLayout& layout) {
    growTo(layout.height);
    QPainter p(&picture_);
    if (layout.hasRule) drawRule(p, layout.rule);
    for (size_t i = 0; i < layout.textCount; ++i) {
        const TextItem& item = layout.texts[i];
        drawText(p, item.kind, item.x, item.y, item.pixelHeight, fromCp1250(item.text));
    }
    p.end();
    canvas_.setNextLineY(layout.nextLineY);
}

QImage canvasViewPicture(const EntryCanvas& canvas, int width) {
    QImage image(std::max(width, 0), std::max(canvas.canvasHeight(), 0), QImage::Format_RGB32);
    image.fill(kWhite);
    copyStoreInto(canvas, image);
    return image;
}

void DrawnEntry::clear(int height) {
    height_ = height;
    rules_.clear();
    texts_.clear();
    picture_ = QImage();
}

void DrawnEntry::add(const EntryLayout& layout) {
    height_ = std::min(std::max(height_, layout.height), kCanvasRows);
    if (layout.hasRule) rules_.push_back(layout.rule);
    for (size_t i = 0; i < layout.textCount; ++i) {
        const TextItem& t = layout.texts[i];
        texts_.push_back({t.kind, t.x, t.y, t.pixelHeight, std::string(t.text)});
    }
    picture_ = QImage();
}

bool DrawnEntry::hasHeading() const {
    for (const Text& t : texts_) {
        if (t.kind == TextKind::kHeading) return true;
    }
    return false;
}

QString DrawnEntry::text() const {
    QStringList lines;
    for (const Text& t : texts_) {
        QString shown = fromCp1250(t.text);
        switch (t.kind) {
            case TextKind::kHeading:
                if (shown.size() >= 2 && shown.startsWith(QLatin1Char('"')) &&
                    shown.endsWith(QLatin1Char('"'))) {
                    shown = shown.mid(1, shown.size() - 2);
                }
                lines << shown;
                break;
            case TextKind::kMeaningNumber:
                lines << shown;
                break;
            case TextKind::kMeaningText:
                if (lines.isEmpty()) lines << QString();
                lines.back() += (lines.back().isEmpty() ? QString() : QStringLiteral(" ")) + shown;
                break;
            case TextKind::kNotFound:
                lines << shown;
                break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

const QImage& DrawnEntry::picture(int width, qreal ratio) {
    const int w = std::max(width, 0);
    // Painted again at every scroll step: drawn once per entry, width and ratio.
    if (!picture_.isNull() && pictureWidth_ == w && picture_.devicePixelRatio() == ratio)
        return picture_;
    picture_ = QImage(static_cast<int>(std::ceil(w * ratio)),
                      static_cast<int>(std::ceil(height_ * ratio)), QImage::Format_RGB32);
    pictureWidth_ = w;
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(kWhite);
    QPainter p(&picture_);
    // Nothing is drawn past the store's columns and rows, as in the store.
    p.setClipRect(0, 0, std::min(w, kCanvasColumns), height_);
    for (const RuleItem& r : rules_) drawRule(p, r);
    for (const Text& t : texts_)
        EntryPainter::drawText(p, t.kind, t.x, t.y, t.pixelHeight, fromCp1250(t.text));
    return picture_;
}

}  // namespace lexavo
