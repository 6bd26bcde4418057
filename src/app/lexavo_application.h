#pragma once
// The application object and the run of the program.

#include <QApplication>

namespace lexavo {

// The arguments Qt is given: the program's name alone. The command line is not read,
// and Qt must not read it either: its own options (-reverse, -style, -stylesheet,
// -qwindowgeometry ...) would change the window. Its environment variables
// (QT_QPA_PLATFORM) still work. Held before the application, which keeps them.
struct ProgramNameOnly {
    explicit ProgramNameOnly(char* programName)
        : argc(programName != nullptr ? 1 : 0), argv{programName, nullptr} {}
    int argc;
    char* argv[2];
};

// Shows an exception that reaches the event loop in the standard error box and
// lets the run continue. Built from the program's name only.
class LexavoApplication : private ProgramNameOnly, public QApplication {
  public:
    explicit LexavoApplication(char* programName);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Loads Qt's own Czech texts, so that the standard dialogs and buttons speak Czech:
// from a "translations" folder beside the program first (an installed copy), then
// from Qt's translations folder. Returns whether they were found.
bool installCzechQtTexts(QCoreApplication& app, const QString& programDir);

// Creates the windows, runs the event loop and returns 0. The command line is not read.
int runLexavo(int argc, char** argv);

}  // namespace lexavo
