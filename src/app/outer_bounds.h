#pragma once
// A window's outer bounds, frame included, as lexavo.ini stores them.
//
// Qt places a window by its frame but sizes it by what lies inside the frame, and
// the frame's size is known only once the window manager has framed the window.
// So the inside is sized to the wanted outer size less the frame as far as it is
// known, and sized again when the frame turns out different, until a frame has
// been seen. A round trip (bounds applied, then read back) is then exact.

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <cstdint>

class QWidget;

namespace lexavo {

// Bounds as stored: any four numbers, however large.
struct StoredBounds {
    int64_t left;
    int64_t top;
    int64_t width;
    int64_t height;
};

// The bounds moved and cut to lie within the available area of the screen they
// overlap most, or of the primary screen when they meet none.
QRect fitIntoScreens(const StoredBounds& wanted, const QList<QRect>& available,
                     const QRect& primary);

class OuterBounds : public QObject {
  public:
    explicit OuterBounds(QWidget* window);

    // The bounds, fitted into the screens' available area first.
    void apply(const StoredBounds& outer);
    QRect current() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSize frame() const;
    void fit();

    QWidget* window_;
    QSize wanted_;
    QSize frameUsed_;  // the frame the inside was last sized for
};

}  // namespace lexavo
