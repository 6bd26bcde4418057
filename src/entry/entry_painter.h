#pragma once
// Rasterising the entry layout with QPainter: the working picture is loaded from
// the three-plane store, drawn on, and stored back.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>
#include <vector>

#include "entry/entry_canvas.h"
#include "entry/entry_layout.h"

namespace lexavo {

class EntryPainter {
  public:
    explicit EntryPainter(EntryCanvas& canvas) : canvas_(canvas) {}

    // A working picture of the store's size holding its pixels.
    void loadCanvasPicture();
    // The working picture back into the store (at most its 800 x 2000 pixels).
    void storeCanvasPicture();
    // A white working picture 800 x 20, the next line at row 5.
    void clearPicture();
    // Grows the working picture to the layout's height and draws its rule and texts.
    void draw(const EntryLayout& layout);

    const QImage& picture() const { return picture_; }

    // "Times" is Liberation Serif, its metric twin, asked for by name first.
    static QFont fontFor(TextKind kind, int pixelHeight);
    static QColor colourFor(TextKind kind);
    // One text line of the layout with its top at (x, y); every line but the heading
    // on a white background.
    static void drawText(QPainter& p, TextKind kind, int x, int y, int pixelHeight,
                         const QString& text);

  private:
    void growTo(int height);

    EntryCanvas& canvas_;
    QImage picture_;
};

// The entry view's picture: the store's rows, width columns of them; columns past
// the store's 800 are white.
QImage canvasViewPicture(const EntryCanvas& canvas, int width);

// What the drawing operations since the picture was last cleared put into it, kept
// so that a screen of more than one device pixel per logical pixel can be given the
// same picture drawn at its own resolution.
class DrawnEntry {
  public:
    void clear(int height);
    void add(const EntryLayout& layout);
    // The picture's height in the store after the last operation.
    int height() const { return height_; }
    // The picture's text, a line per heading, meaning or message, as a reader reads
    // it: the heading without its quotes, each meaning after its number.
    QString text() const;
    bool hasHeading() const;
    // The picture at ratio device pixels per logical pixel, width logical columns
    // (those past the store's 800 white), every position and size as in the store;
    // kept until the entry, the width or the ratio changes.
    const QImage& picture(int width, qreal ratio);

  private:
    struct Text {
        TextKind kind;
        int x;
        int y;
        int pixelHeight;
        std::string text;
    };
    int height_ = 0;
    std::vector<RuleItem> rules_;
    std::vector<Text> texts_;
    QImage picture_;
    int pictureWidth_ = 0;
};

}  // namespace lexavo
