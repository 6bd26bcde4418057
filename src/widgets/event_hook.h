#pragma once
// Lets a handler of a window see one widget's events (keys, focus, resize)
// before the widget does, without the window overriding eventFilter for each.

#include <QEvent>
#include <QObject>
#include <functional>

namespace lexavo {

class EventHook : public QObject {
    Q_OBJECT
  public:
    // Returns true from handler to stop the event.
    using Handler = std::function<bool(QEvent*)>;

    static void install(QObject* watched, Handler handler) {
        watched->installEventFilter(new EventHook(watched, std::move(handler)));
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

  private:
    EventHook(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {}
    Handler handler_;
};

}  // namespace lexavo
