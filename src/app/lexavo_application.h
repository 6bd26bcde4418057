#pragma once
// The application object and the run of the program.

#include <QApplication>

namespace lexavo {

// Shows an exception that reaches the event loop in the standard error box and
// lets the run continue.
class LexavoApplication : public QApplication {
  public:
    LexavoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Creates the windows, runs the event loop and returns 0. The command line is not read.
int runLexavo(int argc, char** argv);

}  // namespace lexavo
