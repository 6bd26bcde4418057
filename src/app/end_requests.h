#pragma once
// The ways a run is asked to end from outside the window: SIGTERM, SIGHUP and
// SIGINT (a plain kill, a closed terminal, Ctrl+C). A signal handler may do next to
// nothing, so it only writes the signal's number into a pipe; the event loop reads
// the pipe and reports the request as a signal of this object, where any Qt call
// is safe.

#include <QObject>

class QSocketNotifier;

namespace lexavo {

class EndRequests : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; the previous ones come back when this object goes.
    explicit EndRequests(QObject* parent = nullptr);
    ~EndRequests() override;

  signals:
    void endRequested();

  private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace lexavo
