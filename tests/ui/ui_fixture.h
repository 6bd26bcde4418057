#pragma once
// A real main window over a temporary program directory, for the Qt tests.

#include <QFileDialog>
#include <QString>
#include <memory>

#include "app/program_state.h"
#include "app/program_windows.h"
#include "app/tfrm_main.h"
#include "support/test_dictionaries.h"
#include "ui_tfrm_main.h"

namespace lexavo::testing {

class WindowFixture {
  public:
    // The directory is filled by the caller before start().
    WindowFixture();
    ~WindowFixture();

    TempProgramDir& dir() { return dir_; }
    // Creates the windows as the program entry does (the main window's creation step
    // runs), shows the main window and waits until it is active, so that the
    // activation step has run.
    TfrmMain& start();
    // Destroys the window without running its close step.
    void stop();
    TfrmMain& window() { return windows_->main; }
    ProgramWindows& windows() { return *windows_; }
    Ui::TfrmMain& ui() { return *windows_->main.form(); }
    ProgramState& state() { return *state_; }

  private:
    TempProgramDir dir_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<ProgramWindows> windows_;
};

// Types text into a widget key by key, with any characters (QTest::keyClicks
// takes ASCII only).
void typeText(QWidget* widget, const QString& text);

// Answers a file dialog with path, typed into its file name field as a user
// would (selectFile() races with the dialog's reading of the folder); an empty
// path cancels the dialog.
void answerFileDialog(QFileDialog* dialog, const QString& path);

// Text of a code page 1250 byte string as the widgets show it.
QString q(const char* utf8);

}  // namespace lexavo::testing
