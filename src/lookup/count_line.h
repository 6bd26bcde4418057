#pragma once
// The count line under the word list: one line of 140 pixels or so. A text too wide
// for it is drawn a little smaller first, so that the fixed texts and most counts
// show whole; what is still too wide ends in an ellipsis and shows whole in the
// tooltip, above the line's hint.

#include <QFont>
#include <QLabel>
#include <QString>

namespace lexavo {

class CountLine : public QLabel {
  public:
    explicit CountLine(QWidget* parent = nullptr);

    struct Fitted {
        QFont font;
        QString text;  // the text as drawn: whole, or cut with an ellipsis
        bool whole = true;
    };
    // How text is drawn in width pixels: at font's size, or at one of two smaller
    // sizes (down to 85 %), or at the smallest with the end cut.
    static Fitted fit(const QString& text, const QFont& font, int width);
    Fitted fitted() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace lexavo
