#pragma once
// Everything the program works on for a whole run, allocated once at start-up:
// one object built by the program entry (or by a test) and handed to the windows.

#include <memory>
#include <string>

#include "dictionary/base_forms.h"
#include "dictionary/catalogue.h"
#include "dictionary/dictionary_store.h"
#include "entry/entry_canvas.h"
#include "entry/entry_layout.h"
#include "entry/entry_reader.h"
#include "lookup/input_word.h"
#include "lookup/prefix_search.h"
#include "lookup/suggestions.h"
#include "text/program_folder.h"
#include "translator/text_translator.h"

namespace lexavo {

struct ProgramState {
    // dir: the directory of the executable (a temporary one in tests), without a
    // trailing separator.
    // baseForms, where given, serves the translate command and the text translator
    // with the base forms of words that have no headword as written.
    explicit ProgramState(std::string dir, std::unique_ptr<BaseForms> baseForms = nullptr);

    ProgramFolder folder;
    std::unique_ptr<BaseForms> baseForms;
    DictionaryStore store;
    Catalogue catalogue;
    // The expression being looked up on the dictionary page.
    InputWord inputWord;

    // The dictionary page: the word list's search, the entry reader with its
    // record-offset cache, the entry picture and the layout drawn into it.
    PrefixSearch prefixSearch;
    EntryReader entryReader;
    EntryCanvas entryCanvas;
    EntryLayout entryLayout;
    // What the translate command offers for a word without an entry as typed.
    Suggester suggester;

    // The text translator: its source and result buffers and its headword index.
    TextTranslator translator;
};

// The directory part of an executable's full path: everything before the last
// separator ('/' or '\\'), at most 999 characters of the path being taken.
std::string programDirFromExecutable(std::string_view executablePath);

}  // namespace lexavo
