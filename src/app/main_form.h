#pragma once
// The main window's form as its parts see it: the widgets each part works, taken from
// the form under the form's names, and the look the form's file cannot give.

#include "app/shell.h"
#include "lookup/dictionary_page.h"
#include "translator/translator_page.h"

namespace Ui {
class TfrmMain;
}

namespace lexavo {

DictionaryPage::Widgets dictionaryPageWidgets(Ui::TfrmMain& form);
TranslatorPage::Widgets translatorPageWidgets(Ui::TfrmMain& form);
Shell::Widgets shellWidgets(Ui::TfrmMain& form);

// The tool buttons' pictures, the logo, the special letters' font, the information
// line's text, the splitter's proportions and the history page's compact tabs.
void setUpFormLook(Ui::TfrmMain& form);

}  // namespace lexavo
