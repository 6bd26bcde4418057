#pragma once
// Rasterising the entry layout with QPainter: the working picture is loaded from
// the three-plane store, drawn on, and stored back.

#include <QColor>
#include <QFont>
#include <QImage>

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

  private:
    void growTo(int height);

    EntryCanvas& canvas_;
    QImage picture_;
};

// The entry view's picture: the store's rows, width columns of them; columns past
// the store's 800 are white.
QImage canvasViewPicture(const EntryCanvas& canvas, int width);

}  // namespace lexavo
