#pragma once
// The entry view: a widget with no content of its own that paints the entry picture.

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

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lexavo
