#pragma once
// The entry view: a widget with no content of its own that paints the entry picture.
// For screen readers it holds the entry's text too, and reads it out through Qt's
// accessibility interface (AT-SPI on Linux) as a text of its own.

#include <QString>
#include <QWidget>
#include <functional>

namespace lexavo {

class EntryView : public QWidget {
    Q_OBJECT
  public:
    explicit EntryView(QWidget* parent = nullptr);
    // Called on every paint; the main window installs the handler that draws the
    // entry picture.
    std::function<void(EntryView&)> paintHandler;
    // Keys and the wheel given to the view's owner first; true when taken.
    std::function<bool(QKeyEvent*)> keyHandler;
    std::function<bool(QWheelEvent*)> wheelHandler;

    // The shown entry's text; a change is announced to screen readers.
    void setEntryText(const QString& text);
    const QString& entryText() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QString text_;
};

}  // namespace lexavo
