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

// Loads Qt's own Czech texts, so that the standard dialogs and buttons speak Czech:
// from a "translations" folder beside the program first (an installed copy), then
// from Qt's translations folder. Returns whether they were found.
bool installCzechQtTexts(QCoreApplication& app, const QString& programDir);

// Creates the windows, runs the event loop and returns 0. The command line is not read.
int runLexavo(int argc, char** argv);

}  // namespace lexavo
