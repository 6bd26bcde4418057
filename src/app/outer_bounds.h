#pragma once
// A window's outer bounds, frame included, as lexavo.ini stores them.
//
// Qt places a window by its frame but sizes it by what lies inside the frame, and
// the frame's size is known only once the window manager has framed the window.
// So the inside is sized to the wanted outer size less the frame as far as it is
// known, and sized again when the frame turns out different, until a frame has
// been seen. A round trip (bounds applied, then read back) is then exact.

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace lexavo {

class OuterBounds : public QObject {
  public:
    explicit OuterBounds(QWidget* window);

    void apply(const QRect& outer);
    QRect current() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSize frame() const;
    void fit();

    QWidget* window_;
    QSize wanted_;
    QSize frameUsed_;
    bool waitingForFrame_ = false;
};

}  // namespace lexavo
