#pragma once
// The windows of a run, created in the program entry's order: the main window
// (whose creation step runs in its constructor), then the About box, the contact
// dialog and the progress window, hidden and handed to the main window.

#include "app/information_dialogs.h"
#include "app/tfrm_main.h"
#include "translator/tfrm_preklad.h"

namespace lexavo {

struct ProgramWindows {
    explicit ProgramWindows(ProgramState& state)
        : main(state), about(&main), kontakt(&main), preklad(&main) {
        main.attachDialogs(&about, &kontakt);
        main.attachTranslator(&preklad);
    }
    TfrmMain main;
    TAboutBox about;
    TfrmKontakt kontakt;
    TfrmPreklad preklad;
};

}  // namespace lexavo
